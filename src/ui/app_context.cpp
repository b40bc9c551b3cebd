#include "ui/app_context.h"

#include "scheduling/schedule_paths.h"

namespace curfew {

AppContext::AppContext(AppServices& services, ProductIdentity& identity)
    : services_(services),
      identity_(identity),
      storedRuns_(services.files, DataFolder(services.files.ProgramFolder()), services.locale),
      schedules_(storedRuns_, services.locale) {}

const ProductIdentity& AppContext::ReadIdentity() {
  identity_ = LoadIdentity(services_.versionInfo);
  return identity_;
}

std::string AppContext::DataFolderPath() const { return DataFolder(services_.files.ProgramFolder()); }

clsLanguages& AppContext::MakeLanguages() {
  return languages_.emplace(LanguageServices{services_.files, services_.locale, identity_, services_.runtime});
}

void AppContext::ShowInLanguage(ui::Form& form, TranslatedWindow& window) {
  clsLanguages& languages = Languages();
  languages.ChangeLanguage(form, languages.strCurrentLanguage());
  window.ShowCatalogueTexts();
}

void AppContext::ReloadSchedules() {
  scheduleLoad_.reset();  // a list read now replaces one still being read
  schedules_.Replace(LoadScheduleEntries(services_.files, DataFolderPath(), services_.clock.Now(), services_.locale));
}

void AppContext::StartScheduleLoad() {
  scheduleLoad_.emplace(services_.files, DataFolderPath(), services_.clock.Now(), services_.locale);
}

bool AppContext::TakeReadSchedules() {
  if (!scheduleLoad_) return true;
  if (!scheduleLoad_->Finished()) return false;
  FinishScheduleLoad();
  return true;
}

void AppContext::FinishScheduleLoad() {
  if (!scheduleLoad_) return;
  std::optional<ScheduleLoad> load;
  load.swap(scheduleLoad_);
  std::vector<ScheduleEntry> entries;
  try {
    entries = load->Take();
  } catch (const std::exception&) {
    // Read again here, where a failure shows as any reading of the list does.
    ReloadSchedules();
    return;
  }
  schedules_.Replace(std::move(entries));
}

}  // namespace curfew
