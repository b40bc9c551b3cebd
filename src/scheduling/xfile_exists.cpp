#include "scheduling/xfile_exists.h"

#include <algorithm>

namespace curfew {
namespace {

constexpr unsigned kAnyFile =
    platform::file_attribute::kReadOnly | platform::file_attribute::kHidden | platform::file_attribute::kSystem;

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

bool FileExists(const platform::FileSystem& files, std::string_view path) {
  const std::string found = files.FindFirstMatch(path, kAnyFile).value_or("");
  const std::size_t lastBackslash = path.rfind('\\');
  const std::string_view lastComponent =
      lastBackslash == std::string_view::npos ? path : path.substr(lastBackslash + 1);
  return !found.empty() && EqualIgnoringAsciiCase(found, lastComponent);
}

}  // namespace curfew
