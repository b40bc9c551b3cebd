#pragma once

#include "appearance/skin.h"
#include "appearance/skin_description.h"

namespace curfew {

// The skin engine on Windows: the light skin, or the dark one while Windows tells apps to use
// dark mode, or no skin at all in high contrast (the windows keep the system's colours).
class Win32SkinEngine final : public Skin {
 public:
  enum class Scheme { Light, Dark, HighContrast };

  // readScheme tells what Windows is set to (ReadScheme unless a test says otherwise).
  explicit Win32SkinEngine(Scheme (*readScheme)() = ReadScheme);
  SkinColours Colours() const override;
  void SkinWindow(ui::Form& form) override;
  void SchemeChanged() override { scheme_ = readScheme_(); }
  Scheme CurrentScheme() const { return scheme_; }

  // What Windows is set to now.
  static Scheme ReadScheme();

 private:
  Scheme (*readScheme_)();
  SkinDescription light_;
  SkinDescription dark_;
  Scheme scheme_;
};

}  // namespace curfew
