#pragma once

#include <string_view>

#include "platform/files.h"

namespace curfew::platform {

// Replaces a file's bytes in one step: they go to a temporary file of a name of their own
// beside it, made new (never an existing file, nor a link planted in its place), which then
// takes the file's place. On failure the file stays as it was and no temporary file is left.
FileFault ReplaceFileBytes(FileSystem& files, std::string_view path, std::string_view bytes);

}  // namespace curfew::platform
