#include "ui/frm_splash.h"

#include "ui/frm_main.h"

namespace curfew {

frmSplash::frmSplash(AppContext& context, frmMain& main)
    : ui::Form(context.Services().runtime, "frmSplash"), context_(context), services_(context.Services()), main_(main) {
  SetClientSize(7170, 4770);
  SetBorderStyle(ui::BorderStyle::None);
  SetCentred(true);
  SetBackColor(0x823F1E);  // the icon's blue
  Image1.Move({0, 0, 7170, 4770});
  Image1.SetColours(0x823F1E, 0xFFFFFF);
  lblProduct.Move({600, 1700, 6000, 900});
  lblProduct.SetColours(0x823F1E, 0xFFFFFF);
  ui::Font title;
  title.points = 36;
  title.bold = true;
  lblProduct.SetFont(title);
  lblVersion.Move({600, 2700, 6000, 400});
  lblVersion.SetColours(0x823F1E, 0xFFFFFF);
  Timer2.OnTimer = [this] { Timer2_Timer(); };
}

void frmSplash::Form_Load() {
  const ProductIdentity& identity = context_.ReadIdentity();
  const platform::VersionEntries version = services_.versionInfo.Read();
  lblProduct.SetCaption(identity.strProgramName);
  lblVersion.SetCaption(std::to_string(version.majorVersion) + "." + std::to_string(version.minorVersion));
  // The skin: this window's skin becomes the process-wide one and skins the window itself. (A
  // skin library that wants the skin handed over at start-up has nothing to do here: our skin
  // engine is part of the program and already holds it.)
  context_.Skins().SetSkinObject(services_.skin);
  context_.ApplyLook(*this);
  Timer2.SetEnabled(true);
}

void frmSplash::LoadForSkin() {
  const bool loadedBefore = Loaded();
  Load();
  if (!loadedBefore) {
    while (!Timer2.Enabled()) services_.runtime.DoEvents();
  }
  Timer2.SetEnabled(false);
  Hide();
}

void frmSplash::Timer2_Timer() {
  intTemp = static_cast<std::int16_t>(intTemp + kSplashMilliseconds);
  if (intTemp != kSplashMilliseconds) return;
  ShowMainWindow();
}

void frmSplash::ShowMainWindow() {
  Timer2.SetEnabled(false);
  context_.Windows().Keep(OpenWindows::Place::Splash, *this);
  main_.Load();
  if (!main_.Ending() && !main_.StartsHidden()) main_.Show();
  Hide();
}

}  // namespace curfew
