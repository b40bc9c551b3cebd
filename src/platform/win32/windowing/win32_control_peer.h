#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "platform/win32/unique_handle.h"
#include "platform/windowing/controls.h"
#include "platform/windowing/form.h"

namespace curfew::platform::win32 {

class Win32FormPeer;

// The Win32 side of one control. The form's window procedure hands each peer the
// notifications of its own window (or, for a menu entry, its command); a kind answers those it
// has.
class Win32ControlPeer : public ui::ControlPeer {
 public:
  virtual void OnCommand(WORD /*code*/) {}
  virtual LRESULT OnNotify(const NMHDR& /*header*/) { return 0; }
  virtual void OnMenuCommand() {}
  // A scroll of a control that scrolls through its parent (a track bar, an up-down control):
  // WM_HSCROLL or WM_VSCROLL with its request; false when the control takes no such scroll.
  virtual bool OnScroll(UINT /*message*/, WORD /*request*/) { return false; }
  // A state change the window makes only after its notification has returned.
  virtual void OnDeferredRead() {}
  // The window's client area took a new size.
  virtual void OnFormResized() {}
  // The button Enter presses changed (the keyboard focus moved to or from a push button).
  virtual void OnDefaultButtonMoved() {}
  // The colours of a child window being drawn (the control's own window, or a window inside it
  // such as a combo box's edit field); null when the defaults serve.
  virtual HBRUSH OnControlColour(HDC /*dc*/, HWND /*asking*/) { return nullptr; }
  // An item the control leaves to its owner to draw or measure; false when it has none.
  virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
  virtual bool OnMeasureItem(MEASUREITEMSTRUCT& /*item*/) { return false; }
  // A menu entry's caption with "&" before its access key; empty for other controls.
  virtual std::wstring MenuCaption() const { return {}; }
  // The context menu asked for on the control (WM_CONTEXTMENU's position, -1 from the keyboard);
  // false when the control has none.
  virtual bool OnContextMenu(LPARAM /*where*/) { return false; }
  // The sub-menu of a menu entry that has entries of its own.
  virtual HMENU Popup() const { return nullptr; }
};

// A control that is a child window of its form. The base owns the window and shows what every
// kind shares (placement, font, colours, enabled, visible); each kind shows the rest.
class Win32WindowedPeer : public Win32ControlPeer {
 public:
  ~Win32WindowedPeer() override;
  void Sync(ui::Aspect aspect) final;
  void Refresh() override;
  NativeWindow Handle() const override { return reinterpret_cast<NativeWindow>(window_.get()); }
  int CaptionWidthTwips() const override;
  HBRUSH OnControlColour(HDC dc, HWND asking) override;

 protected:
  Win32WindowedPeer(Win32FormPeer& form, ui::Control& control) : form_(form), control_(control) {}
  // Makes the window and shows the control's whole state in it; each kind's constructor calls
  // it, so that the kind's own ShowOwn runs too.
  void Create(const wchar_t* className, DWORD style, DWORD extendedStyle = 0);
  // Shows an aspect that is the kind's own (caption, text, value, items, selection, role).
  virtual void ShowOwn(ui::Aspect aspect) = 0;
  // What a kind sets on its new window before its state is shown (styles the system takes only
  // after creation).
  virtual void Prepare() {}
  // Moves the window to the control's place, then lets the kind follow its new size.
  virtual void Place();
  // The control's place in the form's client area, in pixels at the window's dots per inch.
  virtual RECT PixelRect() const;
  // What a kind does once its window has its place (a picture sized to it, say).
  virtual void Placed() {}
  virtual void ApplyColours();
  // Hands the keys typed into this window to the control's KeyPress handler first.
  void WatchKeys(HWND typing);

  HWND Window() const { return window_.get(); }
  Win32FormPeer& FormPeer() const { return form_; }
  ui::Control& Model() const { return control_; }
  // Runs a change the peer makes to its window itself: the window's echo of it is no user's
  // action, and notifications that arrive meanwhile are ignored.
  template <typename Change>
  void Quietly(Change&& change) {
    const bool was = syncing_;
    syncing_ = true;
    change();
    syncing_ = was;
  }
  bool Syncing() const { return syncing_; }
  // Expires with the peer: a handler that may unload the window (and the peer with it) looks
  // before it touches the peer again.
  std::weak_ptr<const bool> Alive() const { return alive_; }

 private:
  void ApplyFont();

  Win32FormPeer& form_;
  ui::Control& control_;
  WindowHandle window_;
  FontObject font_;
  BrushObject brush_;
  bool syncing_ = false;
  bool creating_ = false;
  std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
};

// A windowed peer typed on its control's model class: the factory, which knows the kind, hands
// the model over as that class, and Model() gives that class.
template <typename ModelClass>
class Win32PeerOf : public Win32WindowedPeer {
 public:
  Win32PeerOf(Win32FormPeer& form, ModelClass& model) : Win32WindowedPeer(form, model), model_(model) {}
  ModelClass& Model() const { return model_; }

 private:
  ModelClass& model_;
};

// The text of a window.
std::wstring WindowText(HWND window);

}  // namespace curfew::platform::win32
