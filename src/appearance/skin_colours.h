#pragma once

#include "platform/windowing/form.h"

namespace curfew {

// The three colours a skin gives the ordinary controls of a window.
struct SkinColours {
  ui::Colour buttonAndField;  // push buttons, and text, list and combo fields
  ui::Colour fieldText;       // the text of those fields
  ui::Colour pictureBack;     // picture boxes

  friend bool operator==(const SkinColours&, const SkinColours&) = default;
};

// Colours every control of the window, at any depth and whether shown or not, by its type
// name: push buttons take the background, the field types background and text, picture boxes
// the picture colour; every other control keeps its colours.
void SetSkinColours(ui::Form& form, const SkinColours& colours);

}  // namespace curfew
