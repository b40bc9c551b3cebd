#pragma once

#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/locale.h"

namespace curfew::cli {

struct CurfewctlServices {
  const platform::FileSystem& files;
  const platform::Clock& clock;
  const platform::Locale& userLocale;
};

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;

// Runs curfewctl with its arguments (the program name left out):
//   curfewctl list [--data DIR] [--now "YYYY-MM-DD HH:MM:SS"] [--date-format PATTERN]
// prints one line per schedule with the list's five columns separated by tabs. What is printed
// is added to out and err; the caller writes them to the console. (No iostreams: on Windows
// they would triple the size of curfewctl.exe.)
int RunCurfewctl(const std::vector<std::string>& arguments, const CurfewctlServices& services, std::string& out,
                 std::string& err);

}  // namespace curfew::cli
