#include "platform/windowing/dark_recolouring.h"

#include <algorithm>

namespace curfew::ui {
namespace {

constexpr int Channel(std::uint32_t value, int shift) { return static_cast<int>((value >> shift) & 0xFF); }

// One channel of the lightness-turned pixel (0 = was white, 255 = was black) laid between the
// background's and the text's channel.
constexpr int Between(int turned, int background, int text) { return background + (text - background) * turned / 255; }

}  // namespace

std::uint32_t RecolourPixelOntoDark(std::uint32_t pixel, Colour background, Colour text) {
  const int red = Channel(pixel, 16);
  const int green = Channel(pixel, 8);
  const int blue = Channel(pixel, 0);
  // Shifting every channel by the same amount keeps hue and saturation; this shift mirrors the
  // lightness (the mean of the highest and lowest channel) about the middle.
  const int shift = 255 - std::max({red, green, blue}) - std::min({red, green, blue});
  const int outRed = Between(red + shift, Channel(background, 0), Channel(text, 0));
  const int outGreen = Between(green + shift, Channel(background, 8), Channel(text, 8));
  const int outBlue = Between(blue + shift, Channel(background, 16), Channel(text, 16));
  return static_cast<std::uint32_t>(outRed << 16 | outGreen << 8 | outBlue);
}

void RecolourOntoDark(std::span<std::uint32_t> pixels, Colour background, Colour text) {
  // A field is mostly a few colours (background, text, a highlight): each is worked out once.
  std::uint32_t lastIn = 0xFFFFFFFF;
  std::uint32_t lastOut = 0;
  for (std::uint32_t& pixel : pixels) {
    const std::uint32_t in = pixel & 0xFFFFFF;
    if (in != lastIn) {
      lastIn = in;
      lastOut = RecolourPixelOntoDark(in, background, text);
    }
    pixel = lastOut;
  }
}

}  // namespace curfew::ui
