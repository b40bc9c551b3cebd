#include "support/program_folder.h"

#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#endif

namespace curfew::test {

std::string TestProgramFolder() {
#ifdef _WIN32
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::u8string folder = std::filesystem::path(path).parent_path().u8string();
#else
  const std::u8string folder = std::filesystem::read_symlink("/proc/self/exe").parent_path().u8string();
#endif
  return std::string(folder.begin(), folder.end());
}

}  // namespace curfew::test
