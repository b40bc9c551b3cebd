#include "platform/windowing/control.h"

#include "platform/windowing/form.h"

namespace curfew::ui {

Control::Control(Form& form, ControlKind kind, std::string name, std::optional<int> index, Control* container)
    : form_(form),
      kind_(kind),
      name_(std::move(name)),
      index_(index),
      container_(container),
      // Fields and lists are drawn on the window colour, everything else on the button face.
      backColor_(TraitsOf(kind).field ? kWindowBackground : kButtonFace),
      foreColor_(TraitsOf(kind).field ? kWindowText : kButtonText) {
  form_.Register(this);
}

Control::~Control() { form_.Unregister(this); }

void Control::Show(Aspect aspect) {
  if (peer_) peer_->Sync(aspect);
}

void Control::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Show(Aspect::Caption);
}

void Control::SetText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  Show(Aspect::Text);
  Raise(OnChange);
}

void Control::SetValue(int value) {
  value_ = value;
  Show(Aspect::Value);
}

void Control::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Show(Aspect::Enabled);
}

void Control::SetVisible(bool visible) {
  visible_ = visible;
  Show(Aspect::Visible);
}

void Control::Move(const TwipsRect& position) {
  position_ = position;
  Show(Aspect::Position);
}

void Control::SetColours(Colour back, Colour fore) {
  backColor_ = back;
  foreColor_ = fore;
  Show(Aspect::Colours);
}

void Control::SetFont(Font font) {
  font_ = std::move(font);
  Show(Aspect::Font);
}

void Control::SetToolTipText(std::string text) {
  toolTip_ = std::move(text);
  Show(Aspect::ToolTip);
}

void Control::Refresh() {
  if (peer_) peer_->Refresh();
}

void Control::UserClick() {
  if (enabled_) Raise(OnClick);
}

void Control::UserDoubleClick() {
  if (enabled_) Raise(OnDblClick);
}

void Control::UserType(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  Raise(OnChange);
}

void Control::UserKeyPress(int keyAscii) {
  if (OnKeyPress) OnKeyPress(keyAscii);
}

void Control::AttachPeer(std::unique_ptr<ControlPeer> peer) { peer_ = std::move(peer); }

void Control::DetachPeer() { peer_.reset(); }

}  // namespace curfew::ui
