#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/locale.h"
#include "platform/windowing/control.h"

// The language file's markers and keys, shared by its reader and its writer.
namespace curfew::language_file {

// The items text of the group named name (compared without regard to letter case), or nullopt
// when no group of that name is found before the scan meets the end of the groups or a broken
// group. Every marker is found without regard to letter case; the cost is linear in the text.
std::optional<std::string> FindGroupItems(std::string_view text, std::string_view name, const platform::Locale& locale);

// The names of every group in file order, up to the end of the groups or a broken group.
std::vector<std::string> LanguageNames(std::string_view text);

// Whether the text is a whole language file: at least one group, every group the walk meets
// complete (its end marker, name and items), and, where the file opens its outer element, that
// element closed after the last group. A text cut short is none.
bool IsWholeFile(std::string_view text);

// The text split at every CR LF; an empty text has no lines at all.
std::vector<std::string> SplitAtLineEnds(std::string_view text);

// The tag of an item line: the text between its first "<" and its first ">", or nullopt for a
// line that is no item.
std::optional<std::string_view> TagOf(std::string_view line);

// The text of the item for key on the line, between "<key>" and "</key>"; nullopt when the
// closing tag is missing.
std::optional<std::string> ItemText(std::string_view line, std::string_view key);

// The key under which a control's caption (or, for index n, its tab, column or array entry)
// is kept: the window name, "_", the control name and the kind's suffix. Empty for kinds that
// are not translated.
struct ControlKey {
  std::string key;
  int part = 0;  // the tab or column number, 0 for the caption itself
};
std::vector<ControlKey> KeysOf(std::string_view formName, const ui::Control& control);

// The text a key of KeysOf names (its part: a tab or a column, 0 for the caption), and the
// same text set anew.
std::string TextOf(const ui::Control& control, int part);
void SetTextOf(ui::Control& control, int part, std::string text);

// The whole file text of a template with the given item lines (each "<KEY>text</KEY>").
std::string TemplateText(const std::vector<std::string>& itemLines);

}  // namespace curfew::language_file
