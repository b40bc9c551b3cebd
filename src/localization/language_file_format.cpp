#include "localization/language_file_format.h"

#include <functional>

#include "platform/ascii.h"
#include "platform/windowing/controls.h"

namespace curfew::language_file {
namespace {

constexpr std::string_view kGroupStart = "<LANGUAGE_GROUP";
constexpr std::string_view kGroupEnd = "</LANGUAGE_GROUP>";
constexpr std::string_view kNameStart = "<LANGUAGE_NAME>";
constexpr std::string_view kNameEnd = "</LANGUAGE_NAME>";
constexpr std::string_view kItemsStart = "<TRANSLATION_ITEMS>";
constexpr std::string_view kItemsEnd = "</TRANSLATION_ITEMS>";

// The text between the first start marker and the first end marker after it, as positions in
// the group; nullopt when either is missing.
std::optional<std::pair<std::size_t, std::size_t>> Between(std::string_view upperGroup, std::string_view start,
                                                           std::string_view end) {
  const std::size_t open = upperGroup.find(start);
  if (open == std::string_view::npos) return std::nullopt;
  const std::size_t from = open + start.size();
  const std::size_t close = upperGroup.find(end, from);
  if (close == std::string_view::npos) return std::nullopt;
  return std::pair{from, close};
}

}  // namespace

// Walks the groups of text, given also as its ASCII upper-cased copy (which keeps every byte
// where it was, the markers being ASCII).
static void WalkUpperGroups(std::string_view text, std::string_view upperText,
                            const std::function<bool(std::string_view, std::string_view)>& visit) {
  std::size_t pos = 0;
  while (true) {
    const std::size_t start = upperText.find(kGroupStart, pos);
    if (start == std::string_view::npos) return;
    const std::size_t end = upperText.find(kGroupEnd, pos);
    // A group without its end marker, or an end marker before the group, ends the walk.
    if (end == std::string_view::npos || end < start) return;

    const std::string_view group = text.substr(start, end - start);
    const std::string_view upperGroup = upperText.substr(start, end - start);
    const auto nameAt = Between(upperGroup, kNameStart, kNameEnd);
    const auto itemsAt = Between(upperGroup, kItemsStart, kItemsEnd);
    if (!nameAt || !itemsAt) return;

    if (visit(group.substr(nameAt->first, nameAt->second - nameAt->first),
              group.substr(itemsAt->first, itemsAt->second - itemsAt->first)))
      return;
    pos = end + kGroupEnd.size();
  }
}

static void WalkGroups(std::string_view text, const std::function<bool(std::string_view, std::string_view)>& visit) {
  WalkUpperGroups(text, ascii::ToUpper(text), visit);
}

std::optional<std::string> FindGroupItems(std::string_view text, std::string_view name,
                                          const platform::Locale& locale) {
  std::optional<std::string> found;
  WalkGroups(text, [&](std::string_view groupName, std::string_view items) {
    if (!locale.EqualIgnoringCase(groupName, name)) return false;
    found.emplace(items);
    return true;
  });
  return found;
}

std::vector<std::string> LanguageNames(std::string_view text) {
  std::vector<std::string> names;
  WalkGroups(text, [&](std::string_view groupName, std::string_view) {
    names.emplace_back(groupName);
    return false;
  });
  return names;
}

bool IsWholeFile(std::string_view text) {
  constexpr std::string_view kOuterStart = "<XML_DIZ_INFO>";
  constexpr std::string_view kOuterEnd = "</XML_DIZ_INFO>";
  const std::string upper = ascii::ToUpper(text);
  std::size_t started = 0;
  std::size_t lastEnd = 0;
  for (std::size_t at = upper.find(kGroupStart); at != std::string::npos; at = upper.find(kGroupStart, at + 1))
    ++started;
  for (std::size_t at = upper.find(kGroupEnd); at != std::string::npos; at = upper.find(kGroupEnd, at + 1))
    lastEnd = at;
  std::size_t complete = 0;
  WalkUpperGroups(text, upper, [&complete](std::string_view, std::string_view) {
    ++complete;
    return false;
  });
  return started > 0 && complete == started &&
         (upper.find(kOuterStart) == std::string::npos || upper.find(kOuterEnd, lastEnd) != std::string::npos);
}

std::vector<std::string> SplitAtLineEnds(std::string_view text) {
  std::vector<std::string> lines;
  if (text.empty()) return lines;
  std::size_t start = 0;
  while (true) {
    const std::size_t lineEnd = text.find("\r\n", start);
    lines.emplace_back(text.substr(start, lineEnd - start));
    if (lineEnd == std::string_view::npos) return lines;
    start = lineEnd + 2;
  }
}

std::optional<std::string_view> TagOf(std::string_view line) {
  const std::size_t close = line.find('>');
  if (close == std::string_view::npos) return std::nullopt;
  const std::string_view head = line.substr(0, close);
  if (head.size() <= 2) return std::nullopt;
  const std::size_t open = head.find('<');
  return open == std::string_view::npos ? head : head.substr(open + 1);
}

std::optional<std::string> ItemText(std::string_view line, std::string_view key) {
  const std::string upperLine = ascii::ToUpper(line);
  const std::string upperKey = ascii::ToUpper(key);
  const std::string opening = "<" + upperKey + ">";
  const std::string closing = "</" + upperKey + ">";
  const std::size_t open = upperLine.find(opening);
  if (open == std::string::npos) return std::nullopt;
  const std::size_t from = open + opening.size();
  const std::size_t close = upperLine.find(closing, from);
  if (close == std::string::npos) return std::nullopt;
  return std::string(line.substr(from, close - from));
}

std::vector<ControlKey> KeysOf(std::string_view formName, const ui::Control& control) {
  const std::string base = std::string(formName) + "_" + control.Name();
  const std::string index = control.Index() ? std::to_string(*control.Index()) : "";
  std::vector<ControlKey> keys;
  switch (ui::TraitsOf(control.Kind()).languageKeys) {
    case ui::LanguageKeys::None: break;
    case ui::LanguageKeys::Caption: keys.push_back({base, 0}); break;
    case ui::LanguageKeys::IndexedCaption: keys.push_back({base + index, 0}); break;
    case ui::LanguageKeys::MenuCaption: keys.push_back({base + (index.empty() ? "0" : index), 0}); break;
    case ui::LanguageKeys::TabCaptions: {
      const int tabs = static_cast<const ui::TabStrip&>(control).TabCount();
      for (int n = 1; n <= tabs; ++n) keys.push_back({base + "_TABS" + std::to_string(n), n});
      break;
    }
    case ui::LanguageKeys::ColumnHeaders: {
      const int columns = static_cast<const ui::ListView&>(control).ColumnHeaderCount();
      for (int n = 1; n <= columns; ++n) keys.push_back({base + "_COL" + std::to_string(n), n});
      break;
    }
  }
  return keys;
}

std::string TextOf(const ui::Control& control, int part) {
  switch (ui::TraitsOf(control.Kind()).languageKeys) {
    case ui::LanguageKeys::TabCaptions: return static_cast<const ui::TabStrip&>(control).TabCaption(part);
    case ui::LanguageKeys::ColumnHeaders: return static_cast<const ui::ListView&>(control).ColumnHeaderText(part);
    case ui::LanguageKeys::None:
    case ui::LanguageKeys::Caption:
    case ui::LanguageKeys::IndexedCaption:
    case ui::LanguageKeys::MenuCaption: return control.Caption();
  }
  return control.Caption();
}

void SetTextOf(ui::Control& control, int part, std::string text) {
  switch (ui::TraitsOf(control.Kind()).languageKeys) {
    case ui::LanguageKeys::TabCaptions: static_cast<ui::TabStrip&>(control).SetTabCaption(part, std::move(text)); break;
    case ui::LanguageKeys::ColumnHeaders:
      static_cast<ui::ListView&>(control).SetColumnHeaderText(part, std::move(text));
      break;
    case ui::LanguageKeys::None:
    case ui::LanguageKeys::Caption:
    case ui::LanguageKeys::IndexedCaption:
    case ui::LanguageKeys::MenuCaption: control.SetCaption(std::move(text)); break;
  }
}

std::string TemplateText(const std::vector<std::string>& itemLines) {
  std::string text;
  const auto line = [&text](std::string_view content) {
    text += content;
    text += "\r\n";
  };
  line("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
  line("<XML_DIZ_INFO>");
  line("\t<LOCALIZATION_FILE_INFO>");
  line("\t\t<LOCALIZATION_FILE_VERSION>1.0</LOCALIZATION_FILE_VERSION>");
  line("\t</LOCALIZATION_FILE_INFO>");
  line("<LANGUAGE_GROUP xml:lang=\"en\">");
  line("\t<LANGUAGE_NAME>English</LANGUAGE_NAME>");
  line(
      "\t<DESCRIPTION>This file contains various translations of program buttons, messages and menus in XML format.  "
      "The original document was created using translation software, and may sound strange when read by people.  We "
      "invite you to make modifications to existing languages and translate new languages.  Please send them to us so "
      "that we can update this file and make your translation available to all users.  Our current email address is "
      "located on our homepage which can be visited through the software or our program folder on your Start Menu.  "
      "Before making changes to a localization file please use the program to download the most recent localization "
      "file using the 'Check for Language Updates' button in the Languages window.</DESCRIPTION>");
  line("\t<TRANSLATION_ITEMS>");
  for (const std::string& item : itemLines) line("\t\t" + item);
  line("\t</TRANSLATION_ITEMS>");
  line("</LANGUAGE_GROUP>");
  line("</XML_DIZ_INFO>");
  return text;
}

}  // namespace curfew::language_file
