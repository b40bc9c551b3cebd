#pragma once

#include <string_view>

namespace curfew::platform {

// Whether a file name matches a pattern of "*" and "?" wildcards, letters compared without
// regard to case, as Windows matches long file names.
bool MatchesWildcard(std::string_view name, std::string_view pattern);

}  // namespace curfew::platform
