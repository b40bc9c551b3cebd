#pragma once

#include "platform/windowing/control.h"

namespace curfew::ui {

// How a push button is drawn in one of its states.
struct ButtonLook {
  Colour fill = 0;
  Colour border = 0;
  Colour text = 0;
  friend bool operator==(const ButtonLook&, const ButtonLook&) = default;
};

// A window's own drawing of its push buttons, in each state, with the ring that shows the
// keyboard focus; and the colours of its title bar where the system lets a program set them.
struct WindowLook {
  ButtonLook normal;
  ButtonLook hot;
  ButtonLook pressed;
  ButtonLook disabled;
  ButtonLook defaultButton;
  Colour focusRing = 0;  // on every button but the default one, which rings in its text colour
  Font buttonFont;
  Colour captionBack = 0;
  Colour captionText = 0;
  bool dark = false;
  friend bool operator==(const WindowLook&, const WindowLook&) = default;
};

}  // namespace curfew::ui
