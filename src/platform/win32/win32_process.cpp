#include "platform/win32/win32_process.h"

#include <shellapi.h>

#include "platform/win32/text_conversion.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_file_system.h"

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

bool Win32Process::StartCommandLine(std::string_view commandLine) {
  std::wstring command = Utf8ToWide(commandLine);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  const KernelHandle processHandle(process.hProcess);
  const KernelHandle threadHandle(process.hThread);
  return true;
}

std::string Win32Process::ExeName() const {
  std::wstring name = ModuleFileName(nullptr);
  name = name.substr(name.find_last_of(L"\\/") + 1);
  if (const auto dot = name.find_last_of(L'.'); dot != std::wstring::npos) name.resize(dot);
  return WideToUtf8(name);
}

int Win32Process::OpenDocument(std::string_view path, NativeWindow owner, int showMode) {
  const HINSTANCE result =
      ShellExecuteW(reinterpret_cast<HWND>(owner), L"open", Utf8ToWide(path).c_str(), nullptr, nullptr, showMode);
  return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

}  // namespace curfew::platform::win32
