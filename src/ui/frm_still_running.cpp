#include "ui/frm_still_running.h"

#include "settings/setting_table.h"
#include "ui/app_context.h"

namespace curfew {

frmStillRunning::frmStillRunning(AppContext& context)
    : ui::Form(context.Services().runtime, "frmStillRunning"), context_(context) {
  SetClientSize(7845, 3285);
  SetBorderStyle(ui::BorderStyle::FixedDialog);
  SetControlBox(false);
  SetCentred(true);
  Label1.SetCaption("Still Running");
  Label1.Move({60, 60, 7755, 315});
  ui::Font heading;
  heading.bold = true;
  heading.points = 12;
  Label1.SetFont(heading);
  Label2.SetCaption("will continue to run in the system tray, so that scheduled backup sets will be executed in time.");
  Label2.Move({60, 420, 7755, 1035});
  lblQuick.SetVisible(false);
  chkNoShow.SetCaption("Don't show this reminder again");
  chkNoShow.Move({60, 1500, 7695, 255});
  chkAlwaysExit.SetCaption("Always exit completely when I close the program, don't run scheduled events.");
  chkAlwaysExit.Move({60, 1800, 7755, 615});
  cmdOK.SetCaption("Ok");
  cmdOK.Move({6360, 2520, 1395, 735});
  ui::Font bold;
  bold.bold = true;
  cmdOK.SetFont(bold);
  // The only button: Enter and Esc both answer it, as in a message box.
  cmdOK.SetDefault(true);
  cmdOK.SetCancel(true);
  cmdOK.OnClick = [this] { cmdOK_Click(); };
  // A quick schedule to come makes room for a line of its own.
  if (PendingQuickSchedule()) {
    constexpr int kLine = 480;
    lblQuick.Move({60, 1500, 7755, 435});
    lblQuick.SetVisible(true);
    for (ui::Control* below : std::initializer_list<ui::Control*>{&chkNoShow, &chkAlwaysExit, &cmdOK}) {
      ui::TwipsRect place = below->Position();
      place.top += kLine;
      below->Move(place);
    }
    SetClientSize(7845, 3285 + kLine);
  }
}

void frmStillRunning::Form_Load() {
  // A value that cannot be read (not a text, say) is not "1": the reminder is shown.
  bool alwaysExit = false;
  try {
    alwaysExit = ReadSetting(context_.Settings(), "chkAlwaysExit", SettingStore::Machine) == "1";
  } catch (const SettingsError&) {
  }
  if (alwaysExit) {
    Hide();
    context_.MainWindow().Unload();
    return;
  }
  context_.ShowInLanguage(*this, *this);
  // The reminder has no plain labels to mirror.
  context_.ApplyLook(*this);
}

const ScheduleEntry* frmStillRunning::PendingQuickSchedule() const {
  const ScheduleEntry* earliest = nullptr;
  for (const ScheduleEntry& entry : context_.Schedules().Entries()) {
    if (entry.source != ScheduleSource::Quick || !entry.next.at) continue;
    if (!earliest || EarlierMinute(*entry.next.at, *earliest->next.at)) earliest = &entry;
  }
  return earliest;
}

void frmStillRunning::ShowCatalogueTexts() {
  SetCaption(context_.Languages().getMessages("MSG_TITLERUNNING"));
  if (const ScheduleEntry* quick = PendingQuickSchedule()) {
    const auto& services = context_.Services();
    const LocalDateTime& at = *quick->next.at;
    std::string when = services.locale.FormatShortTime(at.time);
    if (at.date != services.clock.Now().date) when = services.locale.FormatShortDate(at.date) + " " + when;
    lblQuick.SetCaption(ReplacePlaceholder(
        ReplacePlaceholder(context_.Languages().getMessages("MSG_QUICKPENDING"), "[Action]", quick->action), "[Time]",
        when));
  }
}

void frmStillRunning::cmdOK_Click() {
  const SettingsServices settings = context_.Settings();
  if (chkNoShow.Value() == 1) WriteSetting(settings, "chkNoShow", SettingStore::Machine, "1");
  if (chkAlwaysExit.Value() == 1) {
    WriteSetting(settings, "chkAlwaysExit", SettingStore::Machine, "1");
    context_.MainWindow().Unload();
    return;  // the main window's unload closed this window too
  }
  Unload();
}

}  // namespace curfew
