#include "ui/application.h"

namespace curfew {

void Application::Start() {
  splash.Load();
  bool skipSplash = false;
  try {
    skipSplash = ReadSetting(context.Settings(), "chkSplash", SettingStore::Machine) == "1";
  } catch (const SettingsError&) {
  }
  if (skipSplash)
    splash.ShowMainWindow();
  else
    splash.Show();
}

}  // namespace curfew
