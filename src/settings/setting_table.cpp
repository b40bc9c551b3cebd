#include "settings/setting_table.h"

#include <algorithm>
#include <stdexcept>

namespace curfew {
namespace {

std::string_view TableKey(std::string_view key) {
  constexpr std::string_view kColumns = "BackupSetColumn";
  return key.starts_with(kColumns) ? kColumns : key;
}

std::string WrittenName(const SettingDefinition& setting, std::string_view key) {
  // A numbered key keeps its number.
  return std::string(setting.writtenKey) + std::string(key.substr(setting.key.size()));
}

std::string ApplicationName(const SettingDefinition& setting, const ProductIdentity& identity) {
  return identity.strProgramName + (setting.startupApplication ? "0" : "");
}

}  // namespace

const SettingDefinition& SettingOf(std::string_view key, SettingStore store) {
  const std::string_view tableKey = TableKey(key);
  const auto found = std::find_if(kSettingTable.begin(), kSettingTable.end(), [&](const SettingDefinition& setting) {
    return setting.key == tableKey && setting.store == store;
  });
  if (found == kSettingTable.end()) throw std::out_of_range("no setting " + std::string(key));
  return *found;
}

std::string ReadSetting(const SettingsServices& services, std::string_view key, SettingStore store) {
  const SettingDefinition& setting = SettingOf(key, store);
  const std::string application = ApplicationName(setting, services.identity);
  if (store == SettingStore::User)
    return GetUserSetting(services.registry, services.identity, application, kSettingsSection, key,
                          setting.defaultValue);
  return GetSettingValue(services, application, kSettingsSection, key, setting.defaultValue);
}

void WriteSetting(const SettingsServices& services, std::string_view key, SettingStore store, std::string_view value) {
  const SettingDefinition& setting = SettingOf(key, store);
  const std::string application = ApplicationName(setting, services.identity);
  const std::string name = WrittenName(setting, key);
  if (store == SettingStore::User)
    SaveUserSetting(services.registry, services.identity, application, kSettingsSection, name, value);
  else
    SaveSettingValue(services, application, kSettingsSection, name, value);
}

}  // namespace curfew
