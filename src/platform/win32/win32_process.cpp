#include "platform/win32/win32_process.h"

#include "platform/win32/text_conversion.h"
#include "platform/win32/unique_handle.h"

namespace curfew::platform::win32 {

Win32Process::~Win32Process() = default;

bool Win32Process::AnotherInstanceRunning() {
  if (!mutex_) {
    mutex_.reset(CreateMutexW(nullptr, FALSE, Utf8ToWide("Local\\" + instanceName_).c_str()));
    if (mutex_ && GetLastError() == ERROR_ALREADY_EXISTS) {
      mutex_.reset();
      return true;
    }
  }
  return false;
}

void Win32Process::StartCommandLine(std::string_view commandLine) {
  std::wstring command = Utf8ToWide(commandLine);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    const KernelHandle processHandle(process.hProcess);
    const KernelHandle threadHandle(process.hThread);
  }
}

}  // namespace curfew::platform::win32
