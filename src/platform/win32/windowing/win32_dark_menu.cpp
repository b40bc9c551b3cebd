#include "platform/win32/windowing/win32_dark_menu.h"

#include <algorithm>
#include <cwctype>

#include "platform/win32/unique_handle.h"
#include "platform/win32/windowing/win32_gdi_scope.h"

namespace curfew::platform::win32 {
namespace {

int Scaled(int pixelsAt96, UINT dpi) { return MulDiv(pixelsAt96, static_cast<int>(dpi), 96); }

// The menu font of the system at the DPI.
FontObject MenuFont(UINT dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi)) {
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    metrics.lfMenuFont.lfHeight = MulDiv(metrics.lfMenuFont.lfHeight, static_cast<int>(dpi), 96);
  }
  return FontObject(CreateFontIndirectW(&metrics.lfMenuFont));
}

// Room on the left of a drop-down entry for its check mark, and on the right for an arrow.
int CheckRoom(UINT dpi) { return Scaled(28, dpi); }
int ArrowRoom(UINT dpi) { return Scaled(22, dpi); }
int BarPadding(UINT dpi) { return Scaled(7, dpi); }

void FillWith(HDC dc, const RECT& area, COLORREF colour) {
  const BrushObject brush(CreateSolidBrush(colour));
  FillRect(dc, &area, brush.get());
}

void DrawCheckMark(HDC dc, const RECT& room, COLORREF colour, UINT dpi) {
  const UniqueHandle<handle_traits::Gdi<HPEN>> pen(CreatePen(PS_SOLID, std::max(1, Scaled(2, dpi)), colour));
  const SelectedObject drawing(dc, pen.get());
  const int x = room.left + (room.right - room.left) / 2;
  const int y = room.top + (room.bottom - room.top) / 2;
  const POINT tick[] = {
      {x - Scaled(5, dpi), y}, {x - Scaled(2, dpi), y + Scaled(3, dpi)}, {x + Scaled(5, dpi), y - Scaled(4, dpi)}};
  Polyline(dc, tick, 3);
}

}  // namespace

void MeasureMenuEntry(MEASUREITEMSTRUCT& item, const std::wstring& caption, bool separator, MenuPlace place, UINT dpi) {
  if (separator) {
    item.itemWidth = 0;
    item.itemHeight = static_cast<UINT>(Scaled(7, dpi));
    return;
  }
  const WindowDcScope screen(nullptr);
  const FontObject font = MenuFont(dpi);
  const SelectedObject inFont(screen.Dc(), font.get());
  RECT text{0, 0, 0, 0};
  DrawTextW(screen.Dc(), caption.c_str(), -1, &text, DT_SINGLELINE | DT_CALCRECT);
  const int height = std::max<int>(text.bottom, GetSystemMetricsForDpi(SM_CYMENUSIZE, dpi)) + Scaled(4, dpi);
  if (place == MenuPlace::Bar) {
    item.itemWidth = static_cast<UINT>(text.right + 2 * BarPadding(dpi));
    item.itemHeight = static_cast<UINT>(GetSystemMetricsForDpi(SM_CYMENU, dpi));
    return;
  }
  item.itemWidth = static_cast<UINT>(CheckRoom(dpi) + text.right + ArrowRoom(dpi));
  item.itemHeight = static_cast<UINT>(height);
}

void DrawMenuEntry(const DRAWITEMSTRUCT& item, const std::wstring& caption, bool separator, MenuPlace place,
                   const MenuColours& colours, UINT dpi) {
  const HDC dc = item.hDC;
  const RECT& area = item.rcItem;
  const bool disabled = (item.itemState & (ODS_DISABLED | ODS_GRAYED)) != 0;
  const bool hot = !disabled && (item.itemState & (ODS_SELECTED | ODS_HOTLIGHT)) != 0;
  FillWith(dc, area, hot ? colours.hotBack : colours.back);
  if (separator) {
    const int y = (area.top + area.bottom) / 2;
    FillWith(dc, RECT{area.left + Scaled(4, dpi), y, area.right - Scaled(4, dpi), y + std::max(1, Scaled(1, dpi))},
             colours.separator);
    return;
  }
  const COLORREF text = disabled ? colours.disabledText : colours.text;
  const FontObject font = MenuFont(dpi);
  const SelectedObject inFont(dc, font.get());
  const SavedDcState before(dc);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, text);
  // The access key shows underlined once the keyboard was used, as in the system's menus.
  const UINT prefix = (item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
  RECT room = area;
  if (place == MenuPlace::Bar) {
    DrawTextW(dc, caption.c_str(), -1, &room, DT_SINGLELINE | DT_VCENTER | DT_CENTER | prefix);
    return;
  }
  if (item.itemState & ODS_CHECKED)
    DrawCheckMark(dc, RECT{area.left, area.top, area.left + CheckRoom(dpi), area.bottom}, text, dpi);
  room.left += CheckRoom(dpi);
  room.right -= ArrowRoom(dpi);
  DrawTextW(dc, caption.c_str(), -1, &room, DT_SINGLELINE | DT_VCENTER | DT_LEFT | prefix);
}

int MenuEntryWithAccessKey(HMENU menu, wchar_t typed, const std::function<std::wstring(ULONG_PTR)>& captionOf) {
  const int count = GetMenuItemCount(menu);
  for (int place = 0; place < count; ++place) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA | MIIM_STATE;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(place), TRUE, &info) || (info.fState & MFS_DISABLED)) continue;
    const std::wstring caption = captionOf(info.dwItemData);
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
      if (caption[i] != L'&') continue;
      if (caption[i + 1] == L'&') {
        ++i;
        continue;
      }
      if (std::towupper(caption[i + 1]) == std::towupper(typed)) return place;
      break;
    }
  }
  return -1;
}

}  // namespace curfew::platform::win32
