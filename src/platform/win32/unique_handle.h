#pragma once

#include <windows.h>

namespace curfew::platform::win32 {

// Owns one kernel handle (INVALID_HANDLE_VALUE or null when empty) and releases it with
// Closer when it goes out of scope.
template <typename Closer>
class ScopedHandle {
 public:
  explicit ScopedHandle(HANDLE handle) : handle_(handle) {}
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  ~ScopedHandle() {
    if (*this) Closer{}(handle_);
  }

  HANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }

 private:
  HANDLE handle_;
};

struct CloseKernelHandle {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct CloseFindHandle {
  void operator()(HANDLE handle) const { FindClose(handle); }
};

using KernelHandle = ScopedHandle<CloseKernelHandle>;
using FileHandle = ScopedHandle<CloseKernelHandle>;
using FindHandle = ScopedHandle<CloseFindHandle>;

}  // namespace curfew::platform::win32
