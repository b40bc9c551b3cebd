#include "platform/headless/memory_registry.h"

#include "platform/ascii.h"

namespace curfew::platform {
namespace {

constexpr std::string_view kStepNames[] = {"Create", "Open",        "QueryInfo", "Read",
                                           "Set",    "DeleteValue", "DeleteKey", "Close"};

std::string Trimmed(std::string_view path) {
  while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  return std::string(path);
}

}  // namespace

std::string MemoryRegistry::FullPath(RegistryRoot root, std::string_view path) {
  return std::string(root == RegistryRoot::CurrentUser ? "HKCU\\" : "HKLM\\") + Trimmed(path);
}

std::optional<RegistryStatus> MemoryRegistry::Injected(Step step, const std::string& fullPath, std::string_view value) {
  std::string entry(kStepNames[static_cast<int>(step)]);
  entry.append(" ").append(fullPath);
  if (!value.empty()) entry.append("\\").append(value);
  journal_.push_back(std::move(entry));
  for (Rule& rule : rules_) {
    if (rule.step != step || rule.times == 0 || !ascii::EqualsIgnoringCase(rule.path, fullPath)) continue;
    if (!rule.value.empty() && !ascii::EqualsIgnoringCase(rule.value, value)) continue;
    if (rule.times > 0) --rule.times;
    if (rule.raise) throw RegistryStepFailure(std::string(kStepNames[static_cast<int>(step)]) + " failed");
    return rule.status;
  }
  return std::nullopt;
}

const std::string* MemoryRegistry::PathOf(RegistryKey key) const {
  const auto found = handles_.find(key);
  return found == handles_.end() ? nullptr : &found->second;
}

void MemoryRegistry::Fail(Step step, RegistryRoot root, std::string_view path, std::string_view value,
                          RegistryStatus status, int times, bool raise) {
  rules_.push_back({step, FullPath(root, path), std::string(value), status, times, raise});
}

void MemoryRegistry::Put(RegistryRoot root, std::string_view path, std::string_view name, std::uint32_t type,
                         std::string data) {
  keys_[ascii::ToLower(FullPath(root, path))][ascii::ToLower(name)] = {std::string(name), type, std::move(data)};
}

std::optional<std::string> MemoryRegistry::Get(RegistryRoot root, std::string_view path, std::string_view name) const {
  const auto key = keys_.find(ascii::ToLower(FullPath(root, path)));
  if (key == keys_.end()) return std::nullopt;
  const auto value = key->second.find(ascii::ToLower(name));
  if (value == key->second.end()) return std::nullopt;
  return value->second.data;
}

bool MemoryRegistry::KeyExists(RegistryRoot root, std::string_view path) const {
  return keys_.contains(ascii::ToLower(FullPath(root, path)));
}

RegistryStatus MemoryRegistry::CreateKey(RegistryRoot root, std::string_view path, std::uint32_t, RegistryKey& key) {
  const std::string full = FullPath(root, path);
  if (const auto status = Injected(Step::Create, full, "")) return *status;
  // Every key on the way is created too.
  for (std::size_t cut = full.find('\\', 5); cut != std::string::npos; cut = full.find('\\', cut + 1))
    keys_[ascii::ToLower(full.substr(0, cut))];
  keys_[ascii::ToLower(full)];
  key = nextHandle_++;
  handles_[key] = ascii::ToLower(full);
  return registry_status::kSuccess;
}

RegistryStatus MemoryRegistry::OpenKey(RegistryRoot root, std::string_view path, std::uint32_t, RegistryKey& key) {
  const std::string full = FullPath(root, path);
  if (const auto status = Injected(Step::Open, full, "")) return *status;
  if (!keys_.contains(ascii::ToLower(full))) return registry_status::kNotFound;
  key = nextHandle_++;
  handles_[key] = ascii::ToLower(full);
  return registry_status::kSuccess;
}

RegistryStatus MemoryRegistry::QueryValueInfo(RegistryKey key, std::string_view name, std::uint32_t& type,
                                              std::size_t& size) {
  const std::string* path = PathOf(key);
  if (!path) return 6;  // ERROR_INVALID_HANDLE
  if (const auto status = Injected(Step::QueryInfo, *path, name)) return *status;
  const auto& values = keys_[*path];
  const auto value = values.find(ascii::ToLower(name));
  if (value == values.end()) return registry_status::kNotFound;
  type = value->second.type;
  size = value->second.data.size() + (type == kRegistryString ? 1 : 0);
  return registry_status::kSuccess;
}

RegistryStatus MemoryRegistry::ReadString(RegistryKey key, std::string_view name, std::string& text) {
  const std::string* path = PathOf(key);
  if (!path) return 6;
  if (const auto status = Injected(Step::Read, *path, name)) return *status;
  const auto& values = keys_[*path];
  const auto value = values.find(ascii::ToLower(name));
  if (value == values.end()) return registry_status::kNotFound;
  text = value->second.data;
  return registry_status::kSuccess;
}

RegistryStatus MemoryRegistry::SetString(RegistryKey key, std::string_view name, std::string_view text) {
  const std::string* path = PathOf(key);
  if (!path) return 6;
  if (const auto status = Injected(Step::Set, *path, name)) return *status;
  auto& values = keys_[*path];
  auto& value = values[ascii::ToLower(name)];
  // An existing value keeps the letter case of its name, as in the real registry.
  if (value.name.empty()) value.name = std::string(name);
  value.type = kRegistryString;
  value.data = std::string(text);
  return registry_status::kSuccess;
}

RegistryStatus MemoryRegistry::DeleteValue(RegistryKey key, std::string_view name) {
  const std::string* path = PathOf(key);
  if (!path) return 6;
  if (const auto status = Injected(Step::DeleteValue, *path, name)) return *status;
  return keys_[*path].erase(ascii::ToLower(name)) ? registry_status::kSuccess : registry_status::kNotFound;
}

RegistryStatus MemoryRegistry::DeleteKey(RegistryRoot root, std::string_view path) {
  const std::string full = ascii::ToLower(FullPath(root, path));
  if (const auto status = Injected(Step::DeleteKey, FullPath(root, path), "")) return *status;
  if (!keys_.contains(full)) return registry_status::kNotFound;
  const auto next = keys_.upper_bound(full);
  if (next != keys_.end() && next->first.starts_with(full + "\\")) return registry_status::kAccessDenied;
  keys_.erase(full);
  return registry_status::kSuccess;
}

RegistryStatus MemoryRegistry::CloseKey(RegistryKey key) {
  const std::string* path = PathOf(key);
  if (!path) return 6;
  if (const auto status = Injected(Step::Close, *path, "")) return *status;
  handles_.erase(key);
  return registry_status::kSuccess;
}

}  // namespace curfew::platform
