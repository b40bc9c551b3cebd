#include "platform/win32/win32_power_system.h"

#include <windows.h>

#include <powrprof.h>

#include "platform/win32/system_time.h"
#include "platform/win32/text_conversion.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_file_system.h"

namespace curfew::platform::win32 {

namespace {

PowerError Answer(bool accepted) { return accepted ? kAccepted : static_cast<PowerError>(GetLastError()); }

}  // namespace

PowerError Win32PowerSystem::RequestExit(std::uint32_t flags) {
  // Shutting down and restarting give a planned reason in the system's event log.
  constexpr DWORD kPlannedOther = SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_MINOR_OTHER | SHTDN_REASON_FLAG_PLANNED;
  return Answer(ExitWindowsEx(flags, kPlannedOther));
}

// Wake-up events stay allowed, so that a wake timer can end the sleep.
PowerError Win32PowerSystem::Suspend(bool hibernate, bool force) {
  return Answer(SetSuspendState(hibernate, force, FALSE));
}

// Every top-level window's default handling turns the display off; posted, so that a window
// that does not answer holds nothing up.
void Win32PowerSystem::TurnDisplayOff() {
  constexpr LPARAM kDisplayOff = 2;
  PostMessageW(HWND_BROADCAST, WM_SYSCOMMAND, SC_MONITORPOWER, kDisplayOff);
}

PowerCapabilities Win32PowerSystem::Capabilities() const {
  SYSTEM_POWER_CAPABILITIES capabilities{};
  if (!GetPwrCapabilities(&capabilities)) return {};
  // The capabilities' own Modern Standby flag is missing from older headers; the platform
  // information carries the same flag.
  POWER_PLATFORM_INFORMATION platform{};
  const bool modernStandby =
      CallNtPowerInformation(PlatformInformation, nullptr, 0, &platform, sizeof(platform)) == 0 && platform.AoAc;
  return {capabilities.SystemS1 || capabilities.SystemS2 || capabilities.SystemS3, modernStandby};
}

std::string Win32PowerSystem::ErrorText(PowerError error) const {
  wchar_t text[512] = {};
  const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                      text, static_cast<DWORD>(std::size(text)), nullptr);
  std::wstring message(text, length);
  while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n' || message.back() == L' '))
    message.pop_back();
  if (message.empty()) return "Error " + std::to_string(error) + ".";
  return WideToUtf8(message);
}

std::uint32_t Win32PowerSystem::PlatformId() const {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof(version);  // 148 bytes
  static_assert(sizeof(OSVERSIONINFOA) == 148);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&version)) return 0;
#pragma GCC diagnostic pop
  return version.dwPlatformId;
}

// AdjustTokenPrivileges succeeds without granting a privilege the account lacks; it says so in
// the last error.
PowerError Win32PowerSystem::EnableShutdownPrivilege() {
  HANDLE rawToken = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &rawToken)) return Answer(false);
  const KernelHandle token(rawToken);
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (!LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) return Answer(false);
  TOKEN_PRIVILEGES previous{};
  DWORD previousSize = 0;
  if (!AdjustTokenPrivileges(token.get(), FALSE, &privileges, sizeof(previous), &previous, &previousSize))
    return Answer(false);
  return GetLastError() == ERROR_NOT_ALL_ASSIGNED ? ERROR_NOT_ALL_ASSIGNED : kAccepted;
}

bool Win32PowerSystem::HibernationFileExists() const {
  constexpr unsigned kAnyFile = 1 | 2 | 4;  // read-only, hidden and system files as well
  const auto found = Win32FileSystem{}.FindFirstMatch("c:\\hiberfil.sys", kAnyFile);
  return found && CompareStringOrdinal(L"hiberfil.sys", -1, Utf8ToWide(*found).c_str(), -1, TRUE) == CSTR_EQUAL;
}

void Win32PowerSystem::HoldSystemRequest(AwakeRequest which, std::string_view reason) {
  KernelHandle& held = which == AwakeRequest::Asked ? request_ : runRequest_;
  if (held.get()) return;
  std::wstring text = Utf8ToWide(reason);
  REASON_CONTEXT context{};
  context.Version = POWER_REQUEST_CONTEXT_VERSION;
  context.Flags = POWER_REQUEST_CONTEXT_SIMPLE_STRING;
  context.Reason.SimpleReasonString = text.data();
  KernelHandle request(PowerCreateRequest(&context));
  if (!request.get() || request.get() == INVALID_HANDLE_VALUE) return;
  if (PowerSetRequest(request.get(), PowerRequestSystemRequired)) held = std::move(request);
}

void Win32PowerSystem::ReleaseSystemRequest(AwakeRequest which) {
  KernelHandle& held = which == AwakeRequest::Asked ? request_ : runRequest_;
  if (!held.get()) return;
  PowerClearRequest(held.get(), PowerRequestSystemRequired);
  held.reset();
}

bool Win32PowerSystem::ArmWakeTimer(const UtcDateTime& at, std::string_view reason) {
  if (!wakeTimer_.get()) wakeTimer_.reset(CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS));
  if (!wakeTimer_.get()) return false;
  const SYSTEMTIME utc = ToSystemTime(at);
  FILETIME due{};
  if (!SystemTimeToFileTime(&utc, &due)) return false;
  LARGE_INTEGER dueTime{};  // positive: an absolute moment in UTC
  dueTime.LowPart = due.dwLowDateTime;
  dueTime.HighPart = static_cast<LONG>(due.dwHighDateTime);
  wakeReason_ = Utf8ToWide(reason);
  REASON_CONTEXT context{};
  context.Version = POWER_REQUEST_CONTEXT_VERSION;
  context.Flags = POWER_REQUEST_CONTEXT_SIMPLE_STRING;
  context.Reason.SimpleReasonString = wakeReason_.data();
  // A wake context makes the timer resume the machine when it falls due.
  return SetWaitableTimerEx(wakeTimer_.get(), &dueTime, 0, nullptr, nullptr, &context, 0);
}

void Win32PowerSystem::CancelWakeTimer() {
  if (wakeTimer_.get()) CancelWaitableTimer(wakeTimer_.get());
}

// 0 is off, 1 on, and 2 lets only the system's own important timers wake the machine.
std::optional<bool> Win32PowerSystem::WakeTimersAllowed() const {
  GUID* scheme = nullptr;
  if (PowerGetActiveScheme(nullptr, &scheme) != ERROR_SUCCESS || !scheme) return std::nullopt;
  const LocalMemoryHandle schemeMemory(scheme);
  SYSTEM_POWER_STATUS status{};
  const bool onBattery = GetSystemPowerStatus(&status) && status.ACLineStatus == 0;
  DWORD value = 0;
  const DWORD read = onBattery
                         ? PowerReadDCValueIndex(nullptr, scheme, &GUID_SLEEP_SUBGROUP, &GUID_ALLOW_RTC_WAKE, &value)
                         : PowerReadACValueIndex(nullptr, scheme, &GUID_SLEEP_SUBGROUP, &GUID_ALLOW_RTC_WAKE, &value);
  if (read != ERROR_SUCCESS) return std::nullopt;
  return value == 1;
}

void Win32PowerSystem::SetExecutionState(std::uint32_t flags) {
  SetThreadExecutionState(static_cast<EXECUTION_STATE>(flags));
}

}  // namespace curfew::platform::win32
