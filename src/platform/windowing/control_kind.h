#pragma once

#include <string_view>

namespace curfew::ui {

// The kinds of control the program's windows use. Each reports a type name, on which the
// language keys and the skin colours dispatch.
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

constexpr std::string_view TypeNameOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label: return "Label";
    case ControlKind::SkinLabel: return "SkinLabel";
    case ControlKind::CommandButton: return "CommandButton";
    case ControlKind::TextBox: return "TextBox";
    case ControlKind::ComboBox: return "ComboBox";
    case ControlKind::CheckBox: return "CheckBox";
    case ControlKind::OptionButton: return "OptionButton";
    case ControlKind::Frame: return "Frame";
    case ControlKind::ListView: return "ListView";
    case ControlKind::ListBox: return "ListBox";
    case ControlKind::TreeView: return "TreeView";
    case ControlKind::DatePicker:
    case ControlKind::TimePicker: return "DTPicker";
    case ControlKind::StatusBar: return "StatusBar";
    case ControlKind::PictureBox: return "PictureBox";
    case ControlKind::Image: return "Image";
    case ControlKind::Line: return "Line";
    case ControlKind::Timer: return "Timer";
    case ControlKind::Menu: return "Menu";
    case ControlKind::TabStrip: return "TabStrip";
    case ControlKind::WebBrowser: return "WebBrowser";
  }
  return "";
}

}  // namespace curfew::ui
