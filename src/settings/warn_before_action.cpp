#include "settings/warn_before_action.h"

#include <algorithm>
#include <string>

#include "settings/setting_table.h"

namespace curfew {

std::size_t StoredWarnChoice(const SettingsServices& settings) {
  const auto place = [](int seconds) {
    return static_cast<std::size_t>(std::find_if(kWarnChoices.begin(), kWarnChoices.end(),
                                                 [seconds](const WarnChoice& c) { return c.seconds == seconds; }) -
                                    kWarnChoices.begin());
  };
  std::string stored;
  try {
    stored = ReadSetting(settings, kWarnSetting, SettingStore::Machine);
  } catch (const SettingsError&) {
    return place(kDefaultWarnSeconds);
  }
  for (std::size_t choice = 0; choice < kWarnChoices.size(); ++choice) {
    if (stored == std::to_string(kWarnChoices[choice].seconds)) return choice;
  }
  return place(kDefaultWarnSeconds);
}

void StoreWarnChoice(const SettingsServices& settings, std::size_t choice) {
  WriteSetting(settings, kWarnSetting, SettingStore::Machine, std::to_string(kWarnChoices.at(choice).seconds));
}

}  // namespace curfew
