#pragma once

#include <functional>
#include <stdexcept>
#include <vector>

#include "appearance/skin_colours.h"
#include "platform/windowing/form.h"

namespace curfew {

// A failure to skin a window.
class SkinError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The application's skin as the windows use it: the three colours of the ordinary controls,
// and a window drawn in the skin from then on.
class Skin {
 public:
  virtual ~Skin() = default;
  virtual SkinColours Colours() const = 0;
  virtual void SkinWindow(ui::Form& form) = 0;
  // The user switched between light and dark mode or high contrast: the skin reads the
  // setting again.
  virtual void SchemeChanged() {}
};

// The process-wide skin: set once by the splash window's load, and what every window's load
// asks to skin it.
class SkinHost {
 public:
  // The splash window's part of the fallback below: loads it (which sets the skin) and stops
  // it from going on to open the main window.
  void SetSplashFallback(std::function<void()> loadSplashForSkin) { loadSplash_ = std::move(loadSplashForSkin); }
  void SetSkinObject(Skin& skin) { skinObject_ = &skin; }
  Skin* SkinObject() const { return skinObject_; }

  // Colours the window's controls from the skin and skins the window. A window skinned before
  // the splash window has set the skin loads the splash window first and tries once more; a
  // second failure goes to the caller.
  void ApplySkinToForm(ui::Form& form);
  // Light or dark mode or high contrast changed: every window in the list is skinned anew.
  void FollowSchemeChange(const std::vector<ui::Form*>& forms);

 private:
  void Apply(ui::Form& form);

  Skin* skinObject_ = nullptr;
  std::function<void()> loadSplash_;
};

}  // namespace curfew
