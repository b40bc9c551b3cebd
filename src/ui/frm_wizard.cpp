#include "ui/frm_wizard.h"

#include <array>
#include <cstdio>

#include "appearance/button_pictures.h"
#include "platform/date_arithmetic.h"
#include "power/mod_power.h"
#include "scheduling/period.h"
#include "scheduling/run_preview.h"
#include "scheduling/schedule_writer.h"
#include "scheduling/value_reading.h"
#include "ui/action_choices.h"
#include "ui/app_context.h"

namespace curfew {
namespace {

constexpr std::array<const char*, 7> kWeekMessages = {"MSG_MONDAY", "MSG_TUESDAY",  "MSG_WEDNESDAY", "MSG_THURSDAY",
                                                      "MSG_FRIDAY", "MSG_SATURDAY", "MSG_SUNDAY"};

LocalDateTime AtHour(const LocalDateTime& day, int hour) { return {day.date, {hour, 0, 0}}; }

}  // namespace

frmWizard::frmWizard(AppContext& context) : ui::Form(context.Services().runtime, "frmWizard"), context_(context) {
  Design();
}

void frmWizard::Design() {
  SetClientSize(6390, 6180);
  SetCentred(true);
  Label1.SetCaption("Schedule Name:");
  // Room for the longest translation of the labels ("Nombre de la programación:").
  Label1.Move({60, 120, 2655, 195});
  txtName.Move({2760, 60, 3555, 285});
  Label2.SetCaption("ScheduleType:");
  Label2.Move({60, 420, 2655, 195});
  cbShutdown.Move({2760, 420, 3555, 315});
  Frame6.SetCaption("Schedule");
  Frame6.Move({120, 840, 6195, 4455});
  chkScheduler.SetCaption("Enable Scheduler");
  chkScheduler.Move({240, 300, 5715, 255});
  SkinLabel12.SetCaption("Start:");
  SkinLabel12.Move({240, 660, 800, 255});  // "Début :" at 120 DPI
  dtDate.Move({1080, 600, 2775, 300});
  // Room for a time such as "12:00:00 PM" beside the spin buttons.
  dtTime.Move({3960, 600, 1935, 300});
  // Until the scheduler is enabled a start means nothing: the pickers wait for it.
  dtDate.SetEnabled(false);
  dtTime.SetEnabled(false);
  frRepeat.Move({240, 960, 5775, 2895});
  chkRepeat.SetCaption("Run Schedule");
  chkRepeat.Move({240, 300, 5235, 195});
  chkRepeat.SetEnabled(false);
  const std::pair<ui::OptionButton*, const char*> options[] = {
      {&optRepeat0, "Daily"}, {&optRepeat1, "Weekly"}, {&optRepeat2, "Monthly"}};
  int top = 600;
  for (const auto& [option, caption] : options) {
    option->SetCaption(caption);
    option->Move({480, top, 2340, 195});  // up to the day lists, for "Toutes les semaines"
    option->SetEnabled(false);
    top += 300;
  }
  optRepeat0.SetValue(1);
  for (ui::TreeView* tree : {&tvScheduleWeek, &tvScheduleMonth}) {
    tree->Move({2880, 540, 2655, 2055});
    tree->SetVisible(false);
  }
  // Two lines: a German or French list of three runs may need the second.
  lblRuns.Move({240, 3900, 5775, 435});
  ui::Font bold;
  bold.bold = true;
  cmdCancel.SetCaption("Cancel");
  cmdCancel.Move({3420, 5400, 1395, 735});
  cmdCancel.SetFont(bold);
  cmdCancel.SetCancel(true);
  cmdCancel.SetPicture(CURFEW_PICTURE_CANCEL);
  cmdOK.SetCaption("Ok");
  cmdOK.Move({4920, 5400, 1395, 735});
  cmdOK.SetFont(bold);
  cmdOK.SetDefault(true);
  cmdOK.SetPicture(CURFEW_PICTURE_OK);

  chkScheduler.OnClick = [this] { chkScheduler_Click(); };
  chkRepeat.OnClick = [this] { chkRepeat_Click(); };
  optRepeat0.OnClick = [this] { optRepeat_Click(0); };
  optRepeat1.OnClick = [this] { optRepeat_Click(1); };
  optRepeat2.OnClick = [this] { optRepeat_Click(2); };
  tvScheduleMonth.OnNodeClick = [this](int node) {
    tvScheduleMonth.SetNodeChecked(node, !tvScheduleMonth.GetNode(node).checked);
    ShowComingRuns();
  };
  // The next runs follow every change of the start and the repetition.
  dtDate.OnChange = [this] { ShowComingRuns(); };
  dtTime.OnChange = [this] { ShowComingRuns(); };
  tvScheduleWeek.OnNodeCheck = [this](int) { ShowComingRuns(); };
  tvScheduleMonth.OnNodeCheck = [this](int) { ShowComingRuns(); };
  cmdCancel.OnClick = [this] { Unload(); };
  cmdOK.OnClick = [this] { cmdOK_Click(); };
}

void frmWizard::ShowCatalogueTexts() {
  const clsLanguages& languages = context_.Languages();
  SetCaption(languages.getMessages("MSG_TITLEWIZARD"));
  for (int day = 1; day <= tvScheduleWeek.NodeCount(); ++day)
    tvScheduleWeek.SetNodeText(day, languages.getMessages(kWeekMessages[static_cast<std::size_t>(day - 1)]));
  ShowComingRuns();
}

void frmWizard::ShowComingRuns() {
  if (!Loaded()) return;
  const clsLanguages& languages = context_.Languages();
  lblRuns.SetCaption(RunsPreview(ComposeRecord(), context_.Services().clock.Now(), context_.Services().locale,
                                 [&languages](std::string_view id) { return languages.getMessages(id); }));
}

void frmWizard::Form_Load() {
  clsLanguages& languages = context_.Languages();
  // The controls' texts in the language chosen, before anything is filled in; the title.
  context_.ShowInLanguage(*this, *this);
  // Hibernate is offered only where the computer can hibernate.
  FillActionChoices(cbShutdown, HibernationAvailable(context_.Services().power));
  // A new schedule starts at the next full hour today (after 23:00, hour 0, still today).
  const LocalDateTime now = context_.Services().clock.Now();
  dtDate.SetDateTime(now);
  dtTime.SetDateTime(AtHour(now, (now.time.hour + 1) % 24));
  // The days to choose from: the weekdays by their translated names, the days of a month.
  for (std::size_t day = 0; day < kWeekdayCodes.size(); ++day)
    tvScheduleWeek.AddNode(std::string(kWeekdayCodes[day]), languages.getMessages(kWeekMessages[day]));
  for (int day = 1; day <= 31; ++day) tvScheduleMonth.AddNode("", std::to_string(day));
  // Editing shows the stored values over the defaults above.
  if (context_.EditMode) ShowSelectedSchedule();
  ShowComingRuns();
  // The look last, over every control the steps above filled.
  context_.ApplyLook(*this);
}

// Values the pickers or trees cannot take (a hand-edited file, another regional setting) leave
// today, the next full hour or an unchecked node in their place.
void frmWizard::ShowSelectedSchedule() {
  const ScheduleRecord& selected = context_.SelectedSchedule;
  const auto& services = context_.Services();
  txtName.SetEnabled(false);
  txtName.SetText(selected.name);
  cbShutdown.SetText(selected.ItemType);
  const LocalDateTime now = services.clock.Now();
  if (!selected.Enabled) {
    chkScheduler.SetValue(0);
    // A schedule switched off that kept its start shows it, and its repetition, greyed: "Ok"
    // keeps them. One without a start proposes the current hour.
    keepsStart_ = !selected.StartDate.empty() && !selected.StartTime.empty() && ShowStoredStart(selected);
    if (!keepsStart_) {
      dtDate.SetDateTime(now);
      dtTime.SetDateTime(AtHour(now, now.time.hour));
      return;
    }
    ShowStoredRepeat(selected);
    chkScheduler_Click();  // the rules for a scheduler that is off, over what the repeat set
    return;
  }
  if (selected.StartTime.empty()) {
    dtDate.SetDateTime(now);
    dtTime.SetDateTime(now);
  } else {
    ShowStoredStart(selected);
  }
  ShowStoredRepeat(selected);
  chkScheduler.SetValue(1);
}

bool frmWizard::ShowStoredStart(const ScheduleRecord& selected) {
  const auto& services = context_.Services();
  const auto date = services.locale.ReadDate(selected.StartDate);
  const auto time = services.locale.ReadTimeOfDay(selected.StartTime);
  if (date) dtDate.SetDateTime({*date, {}});
  if (time) dtTime.SetDateTime({services.clock.Now().date, *time});
  return date && time;
}

void frmWizard::ShowStoredRepeat(const ScheduleRecord& selected) {
  if (!selected.Repeat) {
    chkRepeat.SetValue(0);
    return;
  }
  const int mode = selected.SAccurancy >= 0 && selected.SAccurancy <= 2 ? selected.SAccurancy : 0;
  const std::array<ui::OptionButton*, 3> modes = {&optRepeat0, &optRepeat1, &optRepeat2};
  modes[static_cast<std::size_t>(mode)]->SetValue(1);
  for (const std::string& piece : SplitPeriod(selected.Period)) {
    if (mode == 1) {
      for (std::size_t day = 0; day < kWeekdayCodes.size(); ++day)
        if (piece == kWeekdayCodes[day]) tvScheduleWeek.SetNodeChecked(static_cast<int>(day + 1), true);
    } else if (mode == 2) {
      const auto day = ReadInteger16(piece);
      if (day && *day >= 1 && *day <= 31) tvScheduleMonth.SetNodeChecked(*day, true);
    }
  }
  chkRepeat.SetValue(1);
}

// Enabling rules --------------------------------------------------------------------------------

void frmWizard::chkScheduler_Click() {
  const bool on = chkScheduler.Value() == 1;
  dtDate.SetEnabled(on);
  dtTime.SetEnabled(on);
  chkRepeat.SetEnabled(on);
  if (on) {
    chkRepeat_Click();
    return;
  }
  for (ui::OptionButton* option : {&optRepeat0, &optRepeat1, &optRepeat2}) option->SetEnabled(false);
  tvScheduleWeek.SetVisible(false);
  tvScheduleMonth.SetVisible(false);
  ShowComingRuns();
}

void frmWizard::chkRepeat_Click() {
  const bool on = chkRepeat.Value() == 1;
  for (ui::OptionButton* option : {&optRepeat0, &optRepeat1, &optRepeat2}) option->SetEnabled(on);
  if (!on) {
    tvScheduleWeek.SetVisible(false);
    tvScheduleMonth.SetVisible(false);
    ShowComingRuns();
    return;
  }
  if (optRepeat1.Value() == 1) tvScheduleWeek.SetVisible(true);
  if (optRepeat2.Value() == 1) tvScheduleMonth.SetVisible(true);
  ShowComingRuns();
}

void frmWizard::optRepeat_Click(int index) {
  tvScheduleWeek.SetVisible(index == 1);
  tvScheduleMonth.SetVisible(index == 2);
  ShowComingRuns();
}

// Saving ----------------------------------------------------------------------------------------

int frmWizard::SelectedRepeatMode() const {
  if (optRepeat1.Value() == 1) return 1;
  if (optRepeat2.Value() == 1) return 2;
  return 0;
}

ScheduleRecord frmWizard::ComposeRecord() const {
  ScheduleRecord record;
  record.name = txtName.Text();
  record.ItemType = cbShutdown.Text();
  record.Enabled = chkScheduler.Value() == 1;
  if (!record.Enabled && !keepsStart_) return record;
  record.StartDate = context_.Services().locale.FormatShortDate(dtDate.GetDateTime().date);
  const TimeOfDay& time = dtTime.GetDateTime().time;
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", time.hour, time.minute, time.second);
  record.StartTime = text;
  record.Repeat = chkRepeat.Value() == 1;
  if (!record.Repeat) return record;
  record.SAccurancy = static_cast<std::int16_t>(SelectedRepeatMode());
  const ui::TreeView* tree = record.SAccurancy == 1   ? &tvScheduleWeek
                             : record.SAccurancy == 2 ? &tvScheduleMonth
                                                      : nullptr;
  if (!tree) return record;
  for (const ui::TreeView::Node& node : tree->Nodes()) {
    if (!node.checked) continue;
    if (!record.Period.empty()) record.Period += ",";
    record.Period += record.SAccurancy == 1 ? node.key : node.text;
  }
  return record;
}

void frmWizard::cmdOK_Click() {
  clsLanguages& languages = context_.Languages();
  platform::MessageBoxes& messages = Runtime().Messages();
  const auto refuse = [&](const char* message) {
    messages.Show(languages.getMessages(message), platform::MessageButtons::Ok, platform::MessageIcon::None, "");
  };
  // A new schedule may not take the name of a row, in any letter case.
  if (!context_.EditMode) {
    context_.FinishScheduleLoad();  // the names are those of every file, also just after the start
    const std::string name = context_.Services().locale.ToUpper(txtName.Text());
    const ScheduleModel& schedules = context_.Schedules();
    for (std::size_t index = 0; index < schedules.Count(); ++index) {
      if (context_.Services().locale.ToUpper(schedules.At(index).name) == name) return refuse("MSG_NEWNAME");
    }
  }
  // A name is the file's name: it must be there and fit the file system.
  if (txtName.Text().empty()) return refuse("MSG_NONAME");
  if (!ScheduleNameFits(txtName.Text())) return refuse("MSG_LONGNAME");
  const ScheduleRecord record = ComposeRecord();
  // A repeat on chosen days with no day chosen would never run.
  if (record.Repeat && record.SAccurancy != 0 && record.Period.empty()) return refuse("MSG_NODAYS");
  // A write error is shown by the writer; the editor stays open with what the user entered.
  if (!SaveScheduleFile(record, {context_.Services().files, messages, context_.DataFolderPath()})) return;
  // The list shows the stored schedule at once.
  context_.ReloadSchedules();
  Unload();
}

}  // namespace curfew
