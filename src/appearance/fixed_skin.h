#pragma once

#include <string>
#include <vector>

#include "appearance/skin.h"

namespace curfew {

// The light skin's colours: fields and buttons in the system's window colours (so they follow
// high contrast too), pictures in the program's blue.
inline constexpr SkinColours kLightSkinColours{ui::kWindowBackground, ui::kWindowText, 0x823F1E};

// A skin of fixed colours that leaves the drawing of each window to the system; it notes the
// windows it was asked to skin.
class FixedSkin final : public Skin {
 public:
  explicit FixedSkin(SkinColours colours) : colours_(colours) {}
  SkinColours Colours() const override { return colours_; }
  void SkinWindow(ui::Form& form) override { skinned.push_back(form.Name()); }

  std::vector<std::string> skinned;

 private:
  SkinColours colours_;
};

}  // namespace curfew
