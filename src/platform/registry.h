#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace curfew::platform {

// Root keys, with the operating system's handle values.
enum class RegistryRoot : std::uint32_t { CurrentUser = 0x80000001, LocalMachine = 0x80000002 };

using RegistryKey = std::uintptr_t;
using RegistryStatus = long;

namespace registry_status {
inline constexpr RegistryStatus kSuccess = 0;
inline constexpr RegistryStatus kNotFound = 2;
inline constexpr RegistryStatus kAccessDenied = 5;
}  // namespace registry_status

namespace registry_access {
inline constexpr std::uint32_t kRead = 0x20019;
// Query, set, create sub-key, enumerate, notify, create link, read control; no delete rights.
inline constexpr std::uint32_t kWriteNoDelete = 0x2003F;
inline constexpr std::uint32_t kAll = 0xF003F;
}  // namespace registry_access

inline constexpr std::uint32_t kRegistryString = 1;  // REG_SZ
inline constexpr std::uint32_t kRegistryDword = 4;   // REG_DWORD

// A registry step that failed outright instead of answering with a status.
class RegistryStepFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The registry: every call answers with the system's status code. Texts are UTF-8 here.
// Key paths and value names are found without regard to letter case.
class Registry {
 public:
  virtual ~Registry() = default;

  virtual RegistryStatus CreateKey(RegistryRoot root, std::string_view path, std::uint32_t access,
                                   RegistryKey& key) = 0;
  virtual RegistryStatus OpenKey(RegistryRoot root, std::string_view path, std::uint32_t access, RegistryKey& key) = 0;
  // The type and the size in bytes (a string's terminating zero included) of a value.
  virtual RegistryStatus QueryValueInfo(RegistryKey key, std::string_view name, std::uint32_t& type,
                                        std::size_t& size) = 0;
  // A string value's text, without its terminating zero.
  virtual RegistryStatus ReadString(RegistryKey key, std::string_view name, std::string& text) = 0;
  virtual RegistryStatus SetString(RegistryKey key, std::string_view name, std::string_view text) = 0;
  virtual RegistryStatus DeleteValue(RegistryKey key, std::string_view name) = 0;
  // Deletes a key that has no sub-keys.
  virtual RegistryStatus DeleteKey(RegistryRoot root, std::string_view path) = 0;
  virtual RegistryStatus CloseKey(RegistryKey key) = 0;
};

}  // namespace curfew::platform
