// curfewctl: prints the schedule list of a data folder. Wiring only; the command lives in cli/.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/curfewctl_command.h"

namespace {

// Runs the command and writes what it printed to the standard output and error.
int Run(const std::vector<std::string>& arguments, const curfew::cli::CurfewctlServices& services) {
  std::string out;
  std::string err;
  const int exitCode = curfew::cli::RunCurfewctl(arguments, services, out, err);
  std::fwrite(out.data(), 1, out.size(), stdout);
  std::fwrite(err.data(), 1, err.size(), stderr);
  return exitCode;
}

}  // namespace

#ifdef _WIN32
#include <windows.h>

#include "platform/win32/command_line.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale.h"

int main() {
  using namespace curfew::platform::win32;
  SetConsoleOutputCP(CP_UTF8);
  const std::vector<std::string> arguments = CommandLineArguments();
  const Win32FileSystem files;
  const Win32Clock clock;
  const Win32Locale locale;
  return Run(arguments, curfew::cli::CurfewctlServices{files, clock, locale});
}

#else
#include <filesystem>

#include "platform/host/host_clock.h"
#include "platform/host/host_file_system.h"
#include "platform/host/pattern_locale.h"

int main(int argc, char** argv) {
  using namespace curfew::platform;
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  const HostFileSystem files(error ? std::string(".") : HostFileSystem::FromHostPath(self.parent_path()));
  const HostClock clock;
  const PatternLocale locale;
  return Run(std::vector<std::string>(argv + 1, argv + argc), curfew::cli::CurfewctlServices{files, clock, locale});
}
#endif
