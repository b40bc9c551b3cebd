#pragma once

#include <string>
#include <utility>
#include <vector>

namespace curfew::ui {

class Control;
class Form;

// The captions of one menu (the entries of a bar or of one sub-menu, in order) with an access
// key for each: a caption that marks its key with "&" keeps it; every other caption gets "&"
// before its first letter or digit that no entry of the menu uses yet, in whatever language.
// Separators ("-") and captions whose every letter is taken stay as they are.
std::vector<std::string> WithAccessKeys(const std::vector<std::string>& captions);

// The captions with access keys of a window's push buttons, check boxes and option buttons, in
// control order, so that Alt and a letter presses, ticks or chooses them as in a dialog. The
// keys of the window's menu bar are taken first: Alt and their letters keep opening the menus.
std::vector<std::pair<const Control*, std::string>> ControlAccessKeys(const Form& form);

}  // namespace curfew::ui
