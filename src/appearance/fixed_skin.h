#pragma once

#include <string>
#include <vector>

#include "appearance/skin.h"

namespace curfew {

// A skin of fixed colours that leaves the drawing of each window to the system and notes the
// windows it was asked to skin: the skin of the headless back end's tests.
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
