#pragma once

#include <windows.h>
#include <oleauto.h>

#include <utility>

namespace curfew::platform::win32 {

// Owns one handle of the system and gives it back with Traits::Close when it goes out of
// scope, is reset, or is moved over. Traits name the handle type, its empty value and how to
// tell a valid one.
template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return Traits::Valid(handle_); }
  // Gives the handle up without closing it.
  Handle release() { return std::exchange(handle_, Traits::Empty()); }
  void reset(Handle handle = Traits::Empty()) {
    const Handle old = std::exchange(handle_, handle);
    if (Traits::Valid(old)) Traits::Close(old);
  }

 private:
  Handle handle_ = Traits::Empty();
};

namespace handle_traits {

// Kernel objects: null when empty; some calls answer INVALID_HANDLE_VALUE for failure.
struct Kernel {
  using Handle = HANDLE;
  static Handle Empty() { return nullptr; }
  static bool Valid(Handle handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) { CloseHandle(handle); }
};

struct Find {
  using Handle = HANDLE;
  static Handle Empty() { return INVALID_HANDLE_VALUE; }
  static bool Valid(Handle handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) { FindClose(handle); }
};

template <typename T, BOOL(WINAPI* Closer)(T)>
struct Simple {
  using Handle = T;
  static Handle Empty() { return nullptr; }
  static bool Valid(Handle handle) { return handle != nullptr; }
  static void Close(Handle handle) { Closer(handle); }
};

struct RegistryKey {
  using Handle = HKEY;
  static Handle Empty() { return nullptr; }
  static bool Valid(Handle handle) { return handle != nullptr; }
  static void Close(Handle handle) { RegCloseKey(handle); }
};

template <typename T>
struct Gdi {
  using Handle = T;
  static Handle Empty() { return nullptr; }
  static bool Valid(Handle handle) { return handle != nullptr; }
  static void Close(Handle handle) { DeleteObject(handle); }
};

// A string of the system's string allocator, as COM hands text over.
struct SystemString {
  using Handle = BSTR;
  static Handle Empty() { return nullptr; }
  static bool Valid(Handle handle) { return handle != nullptr; }
  static void Close(Handle handle) { SysFreeString(handle); }
};

// Memory the system allocated for the caller with LocalAlloc.
struct LocalMemory {
  using Handle = void*;
  static Handle Empty() { return nullptr; }
  static bool Valid(Handle handle) { return handle != nullptr; }
  static void Close(Handle handle) { LocalFree(handle); }
};

}  // namespace handle_traits

using KernelHandle = UniqueHandle<handle_traits::Kernel>;
using FileHandle = UniqueHandle<handle_traits::Kernel>;
using LocalMemoryHandle = UniqueHandle<handle_traits::LocalMemory>;
using FindHandle = UniqueHandle<handle_traits::Find>;
using KeyHandle = UniqueHandle<handle_traits::RegistryKey>;
using WindowHandle = UniqueHandle<handle_traits::Simple<HWND, DestroyWindow>>;
using MenuHandle = UniqueHandle<handle_traits::Simple<HMENU, DestroyMenu>>;
using IconHandle = UniqueHandle<handle_traits::Simple<HICON, DestroyIcon>>;
// A device context made by CreateCompatibleDC; one of a window's is released by its painter.
using MemoryDcHandle = UniqueHandle<handle_traits::Simple<HDC, DeleteDC>>;
using FontObject = UniqueHandle<handle_traits::Gdi<HFONT>>;
using BitmapObject = UniqueHandle<handle_traits::Gdi<HBITMAP>>;
using BrushObject = UniqueHandle<handle_traits::Gdi<HBRUSH>>;
using SystemString = UniqueHandle<handle_traits::SystemString>;

// Owns one reference to a COM object and releases it.
template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  explicit ComPtr(Interface* pointer) : pointer_(pointer) {}
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    reset(std::exchange(other.pointer_, nullptr));
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() { reset(); }

  Interface* get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  // For the calls that hand out a new reference through an out parameter.
  Interface** put() {
    reset();
    return &pointer_;
  }
  void reset(Interface* pointer = nullptr) {
    if (Interface* old = std::exchange(pointer_, pointer)) old->Release();
  }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace curfew::platform::win32
