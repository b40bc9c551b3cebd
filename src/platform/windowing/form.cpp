#include "platform/windowing/form.h"

#include <algorithm>
#include <exception>

#include "platform/windowing/controls.h"
#include "platform/windowing/window_runtime.h"

namespace curfew::ui {

Form::Form(WindowRuntime& runtime, std::string name) : runtime_(runtime), name_(std::move(name)) {}

Form::~Form() {
  // The controls are members of the derived class and are gone already; only the window stays.
  peer_.reset();
}

void Form::Unregister(Control* control) { std::erase(controls_, control); }

void Form::Sync(FormAspect aspect) {
  if (peer_) peer_->Sync(aspect);
}

void Form::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Sync(FormAspect::Caption);
}

void Form::Move(const TwipsRect& position) {
  position_ = position;
  Sync(FormAspect::Position);
}

void Form::SetClientSize(int widthTwips, int heightTwips) {
  clientSize_ = TwipsRect{0, 0, widthTwips, heightTwips};
  // Until a back end adds a frame, the window is its client area.
  position_.width = widthTwips;
  position_.height = heightTwips;
  Sync(FormAspect::ClientSize);
}

int Form::ScaleWidth() const { return peer_ ? peer_->ClientArea().width : position_.width; }

int Form::ScaleHeight() const { return peer_ ? peer_->ClientArea().height : position_.height; }

int Form::Width() const { return peer_ ? peer_->WindowArea().width : position_.width; }

int Form::Height() const { return peer_ ? peer_->WindowArea().height : position_.height; }

void Form::SetWindowState(WindowState state) {
  windowState_ = state;
  Sync(FormAspect::WindowState);
}

void Form::SetBackColor(Colour colour) {
  backColor_ = colour;
  Sync(FormAspect::Colours);
}

void Form::SetFont(Font font) {
  font_ = std::move(font);
  Sync(FormAspect::Font);
}

void Form::Load() {
  if (Loaded()) return;
  peer_ = runtime_.CreateFormPeer(*this);
  for (Control* control : controls_) control->AttachPeer(runtime_.CreateControlPeer(*control));
  Form_Load();
}

void Form::LoadControl(Control& control) {
  if (Loaded() && !control.Peer() && &control.Parent() == this) control.AttachPeer(runtime_.CreateControlPeer(control));
}

void Form::Show(bool modal) {
  Load();
  if (!Loaded()) return;  // the load handler unloaded the window again
  visible_ = true;
  Sync(FormAspect::Visible);
  if (modal) runtime_.RunModal(*this);
}

void Form::BringToFront() const { runtime_.BringToFront(*this); }

void Form::Hide() {
  if (!visible_) return;
  visible_ = false;
  Sync(FormAspect::Visible);
}

bool Form::Unload(UnloadMode mode) {
  if (!Loaded() || unloading_) return !Loaded();
  // Whatever a handler throws, the window leaves its unloading state: a query that fails keeps
  // the window as it was, an unload handler that fails still ends with the window gone. The
  // failure goes on to the caller.
  struct Unloading {
    bool& flag;
    explicit Unloading(bool& f) : flag(f) { flag = true; }
    ~Unloading() { flag = false; }
  } unloading(unloading_);
  bool cancel = false;
  Form_QueryUnload(cancel, mode);
  if (cancel) return false;
  std::exception_ptr failure;
  try {
    Form_Unload(cancel);
  } catch (...) {
    failure = std::current_exception();
    cancel = false;
  }
  if (!cancel) {
    visible_ = false;
    for (Control* control : controls_) control->DetachPeer();
    peer_.reset();
  }
  if (failure) std::rethrow_exception(failure);
  return !cancel;
}

namespace {

Control* ButtonWhere(const std::vector<Control*>& controls, bool (CommandButton::*role)() const) {
  for (Control* control : controls) {
    if (control->Kind() != ControlKind::CommandButton || !control->Enabled() || !control->Visible()) continue;
    if ((static_cast<CommandButton*>(control)->*role)()) return control;
  }
  return nullptr;
}

}  // namespace

Control* Form::DefaultButton() const { return ButtonWhere(controls_, &CommandButton::Default); }

Control* Form::CancelButton() const { return ButtonWhere(controls_, &CommandButton::Cancel); }

void Form::UserPressEnter() {
  if (Control* button = DefaultButton()) button->UserClick();
}

void Form::UserPressEscape() {
  if (Control* button = CancelButton())
    button->UserClick();
  else if (closesOnEscape_)
    UserClose(UnloadMode::ControlMenu);
}

void Form::Resized() { Form_Resize(); }

void Form::StateChangedByUser(WindowState state) {
  windowState_ = state;
  Form_Resize();
}

}  // namespace curfew::ui
