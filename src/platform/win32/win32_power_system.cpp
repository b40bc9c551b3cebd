#include "platform/win32/win32_power_system.h"

#include <windows.h>

#include "platform/win32/text_conversion.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_file_system.h"

namespace curfew::platform::win32 {

void Win32PowerSystem::RequestExit(std::uint32_t flags) { ExitWindowsEx(flags, 0); }

void Win32PowerSystem::RequestPowerState(bool suspend, bool force) { SetSystemPowerState(suspend, force); }

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

void Win32PowerSystem::EnableShutdownPrivilege() {
  HANDLE rawToken = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &rawToken)) return;
  const KernelHandle token(rawToken);
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (!LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) return;
  TOKEN_PRIVILEGES previous{};
  DWORD previousSize = 0;
  AdjustTokenPrivileges(token.get(), FALSE, &privileges, sizeof(previous), &previous, &previousSize);
}

bool Win32PowerSystem::HibernationFileExists() const {
  constexpr unsigned kAnyFile = 1 | 2 | 4;  // read-only, hidden and system files as well
  const auto found = Win32FileSystem{}.FindFirstMatch("c:\\hiberfil.sys", kAnyFile);
  return found && CompareStringOrdinal(L"hiberfil.sys", -1, Utf8ToWide(*found).c_str(), -1, TRUE) == CSTR_EQUAL;
}

void Win32PowerSystem::HoldSystemRequest(std::string_view reason) {
  if (request_.get()) return;
  std::wstring text = Utf8ToWide(reason);
  REASON_CONTEXT context{};
  context.Version = POWER_REQUEST_CONTEXT_VERSION;
  context.Flags = POWER_REQUEST_CONTEXT_SIMPLE_STRING;
  context.Reason.SimpleReasonString = text.data();
  KernelHandle request(PowerCreateRequest(&context));
  if (!request.get() || request.get() == INVALID_HANDLE_VALUE) return;
  if (PowerSetRequest(request.get(), PowerRequestSystemRequired)) request_ = std::move(request);
}

void Win32PowerSystem::ReleaseSystemRequest() {
  if (!request_.get()) return;
  PowerClearRequest(request_.get(), PowerRequestSystemRequired);
  request_.reset();
}

void Win32PowerSystem::SetExecutionState(std::uint32_t flags) {
  SetThreadExecutionState(static_cast<EXECUTION_STATE>(flags));
}

}  // namespace curfew::platform::win32
