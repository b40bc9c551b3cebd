#include "platform/win32/unique_handle.h"

#include <unknwn.h>

#include <gtest/gtest.h>

namespace curfew::platform::win32 {
namespace {

bool IsOpen(HANDLE handle) {
  DWORD flags = 0;
  return GetHandleInformation(handle, &flags) != FALSE;
}

TEST(UniqueHandle, ClosesOnceWhateverWayItGoes) {
  const HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  KernelHandle first(event);
  KernelHandle second(std::move(first));
  EXPECT_FALSE(first);
  EXPECT_EQ(second.get(), event);
  KernelHandle third;
  third = std::move(second);
  EXPECT_TRUE(IsOpen(event));
  third.reset();
  EXPECT_FALSE(IsOpen(event)) << "reset closes";

  const HANDLE kept = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  {
    KernelHandle owner(kept);
    EXPECT_EQ(owner.release(), kept);
  }
  EXPECT_TRUE(IsOpen(kept)) << "a released handle is the caller's";
  CloseHandle(kept);
  EXPECT_FALSE(FindHandle()) << "an empty find handle is INVALID_HANDLE_VALUE";
}

struct Counted : IUnknown {
  int releases = 0;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(++releases); }
};

TEST(ComPtr, ReleasesItsReferenceOnce) {
  Counted object;
  {
    ComPtr<IUnknown> first(&object);
    ComPtr<IUnknown> second(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_EQ(object.releases, 0);
  }
  EXPECT_EQ(object.releases, 1);
}

}  // namespace
}  // namespace curfew::platform::win32
