// curfew.exe: wires the Windows services to the program's windows and runs the event loop.
#include <windows.h>

#include "app/win32_program_services.h"
#include "platform/win32/callback_guard.h"
#include "platform/win32/command_line.h"
#include "platform/win32/ole_session.h"
#include "settings/apply_run_at_start.h"
#include "ui/application.h"

namespace {

// "curfew.exe /StartWithWindows=1" (or =0), as the installer and uninstaller run it: the
// preference's own registration, with no window and no message, then the end.
int ApplyStartWithWindows(int choice, curfew::AppServices& services) {
  const curfew::ProductIdentity identity = curfew::LoadIdentity(services.versionInfo);
  const bool quiet = true;
  curfew::ApplyRunAtStart(choice, {services.registry, services.runtime.Messages(), identity, quiet},
                          services.files.ProgramFolder(), services.process.ExeName());
  return 0;
}

int RunProgram() {
  const curfew::platform::win32::OleSession ole;
  curfew::app::Win32ProgramServices windows;
  if (const auto choice = curfew::StartWithWindowsSwitch(curfew::platform::win32::CommandLineArguments()))
    return ApplyStartWithWindows(*choice, windows.Services());
  curfew::Application application(windows.Services());
  application.Start();
  return windows.Runtime().Run();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  return curfew::platform::win32::Guarded(1, [] { return RunProgram(); });
}
