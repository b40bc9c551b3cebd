#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "localization/mod_identity.h"
#include "platform/message_box.h"
#include "platform/registry.h"

namespace curfew {

// An error of the settings read, with its number as callers test it.
class SettingsError : public std::runtime_error {
 public:
  SettingsError(std::int32_t number, const std::string& message) : std::runtime_error(message), number_(number) {}
  std::int32_t Number() const { return number_; }

 private:
  std::int32_t number_;
};

namespace settings_error {
inline constexpr std::int32_t kEmptyAppName = static_cast<std::int32_t>(0x800403E8);
inline constexpr std::int32_t kEmptySection = static_cast<std::int32_t>(0x800403E9);
inline constexpr std::int32_t kEmptyKey = static_cast<std::int32_t>(0x800403EA);
// Plus the status of the failed open, or the type code of a value that is no string.
inline constexpr std::int32_t kRegistryBase = static_cast<std::int32_t>(0x800407D0);
}  // namespace settings_error

struct SettingsServices {
  platform::Registry& registry;
  platform::MessageBoxes& messages;
  const ProductIdentity& identity;
  // While set, a failing write never shows the "Permission Denied" dialog (the program was
  // started minimised to the tray, where nobody would see it).
  const bool& SuppressPermissionDialog;
};

// The machine-wide store: HKEY_LOCAL_MACHINE\SOFTWARE\<company>\<application>\<section>.
//
// A user who may not write there (a standard account) has the value kept under the same path
// below HKEY_CURRENT_USER\Software\Classes\VirtualStore\MACHINE, as Windows' own registry
// virtualization does, and reads look there first; so no preference is lost.
std::string GetSettingValue(const SettingsServices& services, std::string_view AppName, std::string_view Section,
                            std::string_view Key, std::string_view Default);
void SaveSettingValue(const SettingsServices& services, std::string_view AppName, std::string_view Section,
                      std::string_view Key, std::string_view Value);

// The per-user store: HKEY_CURRENT_USER\Software\<company>\<application>\<section>.
std::string GetUserSetting(platform::Registry& registry, const ProductIdentity& identity, std::string_view AppName,
                           std::string_view Section, std::string_view Key, std::string_view Default);
void SaveUserSetting(platform::Registry& registry, const ProductIdentity& identity, std::string_view AppName,
                     std::string_view Section, std::string_view Key, std::string_view Value);

// The text of the "Permission Denied" dialog.
std::string PermissionDeniedMessage(std::string_view programName);

}  // namespace curfew
