#pragma once

#include <string>

namespace curfew::test {

// The description of a shipped skin ("light" or "dark"): the file resources/skins/<name>.skin
// that the resource compiler packs into the program, copied beside the test program by the
// build.
std::string ShippedSkinText(const std::string& name);

}  // namespace curfew::test
