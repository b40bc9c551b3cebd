#pragma once

#include <string>

namespace curfew::test {

// The folder of the running test program, where the build puts Localization.xml.
std::string TestProgramFolder();

}  // namespace curfew::test
