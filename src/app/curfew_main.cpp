// curfew.exe: wires the Windows services to the program's windows and runs the event loop.
#include <windows.h>

#include "platform/win32/callback_guard.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_power_broadcast.h"
#include "platform/win32/win32_power_system.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_tray_icon.h"
#include "platform/win32/win32_version_info.h"
#include "platform/win32/windowing/win32_runtime.h"
#include "ui/application.h"

namespace {

int RunProgram() {
  using namespace curfew::platform::win32;
  const Win32VersionInfo versionInfo;
  const curfew::platform::VersionEntries entries = versionInfo.Read();
  Win32Runtime runtime(entries.productName);
  Win32FileSystem files;
  const Win32Clock clock;
  const Win32Locale locale;
  Win32Registry registry;
  Win32PowerSystem power;
  Win32PowerBroadcastFilter powerFilter;
  Win32TrayIcon tray;
  Win32Process process(entries.productName + "." + entries.companyName + ".Running");
  curfew::AppServices services{runtime,     files, clock,   locale,      registry, power,
                               powerFilter, tray,  process, versionInfo, {}};

  curfew::Application application(services);
  application.Start();
  return runtime.Run();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  return curfew::platform::win32::Guarded(1, [] { return RunProgram(); });
}
