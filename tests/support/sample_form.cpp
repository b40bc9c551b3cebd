#include "support/sample_form.h"

namespace curfew::test {

frmSample::frmSample(ui::WindowRuntime& runtime) : ui::Form(runtime, "frmSample") {
  SetCaption("Sample");
  Move({0, 0, 9000, 6000});
  cmdGo.SetCaption("Go");
  cmdGo.Move({120, 120, 1215, 495});
  lblHint.SetCaption("Pick an action");
  lblHint.Move({1500, 120, 3000, 255});
  Label1.SetCaption("Temporary Scheduler:");
  Label1.Move({4600, 120, 2295, 255});
  frOptions.SetCaption("Options");
  frOptions.Move({120, 700, 4200, 1800});
  chkPrevent.SetCaption("Prevent any schedules from running");
  chkPrevent.Move({240, 960, 3800, 255});
  optMode0.SetCaption("Daily");
  optMode0.Move({240, 1260, 1250, 255});
  optMode1.SetCaption("Weekly");
  optMode1.Move({1500, 1260, 1300, 255});
  optMode2.SetCaption("Monthly");
  optMode2.Move({2820, 1260, 1300, 255});
  tabPages.AddTab("General");
  tabPages.AddTab("Schedule");
  tabPages.AddTab("Advanced");
  tabPages.Move({4500, 700, 4200, 1800});
  lstSchedules.AddColumnHeader("Schedule Name", 2000);
  lstSchedules.AddColumnHeader("Type", 1200);
  lstSchedules.AddColumnHeader("Next Run Time", 2200);
  lstSchedules.Move({120, 2600, 8600, 1500});
  cbShutdown.AddItem("Shut Down");
  cbShutdown.AddItem("Reboot");
  cbShutdown.Move({120, 4200, 2295, 315});
  txtName.Move({2600, 4200, 2295, 315});
  tvDays.Move({5000, 4200, 2000, 1200});
  dtDate.Move({120, 4700, 1800, 315});
  dtTime.Move({2100, 4700, 1800, 315});
  mnuFile.SetCaption("&File");
  mnuFileItem0.SetCaption("&New Schedule");
  mnuFileItem6.SetCaption("E&xit");
  mnuTray.SetCaption("Tray");
  mnuTray.SetVisible(false);
  mnuTrayItem1.SetCaption("&Restore");
}

}  // namespace curfew::test
