#pragma once

#include "platform/registry.h"

namespace curfew::platform::win32 {

// The real registry through the W functions: texts stay Unicode end to end.
class Win32Registry final : public Registry {
 public:
  RegistryStatus CreateKey(RegistryRoot root, std::string_view path, std::uint32_t access, RegistryKey& key) override;
  RegistryStatus OpenKey(RegistryRoot root, std::string_view path, std::uint32_t access, RegistryKey& key) override;
  RegistryStatus QueryValueInfo(RegistryKey key, std::string_view name, std::uint32_t& type,
                                std::size_t& size) override;
  RegistryStatus ReadString(RegistryKey key, std::string_view name, std::string& text) override;
  RegistryStatus SetString(RegistryKey key, std::string_view name, std::string_view text) override;
  RegistryStatus DeleteValue(RegistryKey key, std::string_view name) override;
  RegistryStatus DeleteKey(RegistryRoot root, std::string_view path) override;
  RegistryStatus CloseKey(RegistryKey key) override;
};

}  // namespace curfew::platform::win32
