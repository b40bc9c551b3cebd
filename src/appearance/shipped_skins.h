#pragma once

#include <string_view>

namespace curfew {

// The descriptions of the two skins the program carries (resources/skins).
std::string_view LightSkinText();
std::string_view DarkSkinText();

}  // namespace curfew
