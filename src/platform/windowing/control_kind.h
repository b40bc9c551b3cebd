#pragma once

#include <string_view>

namespace curfew::ui {

// The kinds of control the program's windows use.
enum class ControlKind {
  Label,
  SkinLabel,
  CommandButton,
  TextBox,
  ComboBox,
  CheckBox,
  OptionButton,
  Frame,
  ListView,
  ListBox,
  TreeView,
  DatePicker,
  TimePicker,
  StatusBar,
  PictureBox,
  Image,
  Line,
  Timer,
  Menu,
  TabStrip,
  WebBrowser,
};

// Which texts of a control a language file holds, and under which keys (after
// "<window>_<control>").
enum class LanguageKeys {
  None,            // nothing to translate
  Caption,         // its caption: "<window>_<control>"
  IndexedCaption,  // its caption, the element's index appended: "frmWizard_optRepeat1"
  MenuCaption,     // its caption, the index appended or "0" for a menu without one
  TabCaptions,     // each tab's caption: "_TABS1", "_TABS2", ...
  ColumnHeaders,   // each column header's text: "_COL1", "_COL2", ...
};

// The colours a skin's colour set gives a control.
enum class SkinColourRole {
  Keep,     // its own colours stay
  Button,   // the buttons' face, its own text colour
  Picture,  // the pictures' background, its own text colour
  Field,    // the fields' background and text
};

// The colours a window dressed in a skin (or in the system's colours) gives a control.
enum class DressRole {
  Keep,          // its own colours stay
  SkinLabel,     // the window's colours and the skin's label typeface
  OnWindow,      // the window's background and text colours
  FieldColours,  // the field background and text colours
};

// What the rest of the program knows of a kind: language files, skins and default colours read
// this table, and the Win32 peer factory is the only other switch over kinds. A new kind gets a
// row here (the compiler names a missing one) and a case in the factory.
struct KindTraits {
  // The type name that skins and language files know the kind by.
  std::string_view typeName;
  // A field holds what the user enters or picks: it takes the window background and text
  // colours, not a button face's.
  bool field;
  LanguageKeys languageKeys;
  SkinColourRole skinColours;
  DressRole dress;
};

constexpr KindTraits TraitsOf(ControlKind kind) {
  using enum LanguageKeys;
  switch (kind) {
    case ControlKind::Label: return {"Label", false, Caption, SkinColourRole::Keep, DressRole::OnWindow};
    case ControlKind::SkinLabel: return {"SkinLabel", false, Caption, SkinColourRole::Keep, DressRole::SkinLabel};
    case ControlKind::CommandButton: return {"CommandButton", false, Caption, SkinColourRole::Button, DressRole::Keep};
    case ControlKind::TextBox: return {"TextBox", true, None, SkinColourRole::Field, DressRole::Keep};
    case ControlKind::ComboBox: return {"ComboBox", true, None, SkinColourRole::Field, DressRole::Keep};
    case ControlKind::CheckBox: return {"CheckBox", false, Caption, SkinColourRole::Keep, DressRole::OnWindow};
    case ControlKind::OptionButton:
      return {"OptionButton", false, IndexedCaption, SkinColourRole::Keep, DressRole::OnWindow};
    case ControlKind::Frame: return {"Frame", false, Caption, SkinColourRole::Keep, DressRole::OnWindow};
    case ControlKind::ListView: return {"ListView", true, ColumnHeaders, SkinColourRole::Field, DressRole::Keep};
    case ControlKind::ListBox: return {"ListBox", true, None, SkinColourRole::Field, DressRole::Keep};
    case ControlKind::TreeView: return {"TreeView", true, None, SkinColourRole::Keep, DressRole::FieldColours};
    case ControlKind::DatePicker:
    case ControlKind::TimePicker: return {"DTPicker", false, None, SkinColourRole::Keep, DressRole::FieldColours};
    case ControlKind::StatusBar: return {"StatusBar", false, None, SkinColourRole::Keep, DressRole::OnWindow};
    case ControlKind::PictureBox: return {"PictureBox", false, None, SkinColourRole::Picture, DressRole::Keep};
    case ControlKind::Image: return {"Image", false, None, SkinColourRole::Keep, DressRole::Keep};
    case ControlKind::Line: return {"Line", false, None, SkinColourRole::Keep, DressRole::Keep};
    case ControlKind::Timer: return {"Timer", false, None, SkinColourRole::Keep, DressRole::Keep};
    case ControlKind::Menu: return {"Menu", false, MenuCaption, SkinColourRole::Keep, DressRole::Keep};
    case ControlKind::TabStrip: return {"TabStrip", false, TabCaptions, SkinColourRole::Keep, DressRole::Keep};
    case ControlKind::WebBrowser: return {"WebBrowser", false, None, SkinColourRole::Keep, DressRole::Keep};
  }
  return {"", false, None, SkinColourRole::Keep, DressRole::Keep};
}

constexpr std::string_view TypeNameOf(ControlKind kind) { return TraitsOf(kind).typeName; }

}  // namespace curfew::ui
