#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/native_window.h"
#include "platform/windowing/control_kind.h"

namespace curfew::ui {

class Form;

// Position and size in twips (1/1440 inch; 15 twips per pixel at 96 dots per inch).
struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// A colour as Windows writes it: 0x00BBGGRR, or a system colour: kSystemColour and the
// colour's index, so that a window follows the user's colour scheme until a skin sets its own.
using Colour = std::uint32_t;
inline constexpr Colour kSystemColour = 0x80000000;
inline constexpr Colour kWindowBackground = kSystemColour | 5;
inline constexpr Colour kWindowText = kSystemColour | 8;
inline constexpr Colour kButtonFace = kSystemColour | 15;
inline constexpr Colour kButtonText = kSystemColour | 18;

struct Font {
  std::string name = "Verdana";
  double points = 8.25;
  bool bold = false;
  bool italic = false;
  bool underline = false;

  friend bool operator==(const Font&, const Font&) = default;
};

// What of a control changed, for the back end to show.
// Role: whether a push button answers Enter or Esc for its window.
enum class Aspect {
  Caption,
  Text,
  Value,
  Enabled,
  Visible,
  Position,
  Colours,
  Font,
  Items,
  Selection,
  Timer,
  Role,
  ToolTip,
};

// The back end's side of one control: a real child window, or nothing at all headless.
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  // Shows what the control now holds for this aspect.
  virtual void Sync(Aspect aspect) = 0;
  virtual void Refresh() {}
  virtual platform::NativeWindow Handle() const { return 0; }
  // The width the caption takes on one line in the control's font, in twips; 0 where the back
  // end does not draw text.
  virtual int CaptionWidthTwips() const { return 0; }
  // A list view row added at the end or removed, or one of its cells changed (column 1 is the
  // row text). A back end that keeps no rows of its own shows the whole list again.
  virtual void ListRowAdded(int /*row*/) { Sync(Aspect::Items); }
  virtual void ListRowRemoved(int /*row*/) { Sync(Aspect::Items); }
  virtual void ListCellChanged(int /*row*/, int /*column*/) { Sync(Aspect::Items); }
  // An entry of a list or combo box added at the end or removed (counted from 0), or a tree
  // node added at the end or given a new text (counted from 1).
  virtual void EntryAdded(int /*index*/) { Sync(Aspect::Items); }
  virtual void EntryRemoved(int /*index*/) { Sync(Aspect::Items); }
  virtual void NodeAdded(int /*node*/) { Sync(Aspect::Items); }
  virtual void NodeTextChanged(int /*node*/) { Sync(Aspect::Items); }
};

// One control of a window: its identity, its common properties and its events. A window's
// controls are members of the window's class and register with it, in declaration order,
// which is the window's control order.
//
// Setters change the control and show the change through the back end. The User* methods
// are what a user's action does: change the state, then raise the event, as a real click or
// keystroke would. The Win32 back end calls them from its notifications; tests call them to
// act like a user.
class Control {
 public:
  Control(Form& form, ControlKind kind, std::string name, std::optional<int> index = std::nullopt,
          Control* container = nullptr);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  ControlKind Kind() const { return kind_; }
  std::string_view TypeName() const { return TypeNameOf(kind_); }
  const std::string& Name() const { return name_; }
  // The index in its control array; nullopt for a control that is not in one.
  std::optional<int> Index() const { return index_; }
  Control* Container() const { return container_; }
  Form& Parent() const { return form_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  // Check box: 0 unchecked, 1 checked, 2 grayed. Option button: 1 selected, 0 not. A kind
  // whose value change is a click (check box, option button) raises it, whichever type the
  // caller holds.
  int Value() const { return value_; }
  virtual void SetValue(int value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  const TwipsRect& Position() const { return position_; }
  void Move(const TwipsRect& position);
  Colour BackColor() const { return backColor_; }
  Colour ForeColor() const { return foreColor_; }
  void SetColours(Colour back, Colour fore);
  const Font& GetFont() const { return font_; }
  void SetFont(Font font);
  // The tip shown while the mouse rests on the control; empty for none.
  const std::string& ToolTipText() const { return toolTip_; }
  void SetToolTipText(std::string text);
  // Repaints the control.
  void Refresh();

  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  std::function<void()> OnChange;
  // A key pressed while the control has the focus; the handler may set it to 0 to swallow it.
  std::function<void(int& keyAscii)> OnKeyPress;

  // What a user does.
  virtual void UserClick();
  void UserDoubleClick();
  void UserType(std::string text);
  void UserKeyPress(int keyAscii);

  // The back end attaches its side when the window is loaded and drops it when it unloads.
  void AttachPeer(std::unique_ptr<ControlPeer> peer);
  void DetachPeer();
  // The width the caption takes on one line as the back end draws it; 0 headless.
  int CaptionWidthTwips() const { return peer_ ? peer_->CaptionWidthTwips() : 0; }
  ControlPeer* Peer() const { return peer_.get(); }
  platform::NativeWindow Handle() const { return peer_ ? peer_->Handle() : 0; }

 protected:
  // Shows a change through the back end. User* methods change the state without it: the
  // back end already shows what the user did.
  void Show(Aspect aspect);
  void Raise(const std::function<void()>& event) const {
    if (event) event();
  }

  int value_ = 0;
  std::string caption_;
  std::string text_;

 private:
  Form& form_;
  ControlKind kind_;
  std::string name_;
  std::optional<int> index_;
  Control* container_;
  bool enabled_ = true;
  bool visible_ = true;
  TwipsRect position_{};
  Colour backColor_;
  Colour foreColor_;
  Font font_{};
  std::string toolTip_;
  std::unique_ptr<ControlPeer> peer_;
};

}  // namespace curfew::ui
