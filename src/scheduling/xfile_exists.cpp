#include "scheduling/xfile_exists.h"

#include "platform/ascii.h"

namespace curfew {
namespace {

constexpr unsigned kAnyFile =
    platform::file_attribute::kReadOnly | platform::file_attribute::kHidden | platform::file_attribute::kSystem;

}  // namespace

bool FileExists(const platform::FileSystem& files, std::string_view path) {
  const std::string found = files.FindFirstMatch(path, kAnyFile).value_or("");
  const std::size_t lastBackslash = path.rfind('\\');
  const std::string_view lastComponent =
      lastBackslash == std::string_view::npos ? path : path.substr(lastBackslash + 1);
  return !found.empty() && ascii::EqualsIgnoringCase(found, lastComponent);
}

}  // namespace curfew
