#pragma once

#include <array>
#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace curfew {

enum class SettingStore { Machine, User };

// One preference: where it lives, the key it is read under, the key it is written under (two
// keys are written in other letter case; value names ignore case, so they meet) and its
// default.
struct SettingDefinition {
  std::string_view key;
  SettingStore store;
  std::string_view defaultValue;
  std::string_view writtenKey;
  // "chkRunAtStart" lives under the program name followed by "0".
  bool startupApplication = false;
};

inline constexpr std::string_view kSettingsSection = "Settings";

// Every setting the program reads or writes. The column widths are "BackupSetColumn1" to
// "BackupSetColumn5", all with the default of "BackupSetColumn".
inline constexpr std::array<SettingDefinition, 27> kSettingTable = {{
    {"chkRunAtStart", SettingStore::Machine, "0", "chkRunAtStart", true},
    {"chkMin", SettingStore::Machine, "0", "chkMin"},
    {"chkSplash", SettingStore::Machine, "0", "chkSplash"},
    {"chkNoShow", SettingStore::Machine, "0", "chkNoShow"},
    {"chkAlwaysExit", SettingStore::Machine, "0", "chkAlwaysExit"},
    {"chkLog", SettingStore::Machine, "0", "chkLog"},
    {"WarnBeforeAction", SettingStore::Machine, "60", "WarnBeforeAction"},  // seconds
    {"chkWake", SettingStore::Machine, "1", "chkWake"},
    {"chkAuth", SettingStore::Machine, "0", "chkAuth"},
    {"txtServer", SettingStore::Machine, "mail.example.org", "txtServer"},
    {"txtPort", SettingStore::Machine, "25", "txtport"},
    {"txtEmailFrom", SettingStore::Machine, "you@example.org", "txtEmailFrom"},
    {"txtEmailTo", SettingStore::Machine, "you@example.org", "txtEmailTo"},
    {"txtUsername", SettingStore::Machine, "", "txtUsername"},
    {"txtPassword2", SettingStore::Machine, "", "txtPassword2"},
    {"txtFTPHost", SettingStore::Machine, "", "txtFTPHost"},
    {"txtFTPPort", SettingStore::Machine, "21", "txtFTPPort"},
    {"txtFTPUsername", SettingStore::Machine, "", "txtFTPUsername"},
    {"txtFTPPassword", SettingStore::Machine, "", "txtFTPPassword"},
    {"txtFTPFolder", SettingStore::Machine, "/", "txtFTPfolder"},
    {"txtLanFolder", SettingStore::Machine, "", "txtLanFolder"},
    {"showHelp", SettingStore::Machine, "", "showHelp"},  // written once, never read
    {"Language", SettingStore::User, "English", "Language"},
    {"BackupSetColumn", SettingStore::User, "2500", "BackupSetColumn"},
    {"ScheduleSort", SettingStore::User, "0", "ScheduleSort"},  // the column, negative going down
    {"showHelp", SettingStore::User, "1", "showHelp"},
    {"IgnorePermissionDeniedError", SettingStore::User, "0", "IgnorePermissionDeniedError"},
}};

// The definition of a key ("BackupSetColumn3" finds "BackupSetColumn"); a key that is not in
// the table is a programming error and throws std::out_of_range.
const SettingDefinition& SettingOf(std::string_view key, SettingStore store);

// Reads a preference with the table's default, from the store the table names.
std::string ReadSetting(const SettingsServices& services, std::string_view key, SettingStore store);
// Writes a preference under its written key.
void WriteSetting(const SettingsServices& services, std::string_view key, SettingStore store, std::string_view value);

}  // namespace curfew
