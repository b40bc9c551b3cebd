#pragma once

#include <cstdint>

#include "platform/windowing/controls.h"
#include "platform/windowing/form.h"
#include "ui/app_context.h"

namespace curfew {

class frmMain;

// The start of the program: fixes the product identity, shows the splash for a moment, then
// loads and shows the main window and hides itself (it stays loaded until the main window's
// unload).
class frmSplash final : public ui::Form {
 public:
  // The splash lasts 75 ticks of 2 ms, counted in 2 ms steps: one 150 ms wait.
  static constexpr int kSplashMilliseconds = 150;

  frmSplash(AppContext& context, frmMain& main);

  ui::PictureBox Image1{*this, "Image1"};
  ui::SkinLabel lblProduct{*this, "lblProduct", std::nullopt, &Image1};
  ui::Label lblVersion{*this, "lblVersion", std::nullopt, &Image1};
  ui::Timer Timer2{*this, "Timer2", kSplashMilliseconds, false};

  std::int16_t intTemp = 0;

  // Loads and shows the main window and hides the splash: at the end of the splash, or at
  // once when the splash is not wanted.
  void ShowMainWindow();
  // Loads the splash for a window that is skinned before it (the skin is set by this load),
  // without letting it go on to open the main window. A splash loaded earlier, whose timer may
  // have run already, is not waited for.
  void LoadForSkin();

 protected:
  void Form_Load() override;

 private:
  void Timer2_Timer();

  AppContext& context_;
  AppServices& services_;
  // The window the splash exists to load and show.
  frmMain& main_;
};

}  // namespace curfew
