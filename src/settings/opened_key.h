#pragma once

#include "platform/registry.h"

namespace curfew {

// An open registry key, closed on every way out (a failing step that raises included); a
// failing close is ignored.
class OpenedKey {
 public:
  OpenedKey(platform::Registry& registry, platform::RegistryKey key) : registry_(registry), key_(key) {}
  OpenedKey(const OpenedKey&) = delete;
  OpenedKey& operator=(const OpenedKey&) = delete;
  ~OpenedKey() {
    try {
      registry_.CloseKey(key_);
    } catch (const platform::RegistryStepFailure&) {
    }
  }
  platform::RegistryKey get() const { return key_; }

 private:
  platform::Registry& registry_;
  platform::RegistryKey key_;
};

}  // namespace curfew
