#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include "app/win32_program_services.h"
#include "ui/application.h"
#include "ui/frm_main.h"
#include "ui/frm_warning.h"
#include "win32/support/real_input.h"

namespace curfew::test {

// The program started as the user starts it, on the real window back end, with its main
// window shown and in front, and ended again (its windows unloaded) when the test is over.
struct RunningProgram {
  RunningProgram() {
    DropQuitRequest();  // one an earlier program left would end this one's loops at once
    application.Start();
    application.splash.ShowMainWindow();
    application.context.FinishScheduleLoad();  // read on a thread: the tests go on from the listed rows
    input.Activate(main);
  }
  ~RunningProgram() {
    main.ExitRequested = true;
    if (main.Loaded()) main.Unload();
    DropQuitRequest();
  }
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  // The bytes of a schedule's file; empty when there is none.
  std::string ScheduleFile(const std::string& name) const {
    std::ifstream file(main.DataFolderPath() + "\\" + name + ".sch", std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
  }

  app::Win32ProgramServices windows{"Curfew.RealInputTest.Running"};
  Application application{windows.Services()};
  frmMain& main = application.main;
  RealInput input{windows.Runtime()};
};

// The warning before an action once it is on the screen; null when none came within three
// seconds.
inline frmWarning* WaitForWarning(RunningProgram& program) {
  for (int step = 0; step < 150; ++step) {
    if (frmWarning* warning = program.main.Warning();
        warning && warning->Loaded() && IsWindowVisible(WindowOf(*warning)))
      return warning;
    program.input.Settle();
    Sleep(20);
  }
  return nullptr;
}

}  // namespace curfew::test
