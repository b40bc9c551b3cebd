#pragma once

#include <string_view>

#include "platform/files.h"

namespace curfew {

// Whether path names an existing file (read-only, hidden and system files included, folders
// not). The name found must equal the text after the path's last backslash, so wildcards that
// match some other file and paths written with forward slashes give no.
bool FileExists(const platform::FileSystem& files, std::string_view path);

}  // namespace curfew
