// curfew.exe: wires the Windows services to the program's windows and runs the event loop.
#include <windows.h>

#include "app/win32_program_services.h"
#include "platform/win32/callback_guard.h"
#include "platform/win32/ole_session.h"
#include "ui/application.h"

namespace {

int RunProgram() {
  const curfew::platform::win32::OleSession ole;
  curfew::app::Win32ProgramServices windows;
  curfew::Application application(windows.Services());
  application.Start();
  return windows.Runtime().Run();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  return curfew::platform::win32::Guarded(1, [] { return RunProgram(); });
}
