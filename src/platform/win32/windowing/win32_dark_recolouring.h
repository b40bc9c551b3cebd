#pragma once

#include <windows.h>

#include "platform/windowing/control.h"

namespace curfew::platform::win32 {

// Shows a window that the system draws light (a picker's field, its spin buttons and calendar,
// a list's column header) in the colours of its control while the control's window has a dark
// look: what the system paints is recoloured onto the control's background and text colours
// (platform/windowing/dark_recolouring.h). In a light look, or none, the system's drawing
// passes unchanged. The control must outlive the window.
void RecolourWhenDark(HWND window, const ui::Control& control);

// A list's or tree's scroll bars, which the system draws light in the window's frame, in the
// control's colours while its window has a dark look: recoloured after each message that may
// have drawn them.
void RecolourScrollBarsWhenDark(HWND window, const ui::Control& control);

// What such a control is answered when it asks its window for colours: the system's light
// ones, so that the recolouring always starts from a light drawing.
HBRUSH LightSystemColours(HDC dc);

}  // namespace curfew::platform::win32
