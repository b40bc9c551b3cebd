#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "localization/mod_identity.h"
#include "platform/registry.h"

namespace curfew {

// Registry operations for the Windows uninstall list, the start-up lists and custom settings.
// Only the start-up operations are used by the program; the others complete the class. No
// operation reports a failure, except that SaveString and the AddToRun pair tell whether the
// value was stored.
class AddRemove {
 public:
  using HKEY = platform::RegistryRoot;

  AddRemove(platform::Registry& registry, const ProductIdentity& identity) : registry_(registry), identity_(identity) {}

  void AddToList(std::string_view ProgramName, std::string_view UninstallCommand);
  void RemoveFromList(std::string_view ProgramName);
  bool AddToRun(std::string_view ProgramName, std::string_view FileToRun);
  void RemoveFromRun(std::string_view ProgramName);
  bool AddToRun2(std::string_view ProgramName, std::string_view FileToRun);
  void RemoveFromRun2(std::string_view ProgramName);
  void SaveKey(HKEY hKey, std::string_view strPath);
  void doSaveSetCustom(std::string_view strProduct, std::string_view strKey, std::string_view strKeyValue,
                       std::string_view strValue);
  std::string GetStringSettingCustom(std::string_view strProduct, std::string_view strKey, std::string_view strKeyValue,
                                     std::string_view strDefault);
  // The string value, or nullopt when there is none (missing, unreadable or not a string).
  std::optional<std::string> GetString(HKEY hKey, std::string_view strPath, std::string_view strValue);
  bool SaveString(HKEY hKey, std::string_view strPath, std::string_view strValue, std::string_view strData);
  void DeleteValue(HKEY hKey, std::string_view strPath, std::string_view strValue);
  void DeleteKey(HKEY hKey, std::string_view strPath);

 private:
  std::string CustomPath(std::string_view strProduct, std::string_view strKey) const;

  platform::Registry& registry_;
  const ProductIdentity& identity_;
};

inline constexpr std::string_view kUninstallPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
inline constexpr std::string_view kRunPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

}  // namespace curfew
