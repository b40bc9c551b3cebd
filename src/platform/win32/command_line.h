#pragma once

#include <string>
#include <vector>

namespace curfew::platform::win32 {

// The arguments the process was started with, as UTF-8, without the program's own name.
std::vector<std::string> CommandLineArguments();

}  // namespace curfew::platform::win32
