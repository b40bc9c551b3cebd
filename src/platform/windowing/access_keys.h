#pragma once

#include <string>
#include <vector>

namespace curfew::ui {

// The captions of one menu (the entries of a bar or of one sub-menu, in order) with an access
// key for each: a caption that marks its key with "&" keeps it; every other caption gets "&"
// before its first letter or digit that no entry of the menu uses yet, in whatever language.
// Separators ("-") and captions whose every letter is taken stay as they are.
std::vector<std::string> WithAccessKeys(const std::vector<std::string>& captions);

}  // namespace curfew::ui
