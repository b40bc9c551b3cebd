// The window's look and the parts it draws itself: the title bar, owner-drawn items, and the
// menus in a dark look (an entry's peer, the access keys of owner-drawn entries, the bar beyond
// its entries, the entries' colours).
#include <windows.h>

#include <dwmapi.h>

#include "platform/win32/windowing/win32_control_peer.h"
#include "platform/win32/windowing/win32_form_peer.h"
#include "platform/win32/windowing/win32_gdi_scope.h"
#include "platform/win32/windowing/win32_runtime.h"

namespace curfew::platform::win32 {

// The title bar in the look's colours where Windows lets a program choose them (Windows 11;
// elsewhere the calls fail and change nothing), and the controls drawn anew in the look.
void Win32FormPeer::ApplyLook() {
  constexpr DWORD kUseImmersiveDarkMode = 20;
  constexpr DWORD kCaptionColour = 35;
  constexpr DWORD kTextColour = 36;
  constexpr COLORREF kDefaultColour = 0xFFFFFFFF;
  const auto& look = form_.Look();
  const BOOL dark = look && look->dark;
  // Windows 10 before build 19041 answers to an older number of the same attribute.
  constexpr DWORD kUseImmersiveDarkModeBefore20H1 = 19;
  if (FAILED(DwmSetWindowAttribute(window_.get(), kUseImmersiveDarkMode, &dark, sizeof(dark))))
    DwmSetWindowAttribute(window_.get(), kUseImmersiveDarkModeBefore20H1, &dark, sizeof(dark));
  const COLORREF caption = look ? ToColorRef(look->captionBack) : kDefaultColour;
  const COLORREF text = look ? ToColorRef(look->captionText) : kDefaultColour;
  DwmSetWindowAttribute(window_.get(), kCaptionColour, &caption, sizeof(caption));
  DwmSetWindowAttribute(window_.get(), kTextColour, &text, sizeof(text));
  // Menus in a dark look: the bar's background here, each entry and menu through its peer. The
  // brush they had goes only once they have the new one.
  BrushObject previousMenuBackground = std::move(menuBackground_);
  if (dark) menuBackground_.reset(CreateSolidBrush(ToColorRef(form_.BackColor())));
  if (menuBar_) {
    MENUINFO menu{};
    menu.cbSize = sizeof(menu);
    menu.fMask = MIM_BACKGROUND;
    menu.hbrBack = menuBackground_.get();
    SetMenuInfo(menuBar_, &menu);
  }
  for (ui::Control* control : form_.Controls())
    if (control->Peer()) control->Peer()->Sync(ui::Aspect::Role);
  if (menuBar_) DrawMenuBar(window_.get());
  RedrawWindow(window_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// A menu entry's data names its command (an entry that holds a sub-menu has the sub-menu's
// handle for its id).
Win32ControlPeer* Win32FormPeer::MenuEntryPeer(ULONG_PTR itemData, UINT itemId) const {
  auto found = commands_.find(static_cast<UINT>(itemData));
  if (found == commands_.end()) found = commands_.find(itemId);
  return found == commands_.end() ? nullptr : found->second;
}

// The system cannot see the access keys of owner-drawn entries: the key typed chooses the entry
// whose caption has it, as the system's own menus do.
LRESULT Win32FormPeer::OnMenuChar(wchar_t typed, HMENU menu) {
  const int place = MenuEntryWithAccessKey(menu, typed, [this](ULONG_PTR itemData) {
    const Win32ControlPeer* entry = MenuEntryPeer(itemData, 0);
    return entry ? entry->MenuCaption() : std::wstring();
  });
  return place < 0 ? MAKELRESULT(0, MNC_IGNORE) : MAKELRESULT(place, MNC_EXECUTE);
}

// In a dark look the menu bar beyond its last entry, and the line under it, take the menus'
// background: some systems paint them in the light menu colour whatever the bar's background.
void Win32FormPeer::PaintMenuBarRest() const {
  if (!menuBackground_ || !menuBar_ || GetMenu(window_.get()) != menuBar_) return;
  const int count = GetMenuItemCount(menuBar_);
  MENUBARINFO bar{};
  bar.cbSize = sizeof(bar);
  RECT last{};
  if (count <= 0 || !GetMenuBarInfo(window_.get(), OBJID_MENU, 0, &bar) ||
      !GetMenuItemRect(window_.get(), menuBar_, static_cast<UINT>(count - 1), &last))
    return;
  RECT outer{};
  GetWindowRect(window_.get(), &outer);
  const WindowDcScope frame(window_.get(), WindowDcScope::Area::WholeWindow);
  const RECT rest{last.right - outer.left, last.top - outer.top, bar.rcBar.right - outer.left,
                  bar.rcBar.bottom - outer.top};
  FillRect(frame.Dc(), &rest, menuBackground_.get());
  // The line some systems draw under the bar, where it lies outside the client area.
  POINT clientTop{0, 0};
  ClientToScreen(window_.get(), &clientTop);
  if (clientTop.y > bar.rcBar.bottom) {
    const RECT lineBelow{bar.rcBar.left - outer.left, bar.rcBar.bottom - outer.top, bar.rcBar.right - outer.left,
                         clientTop.y - outer.top};
    FillRect(frame.Dc(), &lineBelow, menuBackground_.get());
  }
}

MenuColours Win32FormPeer::MenuColoursOfLook() const {
  const auto& look = form_.Look();
  if (!look)
    return {GetSysColor(COLOR_MENU), GetSysColor(COLOR_MENUTEXT), GetSysColor(COLOR_HIGHLIGHT),
            GetSysColor(COLOR_GRAYTEXT), GetSysColor(COLOR_3DSHADOW)};
  return {ToColorRef(form_.BackColor()), ToColorRef(look->normal.text), ToColorRef(look->hot.border),
          ToColorRef(look->disabled.text), ToColorRef(look->normal.border)};
}

// Owner-drawn items go to the peer of their control, or of their menu entry.
bool Win32FormPeer::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlType == ODT_MENU) {
    Win32ControlPeer* entry = MenuEntryPeer(item.itemData, item.itemID);
    return entry && entry->OnDrawItem(item);
  }
  const auto found = children_.find(item.hwndItem);
  return found != children_.end() && found->second->OnDrawItem(item);
}

bool Win32FormPeer::OnMeasureItem(MEASUREITEMSTRUCT& item) {
  if (item.CtlType == ODT_MENU) {
    Win32ControlPeer* entry = MenuEntryPeer(item.itemData, item.itemID);
    return entry && entry->OnMeasureItem(item);
  }
  const auto found = children_.find(GetDlgItem(window_.get(), static_cast<int>(item.CtlID)));
  return found != children_.end() && found->second->OnMeasureItem(item);
}

}  // namespace curfew::platform::win32
