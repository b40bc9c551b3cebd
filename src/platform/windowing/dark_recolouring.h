#pragma once

#include <cstdint>
#include <span>

#include "platform/windowing/control.h"

namespace curfew::ui {

// Controls that the system draws light whatever colours their window asks for (the fields of
// date and time pickers, their calendars, a list's column header) are shown in a dark skin by
// recolouring what the system drew: each pixel's lightness is turned over, its hue and
// saturation kept, and the grey scale from white to black is then laid onto the control's own
// colours, from its background to its text. White becomes the background, black the text, and
// a coloured highlight stays coloured, lighter, under text that turned dark.
//
// Pixels are 0x00RRGGBB, as a 32-bit device-independent bitmap holds them; the colours are
// the model's 0x00BBGGRR (system colours are not resolved here: callers pass plain ones).
std::uint32_t RecolourPixelOntoDark(std::uint32_t pixel, Colour background, Colour text);
void RecolourOntoDark(std::span<std::uint32_t> pixels, Colour background, Colour text);

}  // namespace curfew::ui
