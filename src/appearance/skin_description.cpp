#include "appearance/skin_description.h"

#include <charconv>
#include <map>
#include <vector>

#include "platform/windowing/form.h"

namespace curfew {
namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> SplitAtCommas(std::string_view text) {
  std::vector<std::string_view> parts;
  while (true) {
    const std::size_t comma = text.find(',');
    parts.push_back(Trimmed(text.substr(0, comma)));
    if (comma == std::string_view::npos) return parts;
    text.remove_prefix(comma + 1);
  }
}

// #RRGGBB as Windows stores a colour: 0x00BBGGRR.
std::optional<ui::Colour> ColourOf(std::string_view text) {
  if (text.size() != 7 || text[0] != '#') return std::nullopt;
  unsigned rgb = 0;
  const auto [end, fault] = std::from_chars(text.data() + 1, text.data() + 7, rgb, 16);
  if (fault != std::errc{} || end != text.data() + 7) return std::nullopt;
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

std::optional<ui::Font> FontOf(std::string_view text) {
  const auto parts = SplitAtCommas(text);
  if (parts.size() < 2 || parts.size() > 3 || parts[0].empty()) return std::nullopt;
  ui::Font font;
  font.name = std::string(parts[0]);
  double points = 0;
  const auto [end, fault] = std::from_chars(parts[1].data(), parts[1].data() + parts[1].size(), points);
  // Written so that "nan" (which no comparison holds for) is out of range too.
  const bool inRange = points >= 4 && points <= 72;
  if (fault != std::errc{} || end != parts[1].data() + parts[1].size() || !inRange) return std::nullopt;
  font.points = points;
  if (parts.size() == 3) {
    if (parts[2] != "bold") return std::nullopt;
    font.bold = true;
  }
  return font;
}

std::optional<ui::ButtonLook> ButtonLookOf(std::string_view text) {
  ui::ButtonLook look;
  int given = 0;
  for (std::string_view part : SplitAtCommas(text)) {
    const std::size_t space = part.find(' ');
    if (space == std::string_view::npos) return std::nullopt;
    const auto colour = ColourOf(Trimmed(part.substr(space + 1)));
    if (!colour) return std::nullopt;
    const std::string_view what = part.substr(0, space);
    if (what == "fill")
      look.fill = *colour;
    else if (what == "border")
      look.border = *colour;
    else if (what == "text")
      look.text = *colour;
    else
      return std::nullopt;
    ++given;
  }
  if (given != 3) return std::nullopt;
  return look;
}

}  // namespace

std::optional<SkinDescription> ParseSkinDescription(std::string_view text, std::string& error) {
  std::map<std::string, std::string, std::less<>> values;
  int lineNumber = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = Trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      error = "line " + std::to_string(lineNumber) + " has no '='";
      return std::nullopt;
    }
    const std::string key(Trimmed(line.substr(0, equals)));
    if (!values.emplace(key, std::string(Trimmed(line.substr(equals + 1)))).second) {
      error = "'" + key + "' is given twice";
      return std::nullopt;
    }
  }

  SkinDescription skin;
  bool complete = true;
  const auto take = [&](const char* key, auto parse, auto& into) {
    const auto found = values.find(key);
    if (found == values.end()) {
      if (complete) error = std::string("'") + key + "' is missing";
      complete = false;
      return;
    }
    const auto parsed = parse(found->second);
    if (!parsed) {
      if (complete) error = std::string("'") + key + "' cannot be read: " + found->second;
      complete = false;
      return;
    }
    into = *parsed;
    values.erase(found);
  };
  const auto text_ = [](std::string_view value) { return std::optional<std::string>(value); };
  const auto flag = [](std::string_view value) -> std::optional<bool> {
    if (value == "yes") return true;
    if (value == "no") return false;
    return std::nullopt;
  };
  take("name", text_, skin.name);
  take("dark", flag, skin.look.dark);
  take("button.background", ColourOf, skin.colours.buttonAndField);
  take("field.text", ColourOf, skin.colours.fieldText);
  take("picture.background", ColourOf, skin.colours.pictureBack);
  take("window.background", ColourOf, skin.windowBack);
  take("window.text", ColourOf, skin.text);
  take("field.background", ColourOf, skin.fieldBack);
  take("accent", ColourOf, skin.accent);
  take("label.font", FontOf, skin.labelFont);
  take("button.font", FontOf, skin.look.buttonFont);
  take("button.normal", ButtonLookOf, skin.look.normal);
  take("button.hot", ButtonLookOf, skin.look.hot);
  take("button.pressed", ButtonLookOf, skin.look.pressed);
  take("button.disabled", ButtonLookOf, skin.look.disabled);
  take("button.default", ButtonLookOf, skin.look.defaultButton);
  take("caption.background", ColourOf, skin.look.captionBack);
  take("caption.text", ColourOf, skin.look.captionText);
  if (!complete) return std::nullopt;
  // The keyboard focus shows in the accent colour.
  skin.look.focusRing = skin.accent;
  if (!values.empty()) {
    error = "'" + values.begin()->first + "' is no key of a skin";
    return std::nullopt;
  }
  return skin;
}

namespace {

void Colour(ui::Form& form, ui::Colour windowBack, ui::Colour text, ui::Colour fieldBack, ui::Colour fieldText,
            const ui::Font* labelFont) {
  form.SetBackColor(windowBack);
  for (ui::Control* control : form.Controls()) {
    switch (ui::TraitsOf(control->Kind()).dress) {
      case ui::DressRole::Keep: break;
      case ui::DressRole::SkinLabel:
        if (labelFont) {
          // A skinned label takes the skin's typeface at its own size and weight.
          ui::Font font = control->GetFont();
          font.name = labelFont->name;
          control->SetFont(font);
        }
        control->SetColours(windowBack, text);
        break;
      case ui::DressRole::OnWindow: control->SetColours(windowBack, text); break;
      case ui::DressRole::FieldColours: control->SetColours(fieldBack, fieldText); break;
    }
  }
}

}  // namespace

void DressWindow(ui::Form& form, const SkinDescription& skin) {
  if (form.GetBorderStyle() == ui::BorderStyle::None) return;
  Colour(form, skin.windowBack, skin.text, skin.fieldBack, skin.colours.fieldText, &skin.labelFont);
  form.SetLook(skin.look);
}

void DressInSystemColours(ui::Form& form) {
  if (form.GetBorderStyle() == ui::BorderStyle::None) return;
  Colour(form, ui::kButtonFace, ui::kButtonText, ui::kWindowBackground, ui::kWindowText, nullptr);
  form.SetLook(std::nullopt);
}

}  // namespace curfew
