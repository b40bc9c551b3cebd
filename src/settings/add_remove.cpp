#include "settings/add_remove.h"

#include "settings/opened_key.h"

namespace curfew {
namespace {

using platform::RegistryKey;
namespace status = platform::registry_status;

}  // namespace

void AddRemove::AddToList(std::string_view ProgramName, std::string_view UninstallCommand) {
  const std::string path = std::string(kUninstallPath) + std::string(ProgramName);
  SaveString(HKEY::LocalMachine, path, "DisplayName", ProgramName);
  SaveString(HKEY::LocalMachine, path, "UninstallString", UninstallCommand);
}

void AddRemove::RemoveFromList(std::string_view ProgramName) {
  DeleteKey(HKEY::LocalMachine, std::string(kUninstallPath) + std::string(ProgramName));
}

bool AddRemove::AddToRun(std::string_view ProgramName, std::string_view FileToRun) {
  return SaveString(HKEY::CurrentUser, kRunPath, ProgramName, FileToRun);
}

void AddRemove::RemoveFromRun(std::string_view ProgramName) { DeleteValue(HKEY::CurrentUser, kRunPath, ProgramName); }

bool AddRemove::AddToRun2(std::string_view ProgramName, std::string_view FileToRun) {
  return SaveString(HKEY::LocalMachine, kRunPath, ProgramName, FileToRun);
}

void AddRemove::RemoveFromRun2(std::string_view ProgramName) { DeleteValue(HKEY::LocalMachine, kRunPath, ProgramName); }

void AddRemove::SaveKey(HKEY hKey, std::string_view strPath) {
  RegistryKey key = 0;
  if (registry_.CreateKey(hKey, strPath, platform::registry_access::kAll, key) != status::kSuccess) return;
  const OpenedKey made(registry_, key);  // made, and closed at once
}

std::string AddRemove::CustomPath(std::string_view strProduct, std::string_view strKey) const {
  return "Software\\" + identity_.strCompanyName + "\\" + std::string(strProduct) + "\\" + std::string(strKey);
}

void AddRemove::doSaveSetCustom(std::string_view strProduct, std::string_view strKey, std::string_view strKeyValue,
                                std::string_view strValue) {
  SaveString(HKEY::LocalMachine, CustomPath(strProduct, strKey), strKeyValue, strValue);
}

std::string AddRemove::GetStringSettingCustom(std::string_view strProduct, std::string_view strKey,
                                              std::string_view strKeyValue, std::string_view strDefault) {
  const auto value = GetString(HKEY::LocalMachine, CustomPath(strProduct, strKey), strKeyValue);
  if (!value || value->empty() || *value == " ") return std::string(strDefault);
  return *value;
}

std::optional<std::string> AddRemove::GetString(HKEY hKey, std::string_view strPath, std::string_view strValue) {
  RegistryKey key = 0;
  if (registry_.OpenKey(hKey, strPath, platform::registry_access::kRead, key) != status::kSuccess) return std::nullopt;
  const OpenedKey opened(registry_, key);
  std::optional<std::string> result;
  std::uint32_t type = 0;
  std::size_t size = 0;
  std::string text;
  if (registry_.QueryValueInfo(key, strValue, type, size) == status::kSuccess && type == platform::kRegistryString &&
      registry_.ReadString(key, strValue, text) == status::kSuccess) {
    result = text.substr(0, text.find('\0'));
  }
  return result;
}

bool AddRemove::SaveString(HKEY hKey, std::string_view strPath, std::string_view strValue, std::string_view strData) {
  RegistryKey key = 0;
  if (registry_.CreateKey(hKey, strPath, platform::registry_access::kAll, key) != status::kSuccess) return false;
  const OpenedKey made(registry_, key);
  return registry_.SetString(key, strValue, strData) == status::kSuccess;
}

void AddRemove::DeleteValue(HKEY hKey, std::string_view strPath, std::string_view strValue) {
  RegistryKey key = 0;
  if (registry_.OpenKey(hKey, strPath, platform::registry_access::kAll, key) != status::kSuccess) return;
  const OpenedKey opened(registry_, key);
  registry_.DeleteValue(key, strValue);
}

void AddRemove::DeleteKey(HKEY hKey, std::string_view strPath) { registry_.DeleteKey(hKey, strPath); }

}  // namespace curfew
