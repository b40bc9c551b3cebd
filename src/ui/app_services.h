#pragma once

#include <functional>

#include "localization/mod_identity.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/locale.h"
#include "platform/power.h"
#include "platform/power_broadcast.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/tray.h"
#include "platform/version_info.h"
#include "platform/windowing/window_runtime.h"

namespace curfew {

// Windows that other parts of the program provide. A command whose window is not there stays
// disabled.
struct OtherWindows {
  std::function<void()> showLanguageDialogModal;
  std::function<void()> showPreferences;
  std::function<void()> showLanguages;
  std::function<void()> showHelp;
  std::function<void()> showAbout;
  std::function<void()> showWebsite;
};

// What the program's windows reach the system through.
struct AppServices {
  ui::WindowRuntime& runtime;
  platform::FileSystem& files;
  const platform::Clock& clock;
  const platform::Locale& locale;
  platform::Registry& registry;
  platform::PowerSystem& power;
  platform::PowerBroadcastFilter& powerFilter;
  platform::TrayIcon& tray;
  platform::ProcessServices& process;
  const platform::VersionInfo& versionInfo;
  OtherWindows windows;
};

}  // namespace curfew
