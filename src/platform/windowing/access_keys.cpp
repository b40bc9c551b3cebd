#include "platform/windowing/access_keys.h"

#include <algorithm>

#include "platform/utf8.h"
#include "platform/windowing/form.h"

namespace curfew::ui {
namespace {

// Letters and digits of the ASCII range, and anything beyond it (the letters of other
// scripts); ASCII letters count without regard to case.
bool CanBeKey(char32_t c) {
  if (c >= 0x80) return c != utf8::kReplacement;
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char32_t KeyOf(char32_t c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

// The key a caption marks itself ("&&" is a literal ampersand); 0 for none.
char32_t MarkedKey(const std::string& caption) {
  for (std::size_t pos = 0; pos < caption.size();) {
    if (caption[pos] != '&') {
      utf8::Next(caption, pos);
      continue;
    }
    ++pos;
    if (pos >= caption.size()) return 0;
    if (caption[pos] == '&') {
      ++pos;
      continue;
    }
    return KeyOf(utf8::Next(caption, pos));
  }
  return 0;
}

bool HasMarker(const std::string& caption) { return MarkedKey(caption) != 0; }

}  // namespace

std::vector<std::string> WithAccessKeys(const std::vector<std::string>& captions) {
  std::vector<char32_t> taken;
  for (const std::string& caption : captions)
    if (const char32_t key = MarkedKey(caption)) taken.push_back(key);

  std::vector<std::string> marked = captions;
  for (std::string& caption : marked) {
    if (caption == "-" || HasMarker(caption)) continue;
    for (std::size_t pos = 0; pos < caption.size();) {
      const std::size_t start = pos;
      const char32_t c = utf8::Next(caption, pos);
      if (c == '&') {  // unmarked, so "&&": a literal ampersand, never a key
        ++pos;
        continue;
      }
      if (!CanBeKey(c) || std::find(taken.begin(), taken.end(), KeyOf(c)) != taken.end()) continue;
      caption.insert(start, "&");
      taken.push_back(KeyOf(c));
      break;
    }
  }
  return marked;
}

std::vector<std::pair<const Control*, std::string>> ControlAccessKeys(const Form& form) {
  std::vector<std::string> captions;
  std::vector<const Control*> controls;
  for (const Control* control : form.Controls())
    if (control->Kind() == ControlKind::Menu && !control->Container() && control->Visible())
      captions.push_back(control->Caption());
  const std::size_t menuBar = captions.size();
  for (const Control* control : form.Controls()) {
    const ControlKind kind = control->Kind();
    if (kind != ControlKind::CommandButton && kind != ControlKind::CheckBox && kind != ControlKind::OptionButton)
      continue;
    controls.push_back(control);
    captions.push_back(control->Caption());
  }
  const std::vector<std::string> marked = WithAccessKeys(captions);
  std::vector<std::pair<const Control*, std::string>> keyed;
  for (std::size_t i = 0; i < controls.size(); ++i) keyed.emplace_back(controls[i], marked[menuBar + i]);
  return keyed;
}

}  // namespace curfew::ui
