#include "settings/frm_options.h"

#include "appearance/mirror_labels.h"
#include "settings/apply_run_at_start.h"
#include "settings/setting_table.h"
#include "settings/warn_before_action.h"
#include "ui/app_context.h"

namespace curfew {
namespace {

// The window's height without the note on wake timers, and the room the note takes.
constexpr int kClientWidth = 10305;
constexpr int kClientHeight = 3510;
constexpr int kFrame1Height = 1815;
constexpr int kWakeNoteHeight = 435;

}  // namespace

frmOptions::frmOptions(AppContext& context) : ui::Form(context.Services().runtime, "frmOptions"), context_(context) {
  SetClientSize(kClientWidth, kClientHeight);
  SetClosesOnEscape(true);
  SetMinMaxButtons(false);
  ui::Font frameFont;
  frameFont.bold = true;

  Frame2.SetCaption("Startup Options");
  Frame2.Move({60, 60, 10095, 1455});
  Frame2.SetFont(frameFont);
  chkRunAtStart.SetCaption("Run at Windows Startup (recommended)");
  chkRunAtStart.Move({180, 360, 9735, 195});
  chkMin.SetCaption("Open minimized to the system Tray");
  chkMin.Move({180, 660, 9735, 195});
  chkSplash.SetCaption("Don't show the splash screen");
  chkSplash.Move({180, 960, 9855, 195});
  // The templates of the skinned copies of the frames' labels.
  SkinLabel5.Move({0, 0, 135, 135});
  SkinLabel5.SetVisible(false);

  Frame1.SetCaption("Miscellaneous Options");
  Frame1.Move({60, 1620, 10095, kFrame1Height});
  Frame1.SetFont(frameFont);
  chkNoShow.SetCaption("Don't show a reminder when I close the program.");
  chkNoShow.Move({120, 300, 9795, 255});
  chkAlwaysExit.SetCaption(
      "Always exit completely when I close the program, don't run scheduled events after closing.");
  chkAlwaysExit.Move({120, 600, 9795, 315});
  lblWarn.SetCaption("Warn before an action:");
  lblWarn.Move({120, 1005, 4215, 255});
  cboWarn.Move({4440, 960, 2775, 315});
  chkWake.SetCaption("Wake the computer to run schedules");
  chkWake.Move({120, 1380, 9795, 255});
  // Shown only while the power scheme keeps timers from waking the computer.
  lblWakeTimersOff.Move({390, 1665, 9525, kWakeNoteHeight});
  lblWakeTimersOff.SetVisible(false);
  SkinLabel6.Move({0, 0, 135, 135});
  SkinLabel6.SetVisible(false);

  StoreOnClick(chkMin, "chkMin");
  StoreOnClick(chkSplash, "chkSplash");
  StoreOnClick(chkNoShow, "chkNoShow");
  StoreOnClick(chkAlwaysExit, "chkAlwaysExit");
  // Checked unless switched off: opening the window on a machine that never chose stores nothing.
  chkWake.OnClick = [this] {
    if (!fillingWake_)
      WriteSetting(context_.Settings(), "chkWake", SettingStore::Machine, std::to_string(chkWake.Value()));
  };
  cboWarn.OnClick = [this] {
    if (!fillingWarn_ && cboWarn.ListIndex() >= 0)
      StoreWarnChoice(context_.Settings(), static_cast<std::size_t>(cboWarn.ListIndex()));
  };
  chkRunAtStart.OnClick = [this] {
    ApplyRunAtStart(chkRunAtStart.Value(), context_.Settings(), context_.Services().files.ProgramFolder(),
                    context_.Services().process.ExeName());
  };
}

void frmOptions::StoreOnClick(ui::CheckBox& box, const char* key) {
  box.OnClick = [this, &box, key] {
    WriteSetting(context_.Settings(), key, SettingStore::Machine, std::to_string(box.Value()));
  };
}

void frmOptions::Fill(ui::CheckBox& box, const char* key, std::vector<std::string>& unreadable) {
  std::string stored;
  try {
    stored = ReadSetting(context_.Settings(), key, SettingStore::Machine);
  } catch (const SettingsError&) {
    stored.clear();
  }
  if (stored != "0" && stored != "1") {
    unreadable.push_back(box.Caption());
    return;
  }
  // Setting the box raises its click when the value changes; the click stores the same value
  // again, and for the start-up box registers the program's current path.
  box.SetValue(stored == "1" ? 1 : 0);
}

void frmOptions::FillWarnChoices() {
  fillingWarn_ = true;
  const int shown = cboWarn.ListIndex();
  cboWarn.Clear();
  for (const WarnChoice& choice : kWarnChoices) cboWarn.AddItem(context_.Languages().getMessages(choice.message));
  // A language change keeps the choice on screen; the first filling shows the stored one.
  cboWarn.SetListIndex(shown >= 0 ? shown : static_cast<int>(StoredWarnChoice(context_.Settings())));
  fillingWarn_ = false;
}

void frmOptions::ShowCatalogueTexts() {
  SetCaption(context_.Languages().getMessages("MSG_TITLEOPTIONS"));
  FillWarnChoices();
  lblWakeTimersOff.SetCaption(context_.Languages().getMessages("MSG_WAKETIMERSOFF"));
  // The preferences have no plain labels in their visible frames; the arrays take any there.
  SkinLabelArray* arrays[] = {&skinLabels5_, &skinLabels6_};
  MirrorLabels(*this, arrays, MirrorRule::SameContainer);
  context_.ApplyLook(*this);
}

void frmOptions::Form_Load() {
  clsLanguages& languages = context_.Languages();
  context_.ShowInLanguage(*this, *this);
  std::vector<std::string> unreadable;
  Fill(chkNoShow, "chkNoShow", unreadable);
  Fill(chkAlwaysExit, "chkAlwaysExit", unreadable);
  Fill(chkMin, "chkMin", unreadable);
  Fill(chkSplash, "chkSplash", unreadable);
  Fill(chkRunAtStart, "chkRunAtStart", unreadable);
  fillingWake_ = true;
  Fill(chkWake, "chkWake", unreadable);
  fillingWake_ = false;
  // The power scheme of the power source in use now; where the system does not say, nothing.
  // The note and the room for it come only when it has something to say.
  const bool wakeTimersOff = context_.Services().power.WakeTimersAllowed() == false;
  lblWakeTimersOff.SetVisible(wakeTimersOff);
  if (wakeTimersOff) {
    Frame1.Move({60, 1620, 10095, kFrame1Height + kWakeNoteHeight});
    SetClientSize(kClientWidth, kClientHeight + kWakeNoteHeight);
  }
  if (unreadable.empty()) return;
  std::string message = languages.getMessages("MSG_BADSETTING");
  for (const std::string& caption : unreadable) message += "\r\n" + caption;
  Runtime().Messages().Show(message, platform::MessageButtons::Ok, platform::MessageIcon::Exclamation,
                            languages.getMessages("MSG_TITLEOPTIONS"));
}

}  // namespace curfew
