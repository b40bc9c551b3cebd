#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace curfew::platform {

// The registry in memory. A test can make any step on any key or value answer a status or
// fail outright, store values of other types, and see which keys were left open.
class MemoryRegistry final : public Registry {
 public:
  enum class Step { Create, Open, QueryInfo, Read, Set, DeleteValue, DeleteKey, Close };

  RegistryStatus CreateKey(RegistryRoot root, std::string_view path, std::uint32_t access, RegistryKey& key) override;
  RegistryStatus OpenKey(RegistryRoot root, std::string_view path, std::uint32_t access, RegistryKey& key) override;
  RegistryStatus QueryValueInfo(RegistryKey key, std::string_view name, std::uint32_t& type,
                                std::size_t& size) override;
  RegistryStatus ReadString(RegistryKey key, std::string_view name, std::string& text) override;
  RegistryStatus SetString(RegistryKey key, std::string_view name, std::string_view text) override;
  RegistryStatus DeleteValue(RegistryKey key, std::string_view name) override;
  RegistryStatus DeleteKey(RegistryRoot root, std::string_view path) override;
  RegistryStatus CloseKey(RegistryKey key) override;

  // The next `times` calls of step on the key (and value, when named) answer status; with
  // raise set they throw RegistryStepFailure instead. times < 0: every call.
  void Fail(Step step, RegistryRoot root, std::string_view path, std::string_view value, RegistryStatus status,
            int times = -1, bool raise = false);
  // Stores a value of any type, as another program might have.
  void Put(RegistryRoot root, std::string_view path, std::string_view name, std::uint32_t type, std::string data);

  std::optional<std::string> Get(RegistryRoot root, std::string_view path, std::string_view name) const;
  bool KeyExists(RegistryRoot root, std::string_view path) const;
  std::size_t OpenKeyCount() const { return handles_.size(); }
  // Every step made, as "Create HKLM\path" or "Set HKLM\path\name".
  const std::vector<std::string>& Journal() const { return journal_; }

 private:
  struct Value {
    std::string name;
    std::uint32_t type;
    std::string data;
  };
  struct Rule {
    Step step;
    std::string path;
    std::string value;
    RegistryStatus status;
    int times;
    bool raise;
  };

  static std::string FullPath(RegistryRoot root, std::string_view path);
  std::optional<RegistryStatus> Injected(Step step, const std::string& fullPath, std::string_view value);
  const std::string* PathOf(RegistryKey key) const;

  std::map<std::string, std::map<std::string, Value>> keys_;  // by lower-case path, then name
  std::map<RegistryKey, std::string> handles_;
  RegistryKey nextHandle_ = 1;
  std::vector<Rule> rules_;
  std::vector<std::string> journal_;
};

}  // namespace curfew::platform
