#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>

#include "platform/date_arithmetic.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_power_broadcast.h"
#include "platform/win32/win32_power_system.h"
#include "power/cpower.h"
#include "power/mod_power.h"
#include "win32/support/timer_left.h"

namespace curfew::platform::win32 {
namespace {

constexpr LRESULT kBroadcastQueryDeny = 0x424D5144;
constexpr LRESULT kOwnAnswer = 77;

int ownPowerBroadcasts = 0;

LRESULT CALLBACK OwnWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_POWERBROADCAST) {
    ++ownPowerBroadcasts;
    return kOwnAnswer;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// A real top-level window with its own procedure, and a power object on it.
class Win32SuspendPrevention : public testing::Test {
 protected:
  Win32SuspendPrevention() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = OwnWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"CurfewPowerTestWindow";
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, windowClass.lpszClassName, L"power test", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                              nullptr, windowClass.hInstance, nullptr);
    objPower_.emplace(power_, filter_);
    objPower_->Initialize(reinterpret_cast<NativeWindow>(window_));
    ownPowerBroadcasts = 0;
  }
  ~Win32SuspendPrevention() override {
    objPower_.reset();
    DestroyWindow(window_);
  }

  WNDPROC CurrentProcedure() const { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window_, GWLP_WNDPROC)); }
  LRESULT SendSuspendQuery(LPARAM lParam) const {
    return SendMessageW(window_, WM_POWERBROADCAST, PBT_APMQUERYSUSPEND, lParam);
  }

  HWND window_ = nullptr;
  Win32PowerSystem power_;
  Win32PowerBroadcastFilter filter_;
  std::optional<CPower> objPower_;
};

TEST_F(Win32SuspendPrevention, RefusesSilentQueriesOnlyWhileOn) {
  ASSERT_NE(window_, nullptr);
  EXPECT_EQ(SendSuspendQuery(0), kOwnAnswer);

  objPower_->DisableSuspend(true);
  EXPECT_NE(CurrentProcedure(), &OwnWindowProc);
  EXPECT_EQ(SendSuspendQuery(0), kBroadcastQueryDeny);
  EXPECT_EQ(ownPowerBroadcasts, 1) << "the refused query never reached the window";
  EXPECT_EQ(SendSuspendQuery(1), kOwnAnswer) << "a query that lets the user decide is passed on";
  EXPECT_EQ(ownPowerBroadcasts, 2);

  objPower_->DisableSuspend(false);
  EXPECT_EQ(CurrentProcedure(), &OwnWindowProc);
  EXPECT_EQ(SendSuspendQuery(0), kOwnAnswer);
}

TEST_F(Win32SuspendPrevention, OnOffOnKeepsOneInterception) {
  objPower_->DisableSuspend(true);
  const WNDPROC filterProcedure = CurrentProcedure();
  objPower_->DisableSuspend(true);
  objPower_->DisableSuspend(false);
  objPower_->DisableSuspend(true);
  EXPECT_EQ(CurrentProcedure(), filterProcedure);
  EXPECT_EQ(SendSuspendQuery(0), kBroadcastQueryDeny);
  EXPECT_EQ(SendSuspendQuery(1), kOwnAnswer);
  EXPECT_EQ(ownPowerBroadcasts, 1) << "one filter in the chain, not two";
}

TEST_F(Win32SuspendPrevention, EndingThePowerObjectRestoresTheWindowProcedure) {
  objPower_->DisableSuspend(true);
  objPower_.reset();
  EXPECT_EQ(CurrentProcedure(), &OwnWindowProc);
  EXPECT_EQ(SendSuspendQuery(0), kOwnAnswer);
}

TEST(Win32PowerSystem, ReportsTheNtFamily) {
  const Win32PowerSystem power;
  EXPECT_TRUE(IsWindowsNT(power));
}

