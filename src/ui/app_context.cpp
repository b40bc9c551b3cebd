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
  schedules_.Replace(LoadScheduleEntries(services_.files, DataFolderPath(), services_.clock.Now(), services_.locale));
}

}  // namespace curfew
