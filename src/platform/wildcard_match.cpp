#include "platform/wildcard_match.h"

#include "platform/ascii.h"

namespace curfew::platform {
bool MatchesWildcard(std::string_view name, std::string_view pattern) {
  // Greedy matcher with one back-track point for the last "*": no recursion, no blow-up.
  std::size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || ascii::ToLower(pattern[p]) == ascii::ToLower(name[n]))) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace curfew::platform
