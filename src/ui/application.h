#pragma once

#include "settings/setting_table.h"
#include "ui/app_services.h"
#include "ui/frm_main.h"
#include "ui/frm_splash.h"

namespace curfew {

// The program's windows, wired together. Starting shows the splash (unless the preference
// "Don't show the splash screen" is set, when it works unseen).
class Application {
 public:
  explicit Application(AppServices& services) : services_(services) {
    context.Skins().SetSplashFallback([this] { splash.LoadForSkin(); });
  }
  void Start();

 private:
  AppServices& services_;  // first: the windows below are built with it

 public:
  ProductIdentity identity;
  AppContext context{services_, identity};
  frmMain main{context};
  frmSplash splash{context, main};
};

}  // namespace curfew
