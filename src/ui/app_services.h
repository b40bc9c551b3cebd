#pragma once

#include <functional>
#include <string_view>

#include "appearance/skin.h"
#include "localization/mod_identity.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/internet.h"
#include "platform/locale.h"
#include "platform/power.h"
#include "platform/power_broadcast.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/tray.h"
#include "platform/version_info.h"
#include "platform/windowing/window_runtime.h"

namespace curfew {

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
  platform::Internet& internet;
  // The application's skin, as the skin engine provides it.
  Skin& skin;
  // The language server's base address: scheme and host, no trailing slash.
  std::string_view languageServer;
};

}  // namespace curfew
