#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace curfew {

// The schedule file's text with one key of its DATA section (LastRunTime, Enabled) set to
// value and every other byte as it was: the line the list reads is the one changed, or, where
// there is none, a line put first in the section. None when the text has no DATA section.
std::optional<std::string> WithDataValue(std::string_view fileText, std::string_view key, std::string_view value);

// Sets that key in the schedule's file, replacing the file in one step as the editor does. A
// file that cannot be read or written stays as it was, and the fault is returned; nothing is
// shown, the caller decides.
platform::FileFault WriteDataValue(platform::FileSystem& files, const std::string& dataFolder, std::string_view name,
                                   std::string_view key, std::string_view value);

}  // namespace curfew
