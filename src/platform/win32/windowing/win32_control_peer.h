#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "platform/windowing/controls.h"

namespace curfew::platform::win32 {

class Win32FormPeer;

// One control as a child window of its form (or, for a menu entry, an item of a menu; for a
// timer, a timer of the form's window).
class Win32ControlPeer final : public ui::ControlPeer {
 public:
  Win32ControlPeer(Win32FormPeer& form, ui::Control& control);
  ~Win32ControlPeer() override;

  void Sync(ui::Aspect aspect) override;
  void Refresh() override;
  NativeWindow Handle() const override { return reinterpret_cast<NativeWindow>(window_.get()); }
  void ListRowAdded(int row) override;
  void ListRowRemoved(int row) override;
  void ListCellChanged(int row, int column) override;

  // Notifications from the form's window procedure.
  void OnCommand(WORD code);
  LRESULT OnNotify(const NMHDR& header);
  void OnMenuCommand();
  // A state change the window makes only after its notification has returned.
  void OnDeferredRead();
  // The colours of a child window being drawn; null when the defaults serve.
  HBRUSH OnControlColour(HDC dc);
  HMENU Popup() const { return popup_; }

 private:
  void Create();
  void CreateMenuEntry();
  void Place();
  void ApplyFont();
  void ApplyColours();
  void SyncText();
  void SyncItems();
  void ShowListCell(NMLVDISPINFOW& request);
  void SyncSelection();
  void SyncValue();
  void SyncMenuEntry();
  void SyncTimer();
  void SyncRole();
  void KeepGroupReachable();
  void ReadTreeChecks();

  Win32FormPeer& form_;
  ui::Control& control_;
  WindowHandle window_;
  // Menu entries: the command id, the menu that holds the entry, the entry's own sub-menu.
  UINT commandId_ = 0;
  HMENU owner_ = nullptr;
  HMENU popup_ = nullptr;
  // A sub-menu that no menu holds (a pop-up menu) is the entry's own; a held one goes with
  // the menu that holds it.
  MenuHandle ownPopup_;
  std::vector<HTREEITEM> treeItems_;
  // The text of the list view cell shown last: the list view copies it at once.
  std::wstring cellText_;
  FontObject font_;
  BrushObject brush_;
  // Set while the peer changes the window itself, so that the window's echo is not taken for a
  // user's action.
  bool syncing_ = false;
};

}  // namespace curfew::platform::win32
