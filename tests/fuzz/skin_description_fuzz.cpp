// The skin description reader on any text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "appearance/skin_description.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string error;
  const auto skin = curfew::ParseSkinDescription(std::string_view(reinterpret_cast<const char*>(data), size), error);
  if (!skin && error.empty()) __builtin_trap();  // a refusal always says why
  // A skin that is taken has sizes a window can be drawn in.
  if (skin) {
    for (const double points : {skin->labelFont.points, skin->look.buttonFont.points})
      if (!(points >= 4 && points <= 72)) __builtin_trap();
  }
  return 0;
}
