#pragma once

#include <optional>
#include <string>

#include "appearance/skin.h"
#include "localization/cls_languages.h"
#include "localization/mod_identity.h"
#include "localization/translated_window.h"
#include "scheduling/history.h"
#include "scheduling/schedule_record.h"
#include "scheduling/scheduler.h"
#include "scheduling/wake_timer.h"
#include "settings/settings_store.h"
#include "ui/app_services.h"
#include "ui/open_windows.h"

namespace curfew {

// What the program's windows share: the system's services, the product's identity, the message
// catalogue, the skins, the settings, the schedules, what the main window's list has chosen,
// and the windows open besides the main one. Every window is given it; none reaches another
// window for these.
class AppContext {
 public:
  AppContext(AppServices& services, ProductIdentity& identity);
  AppContext(const AppContext&) = delete;
  AppContext& operator=(const AppContext&) = delete;

  AppServices& Services() { return services_; }
  const ProductIdentity& Identity() const { return identity_; }
  // Reads the product's identity from the version information anew, for the whole program.
  const ProductIdentity& ReadIdentity();
  SettingsServices Settings() {
    return {services_.registry, services_.runtime.Messages(), identity_, SuppressPermissionDialog};
  }
  std::string DataFolderPath() const;

  // The message catalogue, made by the main window's load before any other window opens.
  clsLanguages& Languages() { return languages_.value(); }
  // A message of the catalogue; its id while there is no catalogue yet.
  std::string Text(std::string_view id);
  // A machine-wide setting; its default when it cannot be read.
  std::string MachineSetting(std::string_view key);
  clsLanguages& MakeLanguages();
  // The process-wide skin every window's load applies.
  SkinHost& Skins() { return skins_; }

  // The first step of every window's load: its controls in the language shown, then the
  // catalogue texts it shows itself (its title), which have the last word.
  void ShowInLanguage(ui::Form& form, TranslatedWindow& window);
  // The last step of every window's load: the look over everything the load filled in.
  void ApplyLook(ui::Form& form) { skins_.ApplySkinToForm(form); }

  // The scheduling engine, and the schedules it runs and the windows list.
  Scheduler& Engine() { return scheduler_; }
  const ScheduleModel& Schedules() const { return scheduler_.Schedules(); }
  // Every schedule file read anew into the list; quick schedules stay.
  void ReloadSchedules() { scheduler_.Reload(); }
  // The schedules still being read at the start, waited for.
  void FinishScheduleLoad() { scheduler_.FinishLoad(); }
  // What the program did and why.
  History& EventHistory() { return history_; }
  // The system's timer that wakes the computer for the coming run.
  WakeTimer& Wake() { return wakeTimer_; }

  OpenWindows& Windows() { return windows_; }
  // The main window, which ends the program when it is unloaded.
  ui::Form& MainWindow() { return *mainWindow_; }
  void SetMainWindow(ui::Form& main) { mainWindow_ = &main; }

  // While set, a failing settings write shows no dialog (started to the tray, nobody would see it).
  bool SuppressPermissionDialog = false;
  // The editor edits the schedule last clicked in the list (SelectedSchedule) rather than
  // making a new one.
  bool EditMode = false;
  ScheduleRecord SelectedSchedule;
  // Which page the browser window opens with: "Website" for the product's web site.
  std::string BrowserPageKey = "Website";

 private:
  AppServices& services_;
  ProductIdentity& identity_;
  std::optional<clsLanguages> languages_;
  SkinHost skins_;
  History history_;
  Scheduler scheduler_;
  WakeTimer wakeTimer_;
  OpenWindows windows_;
  ui::Form* mainWindow_ = nullptr;
};

}  // namespace curfew
