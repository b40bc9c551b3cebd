#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "appearance/skin_colours.h"
#include "platform/windowing/look.h"

namespace curfew {

// A skin as its description gives it: the three colours the windows ask for, and how the
// skin draws a window (background, labels, fields, buttons, title bar).
struct SkinDescription {
  std::string name;
  SkinColours colours{};
  ui::Colour windowBack = 0;
  ui::Colour text = 0;  // labels, check boxes, option buttons and frames
  ui::Font labelFont;
  ui::Colour fieldBack = 0;  // tree views and date pickers
  ui::Colour accent = 0;     // the keyboard focus ring
  ui::WindowLook look;
};

// Reads a description: one "key = value" per line, "#" comments and blank lines ignored;
// colours as #RRGGBB, fonts as "name, points[, bold]", button states as
// "fill #RRGGBB, border #RRGGBB, text #RRGGBB". Every key must be given once. nullopt with the
// reason in error when the text is no complete description.
std::optional<SkinDescription> ParseSkinDescription(std::string_view text, std::string& error);

// Dresses the window in the skin: its background, its labels, check boxes, option buttons,
// frames and status bars in the skin's text colour on that background (skinned labels also in the skin's
// typeface), tree views and date pickers in the field colours, and the skin's drawing of
// buttons and title bar. (The colours of buttons, fields and
// pictures are the program's own step, SetSkinColours.) A window without a frame (the splash)
// is a picture of its own design from edge to edge and keeps its colours.
void DressWindow(ui::Form& form, const SkinDescription& skin);

// The same controls back in the system's own colours, and no look: the window as Windows
// draws it (in high contrast, where no skin is applied).
void DressInSystemColours(ui::Form& form);

}  // namespace curfew
