#include "ui/app_context.h"

#include "scheduling/schedule_paths.h"
#include "settings/setting_table.h"
#include "settings/warn_before_action.h"

namespace curfew {
namespace {

// The user's own history: %LOCALAPPDATA%\<CompanyName>\<ProgramName>\History.csv, or in the data
// folder where the system names no such folder.
std::string HistoryFilePath(const platform::FileSystem& files, const ProductIdentity& identity) {
  const std::string local = files.LocalAppDataFolder();
  if (local.empty()) return DataFolder(files.ProgramFolder()) + "\\History.csv";
  return local + "\\" + identity.strCompanyName + "\\" + identity.strProgramName + "\\History.csv";
}

}  // namespace

AppContext::AppContext(AppServices& services, ProductIdentity& identity)
    : services_(services),
      identity_(identity),
      history_(services.files, services.clock),
      scheduler_(
          {services.clock, services.locale, services.files, services.runtime, services.power, services.powerFilter},
          DataFolder(services.files.ProgramFolder()), history_),
      wakeTimer_(services.power, services.clock, [this] { return Text("MSG_WAKEREASON"); }) {
  scheduler_.hooks.warnLeadSeconds = [this] { return kWarnChoices.at(StoredWarnChoice(Settings())).seconds; };
  scheduler_.hooks.wakesForRuns = [this] { return MachineSetting("chkWake") != "0"; };
  scheduler_.hooks.text = [this](std::string_view id) { return Text(id); };
  scheduler_.hooks.letEventsRun = [this] { return services_.runtime.DoEventsInLoop(); };
  scheduler_.AddListener(wakeTimer_);
}

std::string AppContext::Text(std::string_view id) { return languages_ ? languages_->getMessages(id) : std::string(id); }

std::string AppContext::MachineSetting(std::string_view key) {
  try {
    return ReadSetting(Settings(), key, SettingStore::Machine);
  } catch (const SettingsError&) {
    return std::string(SettingOf(key, SettingStore::Machine).defaultValue);
  }
}

const ProductIdentity& AppContext::ReadIdentity() {
  identity_ = LoadIdentity(services_.versionInfo);
  history_.SetPath(HistoryFilePath(services_.files, identity_));
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

}  // namespace curfew
