#pragma once

#include <windows.h>

#include <string>
#include <unordered_map>

#include "platform/win32/unique_handle.h"
#include "platform/win32/windowing/win32_dark_menu.h"
#include "platform/windowing/controls.h"
#include "platform/windowing/form.h"

namespace curfew::platform::win32 {

class Win32Runtime;
class Win32ControlPeer;

// A window of the program as a top-level window. Its procedure routes the notifications of its
// child controls, menu commands and timer ticks to the control objects.
class Win32FormPeer final : public ui::FormPeer {
 public:
  Win32FormPeer(Win32Runtime& runtime, ui::Form& form);
  ~Win32FormPeer() override;

  void Sync(ui::FormAspect aspect) override;
  NativeWindow Handle() const override { return reinterpret_cast<NativeWindow>(window_.get()); }
  ui::TwipsRect ClientArea() const override;
  ui::TwipsRect WindowArea() const override;

  HWND Window() const { return window_.get(); }
  Win32Runtime& Runtime() const { return runtime_; }
  UINT Dpi() const;
  // The menu bar, created with its first entry.
  HMENU MenuBar();
  HMENU ExistingMenuBar() const { return menuBar_; }
  // The brush of the menus' background in a dark look; null in a light one, where the system
  // draws the menus.
  HBRUSH MenuBackground() const { return menuBackground_.get(); }
  MenuColours MenuColoursOfLook() const;

  // Control peers announce themselves for the notifications they handle.
  UINT RegisterChild(HWND child, Win32ControlPeer& peer);
  UINT RegisterCommand(Win32ControlPeer& peer);
  void Unregister(Win32ControlPeer& peer);
  void StartTimer(const ui::Timer& timer);
  void StopTimer(const ui::Timer& timer);
  // Asks the child's peer to read its state once the messages in the queue have run.
  void PostDeferredRead(HWND child);
  // Runs the Click of the menu entry with this command id.
  void RunCommand(UINT id);
  // The tip a child window shows while the mouse rests on it; empty text takes it away.
  void SetToolTip(HWND child, const std::string& text);
  // As in a dialog, a push button with the keyboard focus is the one Enter presses and the one
  // drawn as the default; while none has it, the window's default button is.
  void PushButtonFocused(HWND button, bool focused);
  bool ActsAsDefault(const ui::Control& button) const;
  // Gives the window's buttons and boxes their captions with access keys, anew whenever one of
  // them or the menu bar changes its caption; returns the caption of the asking control.
  std::string ShowAccessKeys(const ui::Control* asking);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnNotify(const NMHDR& header);
  LRESULT OnControlColour(HDC dc, HWND child);
  bool OnDrawItem(const DRAWITEMSTRUCT& item);
  bool OnMeasureItem(MEASUREITEMSTRUCT& item);
  Win32ControlPeer* MenuEntryPeer(ULONG_PTR itemData, UINT itemId) const;
  LRESULT OnMenuChar(wchar_t typed, HMENU menu);
  void PaintMenuBarRest() const;
  LRESULT OnSize(WPARAM wParam);
  bool OnEraseBackground(HDC dc);
  void ShowAsStated();
  void ApplyLook();
  void FocusFirstTabStop();
  LRESULT OnNextControl(WPARAM wParam, LPARAM lParam);
  LRESULT OnDefaultId() const;
  void OnMinMaxInfo(MINMAXINFO& info) const;
  bool OnActivate(WPARAM wParam);

  Win32Runtime& runtime_;
  ui::Form& form_;
  WindowHandle window_;  // taken at WM_NCCREATE
  DWORD style_ = 0;
  DWORD extendedStyle_ = 0;
  HMENU menuBar_ = nullptr;
  // The control that had the focus when the window was last active.
  HWND focus_ = nullptr;
  // The push button that has the keyboard focus, if one has.
  HWND focusedPushButton_ = nullptr;
  BrushObject background_;
  UINT dpi_ = 0;  // from the last DPI change; 0 until one came
  BrushObject menuBackground_;
  // The tool tips of the window's controls, made with the first of them.
  WindowHandle toolTips_;
  std::unordered_map<HWND, Win32ControlPeer*> children_;
  std::unordered_map<UINT, Win32ControlPeer*> commands_;
  std::unordered_map<UINT_PTR, const ui::Timer*> timers_;
  UINT nextId_ = 1000;
};

}  // namespace curfew::platform::win32
