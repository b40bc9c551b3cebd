#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace curfew::platform::win32 {

// The colours a menu is drawn in while its window is in a dark look.
struct MenuColours {
  COLORREF back;
  COLORREF text;
  COLORREF hotBack;
  COLORREF disabledText;
  COLORREF separator;
};

// Where a menu entry stands: in the window's menu bar, or in a menu that drops down or pops up.
enum class MenuPlace { Bar, Popup };

// The size of an owner-drawn entry at a DPI: its caption (with "&" before the access key) in
// the menu font, room for a check mark and a sub-menu arrow in a drop-down menu.
void MeasureMenuEntry(MEASUREITEMSTRUCT& item, const std::wstring& caption, bool separator, MenuPlace place, UINT dpi);
// Draws an entry as the system would (the access key underlined unless the keyboard was not
// used, a check mark, a dimmed caption when disabled, a line for a separator, the keyboard's or
// the mouse's highlight), in the given colours.
void DrawMenuEntry(const DRAWITEMSTRUCT& item, const std::wstring& caption, bool separator, MenuPlace place,
                   const MenuColours& colours, UINT dpi);

// The place of the enabled entry of a menu whose access key is the character typed, or -1. The
// system cannot see the keys of owner-drawn entries; the captions come from captionOf(the
// entry's item data), an empty text for an entry it does not know.
int MenuEntryWithAccessKey(HMENU menu, wchar_t typed, const std::function<std::wstring(ULONG_PTR)>& captionOf);

}  // namespace curfew::platform::win32
