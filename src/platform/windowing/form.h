#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/native_window.h"
#include "platform/windowing/canvas.h"
#include "platform/windowing/control.h"
#include "platform/windowing/look.h"

namespace curfew::ui {

class WindowRuntime;

// Why a window is being closed, as its query-unload handler is told.
enum class UnloadMode { ControlMenu = 0, Code = 1, AppWindows = 2, TaskManager = 3 };
enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };
enum class FormAspect { Caption, Visible, WindowState, Position, ClientSize, Colours, Font, Look, Topmost };
// Sizable: the ordinary resizable window. FixedDialog: a dialog frame without minimise and
// maximise boxes. None: no frame at all (a splash).
enum class BorderStyle { Sizable, FixedDialog, None };
// A change of the system that every window hears of: the computer woke from sleep, the clock
// was set, or the user switched between light and dark mode or high contrast.
// Resumed: back from sleep on its own (a wake timer); SessionEndCancelled: a log-off, shut-down or
// restart was refused by some program after it began.
enum class SystemChange { Resumed, ClockChanged, ColourSchemeChanged, DpiChanged, SessionEndCancelled };

// The back end's side of a window.
class FormPeer {
 public:
  virtual ~FormPeer() = default;
  virtual void Sync(FormAspect aspect) = 0;
  virtual platform::NativeWindow Handle() const { return 0; }
  // The client area and the whole window in twips, as the back end measures them.
  virtual TwipsRect ClientArea() const = 0;
  virtual TwipsRect WindowArea() const = 0;
};

// One window of the program. A window class derives from Form, holds its controls as members
// (their declaration order is the window's control order) and overrides the handlers.
class Form {
 public:
  Form(WindowRuntime& runtime, std::string name);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  const std::string& Name() const { return name_; }
  WindowRuntime& Runtime() const { return runtime_; }
  const std::vector<Control*>& Controls() const { return controls_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // The outer position; the size that Load starts with.
  const TwipsRect& Position() const { return position_; }
  void Move(const TwipsRect& position);
  // Asks for a client area of exactly this size in twips when the window is loaded; the back
  // end adds its frame, caption and menu bar around it.
  void SetClientSize(int widthTwips, int heightTwips);
  const std::optional<TwipsRect>& RequestedClientSize() const { return clientSize_; }
  // The smallest client area the user may size the window to; none by default.
  void SetMinimumClientSize(int widthTwips, int heightTwips) {
    minimumClientSize_ = TwipsRect{0, 0, widthTwips, heightTwips};
  }
  const std::optional<TwipsRect>& MinimumClientSize() const { return minimumClientSize_; }
  // The client area's size in twips.
  int ScaleWidth() const;
  int ScaleHeight() const;
  // The whole window's size in twips.
  int Width() const;
  int Height() const;
  // How the window is framed, and whether it opens centred on the screen; both take effect
  // when the window is loaded.
  BorderStyle GetBorderStyle() const { return borderStyle_; }
  void SetBorderStyle(BorderStyle style) { borderStyle_ = style; }
  bool ControlBox() const { return controlBox_; }
  void SetControlBox(bool shown) { controlBox_ = shown; }
  // Whether a sizable window has its minimise and maximise buttons (it has by default).
  bool MinMaxButtons() const { return minMaxButtons_; }
  void SetMinMaxButtons(bool shown) { minMaxButtons_ = shown; }
  bool Centred() const { return centred_; }
  void SetCentred(bool centred) { centred_ = centred; }
  WindowState GetWindowState() const { return windowState_; }
  void SetWindowState(WindowState state);
  // Above every window that is not topmost itself, or back among them, where it is now.
  bool Topmost() const { return topmost_; }
  void SetTopmost(bool topmost) {
    topmost_ = topmost;
    Sync(FormAspect::Topmost);
  }
  // A window that appears without taking the keyboard from the window the user works in (a
  // warning over what is being typed); a click on it still activates it.
  bool ActivatesOnShow() const { return activatesOnShow_; }
  void SetActivatesOnShow(bool activates) { activatesOnShow_ = activates; }
  Colour BackColor() const { return backColor_; }
  void SetBackColor(Colour colour);
  const Font& GetFont() const { return font_; }
  void SetFont(Font font);
  // The window's own drawing of its buttons and title bar; none leaves both to the system.
  const std::optional<WindowLook>& Look() const { return look_; }
  void SetLook(std::optional<WindowLook> look) {
    look_ = std::move(look);
    Sync(FormAspect::Look);
  }

  bool Loaded() const { return peer_ != nullptr; }
  // A control made while the window is loaded (a new element of a control array) gets its side
  // in the back end here, once it is complete; it goes again with the control or the window.
  void LoadControl(Control& control);
  // Creates the window and its controls and raises Load; nothing when already loaded.
  void Load();
  // Loads when needed and shows the window; a modal one returns once it is hidden again.
  void Show(bool modal = false);
  void Hide();
  bool Visible() const { return visible_; }
  // A loaded window comes to the front as it is.
  void BringToFront() const;
  // Asks QueryUnload and Unload; returns false when a handler cancelled.
  bool Unload(UnloadMode mode = UnloadMode::Code);
  platform::NativeWindow Handle() const { return peer_ ? peer_->Handle() : 0; }
  FormPeer* Peer() const { return peer_.get(); }

  // The enabled, visible push buttons that Enter and Esc press anywhere in the window; null
  // when there is none.
  Control* DefaultButton() const;
  Control* CancelButton() const;
  // What Enter and Esc do in the window: click its default or cancel button. A window without
  // a cancel button that closes on Esc (a window of settings or facts with nothing to cancel)
  // closes as its close box would.
  void UserPressEnter();
  void UserPressEscape();
  void SetClosesOnEscape(bool closes) { closesOnEscape_ = closes; }

  // What the back end reports.
  void UserClose(UnloadMode mode = UnloadMode::ControlMenu) { Unload(mode); }
  void Resized();
  void Painted(Canvas& canvas) { Form_Paint(canvas); }
  void SystemChanged(SystemChange change) { Form_SystemChange(change); }
  void StateChangedByUser(WindowState state);

 protected:
  virtual void Form_Load() {}
  virtual void Form_QueryUnload(bool& /*cancel*/, UnloadMode /*mode*/) {}
  virtual void Form_Unload(bool& /*cancel*/) {}
  virtual void Form_Resize() {}
  virtual void Form_Paint(Canvas& /*canvas*/) {}
  virtual void Form_SystemChange(SystemChange /*change*/) {}

 private:
  friend class Control;
  void Register(Control* control) { controls_.push_back(control); }
  void Unregister(Control* control);
  void Sync(FormAspect aspect);

  WindowRuntime& runtime_;
  std::string name_;
  std::string caption_;
  TwipsRect position_{0, 0, 6000, 4500};
  WindowState windowState_ = WindowState::Normal;
  Colour backColor_ = kButtonFace;
  Font font_{};
  std::optional<WindowLook> look_;
  BorderStyle borderStyle_ = BorderStyle::Sizable;
  bool controlBox_ = true;
  bool minMaxButtons_ = true;
  bool centred_ = false;
  bool topmost_ = false;
  bool activatesOnShow_ = true;
  bool closesOnEscape_ = false;
  bool visible_ = false;
  bool unloading_ = false;
  std::optional<TwipsRect> clientSize_;
  std::optional<TwipsRect> minimumClientSize_;
  std::vector<Control*> controls_;
  std::unique_ptr<FormPeer> peer_;
};

}  // namespace curfew::ui
