#include "settings/settings_store.h"

#include <functional>
#include <optional>

#include "settings/opened_key.h"

namespace curfew {
namespace {

using platform::Registry;
using platform::RegistryKey;
using platform::RegistryRoot;
using platform::RegistryStatus;
namespace status = platform::registry_status;

constexpr std::string_view kVirtualStore = "Software\\Classes\\VirtualStore\\MACHINE\\";

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string SettingsPath(std::string_view top, const ProductIdentity& identity, std::string_view appName,
                         std::string_view section) {
  return std::string(top) + "\\" + std::string(Trim(identity.strCompanyName)) + "\\" + std::string(Trim(appName)) +
         "\\" + std::string(Trim(section));
}

std::string MachinePath(const ProductIdentity& identity, std::string_view appName, std::string_view section) {
  return SettingsPath("SOFTWARE", identity, appName, section);
}

// The value's text; nullopt when it is missing or its read fails. A value that is not a
// string raises.
std::optional<std::string> ReadStoredString(Registry& registry, RegistryKey key, std::string_view name) {
  std::uint32_t type = 0;
  std::size_t size = 0;
  if (registry.QueryValueInfo(key, name, type, size) != status::kSuccess) return std::nullopt;
  if (type != platform::kRegistryString)
    throw SettingsError(settings_error::kRegistryBase + static_cast<std::int32_t>(type), "Registry data not a string");
  if (size == 0) return std::string();
  std::string text;
  if (registry.ReadString(key, name, text) != status::kSuccess) return std::nullopt;
  return text;
}

// Part of a write that succeeded: a failure here is no failure of the write.
void RemoveVirtualCopy(Registry& registry, const std::string& virtualPath, std::string_view name) {
  try {
    RegistryKey key = 0;
    if (registry.OpenKey(RegistryRoot::CurrentUser, virtualPath, platform::registry_access::kAll, key) !=
        status::kSuccess)
      return;
    const OpenedKey opened(registry, key);
    registry.DeleteValue(opened.get(), name);
  } catch (const platform::RegistryStepFailure&) {
  }
}

}  // namespace

std::string GetSettingValue(const SettingsServices& services, std::string_view AppName, std::string_view Section,
                            std::string_view Key, std::string_view Default) {
  if (Trim(AppName).empty()) throw SettingsError(settings_error::kEmptyAppName, "AppName may not be empty");
  if (Trim(Section).empty()) throw SettingsError(settings_error::kEmptySection, "Section may not be empty");
  if (Trim(Key).empty()) throw SettingsError(settings_error::kEmptyKey, "Key may not be empty");
  Registry& registry = services.registry;
  const std::string path = MachinePath(services.identity, AppName, Section);

  // A value that had to be kept in the user's virtual store wins, as Windows would have it.
  RegistryKey key = 0;
  if (registry.OpenKey(RegistryRoot::CurrentUser, std::string(kVirtualStore) + path, platform::registry_access::kRead,
                       key) == status::kSuccess) {
    const OpenedKey opened(registry, key);
    if (auto text = ReadStoredString(registry, opened.get(), Key)) return *text;
  }

  const RegistryStatus openStatus =
      registry.OpenKey(RegistryRoot::LocalMachine, path, platform::registry_access::kRead, key);
  if (openStatus == status::kNotFound) return std::string(Default);
  if (openStatus != status::kSuccess)
    throw SettingsError(settings_error::kRegistryBase + static_cast<std::int32_t>(openStatus),
                        "Could not open registry section");
  const OpenedKey opened(registry, key);
  return ReadStoredString(registry, opened.get(), Key).value_or(std::string(Default));
}

std::string PermissionDeniedMessage(std::string_view programName) {
  return std::string(programName) +
         " requires read/write access to the system registry and hard drive in order to run properly.  This user "
         "account does not have the proper permissions set.  As a result some or all of your settings may not be "
         "properly saved.  Please contact your system administrator or change the permission settings for this "
         "account.\r\n\r\nIf you would like to prevent this error message from being displayed again, please press "
         "'Ignore'.";
}

void SaveSettingValue(const SettingsServices& services, std::string_view AppName, std::string_view Section,
                      std::string_view Key, std::string_view Value) {
  Registry& registry = services.registry;
  const ProductIdentity& identity = services.identity;
  const std::string path = MachinePath(identity, AppName, Section);
  const std::string virtualPath = std::string(kVirtualStore) + path;

  // Runs one step; when it fails outright, asks the user (unless silenced). Retry runs the
  // same step again. Returns whether the write goes on.
  const auto runStep = [&](const std::function<void()>& step) {
    while (true) {
      try {
        step();
        return true;
      } catch (const platform::RegistryStepFailure&) {
        const bool ignored = GetUserSetting(registry, identity, identity.strProgramName, "Settings",
                                            "IgnorePermissionDeniedError", "0") == "1";
        if (ignored || services.SuppressPermissionDialog) return false;
        const platform::MessageAnswer answer = services.messages.Show(PermissionDeniedMessage(identity.strProgramName),
                                                                      platform::MessageButtons::AbortRetryIgnore,
                                                                      platform::MessageIcon::None, "Permission Denied");
        if (answer == platform::MessageAnswer::Retry) continue;
        if (answer == platform::MessageAnswer::Ignore)
          SaveUserSetting(registry, identity, identity.strProgramName, "Settings", "IgnorePermissionDeniedError", "1");
        return false;
      }
    }
  };
  // The fallback for a refused machine-wide key: its failure is the user's to know.
  const auto createVirtual = [&](RegistryKey& key) {
    if (registry.CreateKey(RegistryRoot::CurrentUser, virtualPath, platform::registry_access::kWriteNoDelete, key) !=
        status::kSuccess)
      throw platform::RegistryStepFailure("the setting could not be stored for this user either");
  };

  RegistryKey key = 0;
  bool created = false;
  bool virtualised = false;
  const bool goOn = runStep([&] {
    const RegistryStatus createStatus =
        registry.CreateKey(RegistryRoot::LocalMachine, path, platform::registry_access::kWriteNoDelete, key);
    if (createStatus == status::kAccessDenied) {
      createVirtual(key);
      virtualised = true;
      created = true;
    } else {
      created = createStatus == status::kSuccess;  // other statuses go unexamined
    }
  });
  if (!goOn || !created) return;
  std::optional<OpenedKey> opened;
  opened.emplace(registry, key);

  runStep([&] {
    if (!virtualised) {
      const RegistryStatus setStatus = registry.SetString(opened->get(), Key, Value);
      // The user's copy is read first: a value stored machine-wide must not stay hidden behind
      // one kept there while the machine-wide key refused the write.
      if (setStatus == status::kSuccess) RemoveVirtualCopy(registry, virtualPath, Key);
      if (setStatus != status::kAccessDenied) return;  // other statuses go unexamined
      opened.reset();
      virtualised = true;  // from here on the step writes the user's copy
    }
    if (!opened) {
      RegistryKey virtualKey = 0;
      createVirtual(virtualKey);
      opened.emplace(registry, virtualKey);
    }
    if (registry.SetString(opened->get(), Key, Value) != status::kSuccess)
      throw platform::RegistryStepFailure("the setting could not be stored for this user either");
  });
}

std::string GetUserSetting(Registry& registry, const ProductIdentity& identity, std::string_view AppName,
                           std::string_view Section, std::string_view Key, std::string_view Default) {
  RegistryKey key = 0;
  if (registry.OpenKey(RegistryRoot::CurrentUser, SettingsPath("Software", identity, AppName, Section),
                       platform::registry_access::kRead, key) != status::kSuccess)
    return std::string(Default);
  const OpenedKey opened(registry, key);
  std::uint32_t type = 0;
  std::size_t size = 0;
  if (registry.QueryValueInfo(key, Key, type, size) != status::kSuccess || type != platform::kRegistryString)
    return std::string(Default);
  std::string text;
  if (size != 0 && registry.ReadString(key, Key, text) != status::kSuccess) return std::string(Default);
  return text;
}

void SaveUserSetting(Registry& registry, const ProductIdentity& identity, std::string_view AppName,
                     std::string_view Section, std::string_view Key, std::string_view Value) {
  RegistryKey key = 0;
  if (registry.CreateKey(RegistryRoot::CurrentUser, SettingsPath("Software", identity, AppName, Section),
                         platform::registry_access::kAll, key) != status::kSuccess)
    return;
  const OpenedKey opened(registry, key);
  registry.SetString(key, Key, Value);
}

}  // namespace curfew
