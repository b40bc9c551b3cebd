#include "platform/win32/win32_version_info.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_file_system.h"

namespace curfew::platform::win32 {
namespace {

std::string StringEntry(const std::vector<BYTE>& block, const wchar_t* translation, const wchar_t* name) {
  const std::wstring query = std::wstring(L"\\StringFileInfo\\") + translation + L"\\" + name;
  wchar_t* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) || !value) return {};
  std::wstring_view text(value, length);
  while (!text.empty() && text.back() == L'\0') text.remove_suffix(1);
  return WideToUtf8(text);
}

}  // namespace

VersionEntries Win32VersionInfo::Read() const {
  const std::wstring path = programPath_.empty() ? ModuleFileName(nullptr) : programPath_;
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return {};
  std::vector<BYTE> block(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return {};

  struct Translation {
    WORD language;
    WORD codePage;
  };
  Translation* translations = nullptr;
  UINT translationsSize = 0;
  wchar_t key[16] = L"040904b0";  // U.S. English, Unicode: the table the resource script writes
  if (VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                     &translationsSize) &&
      translationsSize >= sizeof(Translation)) {
    std::swprintf(key, 16, L"%04x%04x", translations[0].language, translations[0].codePage);
  }

  VersionEntries entries{StringEntry(block, key, L"ProductName"), StringEntry(block, key, L"CompanyName"),
                         StringEntry(block, key, L"Comments"), 0, 0};
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT fixedSize = 0;
  if (VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedSize) && fixed) {
    entries.majorVersion = HIWORD(fixed->dwProductVersionMS);
    entries.minorVersion = LOWORD(fixed->dwProductVersionMS);
  }
  return entries;
}

}  // namespace curfew::platform::win32