TEST(Win32PowerSystem, HibernationFollowsTheHibernationFile) {
  const Win32PowerSystem power;
  const wchar_t* const kFile = L"c:\\hiberfil.sys";
  SetFileAttributesW(kFile, FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(kFile);
  EXPECT_FALSE(HibernationAvailable(power));

  std::ofstream("c:\\hiberfil.sys") << "x";
  ASSERT_TRUE(SetFileAttributesW(kFile, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  EXPECT_TRUE(HibernationAvailable(power));

  SetFileAttributesW(kFile, FILE_ATTRIBUTE_NORMAL);
  ASSERT_TRUE(DeleteFileW(kFile));
  EXPECT_FALSE(HibernationAvailable(power));
}

// Keeping awake holds a power request with its reason, once, until it is released. Where the
// system makes no requests (Wine 8 has only a stub), none is held and releasing is harmless.
TEST(Win32PowerSystem, APowerRequestIsHeldUntilReleased) {
  wchar_t reason[] = L"probe";
  REASON_CONTEXT context{POWER_REQUEST_CONTEXT_VERSION, POWER_REQUEST_CONTEXT_SIMPLE_STRING, {}};
  context.Reason.SimpleReasonString = reason;
  const HANDLE probe = PowerCreateRequest(&context);
  const bool systemMakesRequests = probe && probe != INVALID_HANDLE_VALUE;
  if (systemMakesRequests) CloseHandle(probe);

  using platform::AwakeRequest;
  Win32PowerSystem power;
  power.HoldSystemRequest(AwakeRequest::Asked, "Curfew keeps this computer awake");
  EXPECT_EQ(power.HoldsSystemRequest(AwakeRequest::Asked), systemMakesRequests);
  power.HoldSystemRequest(AwakeRequest::Asked, "Curfew keeps this computer awake");
  power.HoldSystemRequest(AwakeRequest::ForRun, "Curfew runs a schedule");
  EXPECT_EQ(power.HoldsSystemRequest(AwakeRequest::ForRun), systemMakesRequests);
  power.ReleaseSystemRequest(AwakeRequest::Asked);
  EXPECT_FALSE(power.HoldsSystemRequest(AwakeRequest::Asked));
  EXPECT_EQ(power.HoldsSystemRequest(AwakeRequest::ForRun), systemMakesRequests) << "each request on its own";
  power.ReleaseSystemRequest(AwakeRequest::ForRun);
  power.ReleaseSystemRequest(AwakeRequest::ForRun);
  EXPECT_FALSE(power.HoldsSystemRequest(AwakeRequest::ForRun));
}

using test::SecondsLeft;

UtcDateTime UtcInSeconds(long long seconds) {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER ticks{{now.dwLowDateTime, now.dwHighDateTime}};
  ticks.QuadPart += static_cast<unsigned long long>(seconds) * 10'000'000ULL;
  const FILETIME due{ticks.LowPart, ticks.HighPart};
  SYSTEMTIME utc{};
  FileTimeToSystemTime(&due, &utc);
  return {std::chrono::year_month_day{std::chrono::year(utc.wYear), std::chrono::month(utc.wMonth),
                                      std::chrono::day(utc.wDay)},
          TimeOfDay{utc.wHour, utc.wMinute, utc.wSecond}};
}

// A real waitable timer, due at the UTC moment given, moved when armed again and signalled then.
TEST(Win32PowerSystem, TheWakeTimerIsAWaitableTimerDueAtTheUtcMoment) {
  Win32PowerSystem power;
  ASSERT_TRUE(power.ArmWakeTimer(UtcInSeconds(600), "Curfew runs a schedule"));
  const HANDLE timer = power.WakeTimerHandle();
  ASSERT_NE(timer, nullptr);
  const auto left = SecondsLeft(timer);
  ASSERT_TRUE(left);
  EXPECT_NEAR(static_cast<double>(*left), 600.0, 5.0);
  EXPECT_EQ(WaitForSingleObject(timer, 0), static_cast<DWORD>(WAIT_TIMEOUT));

  ASSERT_TRUE(power.ArmWakeTimer(UtcInSeconds(2), "Curfew runs a schedule"));
  EXPECT_EQ(power.WakeTimerHandle(), timer) << "one timer, moved";
  EXPECT_EQ(WaitForSingleObject(timer, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_EQ(WaitForSingleObject(timer, 10'000), static_cast<DWORD>(WAIT_OBJECT_0));

  ASSERT_TRUE(power.ArmWakeTimer(UtcInSeconds(2), "Curfew runs a schedule"));
  power.CancelWakeTimer();
  EXPECT_EQ(WaitForSingleObject(timer, 3'000), static_cast<DWORD>(WAIT_TIMEOUT)) << "a cancelled timer stays quiet";
}

// The local clock's moment on the UTC clock is the system's UTC time.
TEST(Win32Clock, LocalNowIsTheSystemsUtcNow) {
  const Win32Clock clock;
  const auto utc = clock.ToUtc(clock.Now());
  ASSERT_TRUE(utc);
  const UtcDateTime expected = UtcInSeconds(0);
  EXPECT_LE(std::abs(date_arithmetic::SecondsBetween(*utc, expected)), 2);
}

TEST(Win32PowerSystem, RefusalsComeWithTheSystemsOwnText) {
  const Win32PowerSystem power;
  const std::string text = power.ErrorText(ERROR_ACCESS_DENIED);
  EXPECT_FALSE(text.empty());
  EXPECT_NE(text, "Error 5.") << "the system's words, not a number";
  EXPECT_NE(text.back(), '\n');
}

}  // namespace
}  // namespace curfew::platform::win32
