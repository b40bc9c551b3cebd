#pragma once

#include <string>
#include <string_view>

#include "platform/ansi_code_page.h"

namespace curfew {

// Inverts the top bit of every ANSI code of the text: the stored form of a password, and its
// own inverse. It hides a password from a glance at the registry, nothing more.
std::string ScramblePassword(std::string_view Text, const platform::AnsiCodePage& codePage);

}  // namespace curfew
