#pragma once

#include <windows.h>

#include "platform/windowing/control.h"

namespace curfew::platform::win32 {

// The edge around a field (a text box, a list, a picker) in a window with a look of its own:
// a thin line in the look's button border colour, the accent colour while the field has the
// keyboard focus, on the field's own background, in place of the system's sunken edge or
// theme border. Without a look the system draws the edge. The control must outlive the window.
void DrawEdgeInLook(HWND field, const ui::Control& control);

}  // namespace curfew::platform::win32
