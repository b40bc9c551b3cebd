#include "platform/win32/command_line.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>

#include "platform/win32/text_conversion.h"

namespace curfew::platform::win32 {

std::vector<std::string> CommandLineArguments() {
  struct LocalFreer {
    void operator()(wchar_t** block) const { LocalFree(block); }
  };
  int count = 0;
  const std::unique_ptr<wchar_t*, LocalFreer> wide(CommandLineToArgvW(GetCommandLineW(), &count));
  std::vector<std::string> arguments;
  for (int i = 1; wide && i < count; ++i) arguments.push_back(WideToUtf8(wide.get()[i]));
  return arguments;
}

}  // namespace curfew::platform::win32
