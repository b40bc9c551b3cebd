#include "platform/win32/win32_registry.h"

#include <windows.h>

#include "platform/win32/text_conversion.h"

namespace curfew::platform::win32 {
namespace {

HKEY RootOf(RegistryRoot root) { return root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

HKEY Handle(RegistryKey key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

RegistryStatus Win32Registry::CreateKey(RegistryRoot root, std::string_view path, std::uint32_t access,
                                        RegistryKey& key) {
  HKEY created = nullptr;
  const LONG status = RegCreateKeyExW(RootOf(root), Utf8ToWide(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                      access, nullptr, &created, nullptr);
  if (status == ERROR_SUCCESS) key = reinterpret_cast<RegistryKey>(created);
  return status;
}

RegistryStatus Win32Registry::OpenKey(RegistryRoot root, std::string_view path, std::uint32_t access,
                                      RegistryKey& key) {
  HKEY opened = nullptr;
  const LONG status = RegOpenKeyExW(RootOf(root), Utf8ToWide(path).c_str(), 0, access, &opened);
  if (status == ERROR_SUCCESS) key = reinterpret_cast<RegistryKey>(opened);
  return status;
}

RegistryStatus Win32Registry::QueryValueInfo(RegistryKey key, std::string_view name, std::uint32_t& type,
                                             std::size_t& size) {
  DWORD valueType = 0;
  DWORD bytes = 0;
  const LONG status = RegQueryValueExW(Handle(key), Utf8ToWide(name).c_str(), nullptr, &valueType, nullptr, &bytes);
  if (status != ERROR_SUCCESS) return status;
  type = valueType;
  // The size in characters of the text, its terminating zero included.
  size = valueType == REG_SZ ? bytes / sizeof(wchar_t) : bytes;
  return status;
}

RegistryStatus Win32Registry::ReadString(RegistryKey key, std::string_view name, std::string& text) {
  const std::wstring wideName = Utf8ToWide(name);
  DWORD bytes = 0;
  DWORD type = 0;
  LONG status = RegQueryValueExW(Handle(key), wideName.c_str(), nullptr, &type, nullptr, &bytes);
  if (status != ERROR_SUCCESS) return status;
  std::wstring buffer(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
  status =
      RegQueryValueExW(Handle(key), wideName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &bytes);
  if (status != ERROR_SUCCESS) return status;
  // A stored string need not end with a zero; what follows the first zero is not text.
  buffer.resize(bytes / sizeof(wchar_t));
  text = WideToUtf8(std::wstring_view(buffer.c_str()));
  return status;
}

RegistryStatus Win32Registry::SetString(RegistryKey key, std::string_view name, std::string_view text) {
  const std::wstring wide = Utf8ToWide(text);
  return RegSetValueExW(Handle(key), Utf8ToWide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                        static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}

RegistryStatus Win32Registry::DeleteValue(RegistryKey key, std::string_view name) {
  return RegDeleteValueW(Handle(key), Utf8ToWide(name).c_str());
}

RegistryStatus Win32Registry::DeleteKey(RegistryRoot root, std::string_view path) {
  return RegDeleteKeyW(RootOf(root), Utf8ToWide(path).c_str());
}

RegistryStatus Win32Registry::CloseKey(RegistryKey key) { return RegCloseKey(Handle(key)); }

}  // namespace curfew::platform::win32
