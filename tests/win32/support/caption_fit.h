#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/win32/text_conversion.h"
#include "platform/windowing/form.h"
#include "win32/support/text_fit.h"

namespace curfew::test {

// Every caption of a window's visible controls that its control cuts, as "control: caption":
// a label's on one line or wrapped within its height, a check box's or option button's beside
// its box (wrapped where the box is multi-line), a push button's within its edges, a frame's within its border.
inline std::vector<std::string> CutCaptions(const ui::Form& form) {
  std::vector<std::string> cut;
  const int box = GetSystemMetrics(SM_CXMENUCHECK) + 6;
  for (const ui::Control* control : form.Controls()) {
    const auto window = reinterpret_cast<HWND>(control->Handle());
    if (!window || !IsWindowVisible(window)) continue;
    if (control->Kind() == ui::ControlKind::ListView) {
      // Each column's title within its column.
      const HWND header = ListView_GetHeader(window);
      for (int column = 0; column < Header_GetItemCount(header); ++column) {
        wchar_t title[128] = {};
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH;
        item.pszText = title;
        item.cchTextMax = static_cast<int>(std::size(title));
        Header_GetItem(header, column, &item);
        if (TextExtent(header, title).cx + 12 > item.cxy)
          cut.push_back(control->Name() + " column: " + platform::win32::WideToUtf8(title));
      }
      continue;
    }
    wchar_t buffer[1024] = {};
    GetWindowTextW(window, buffer, static_cast<int>(std::size(buffer)));
    const std::wstring text = buffer;
    if (text.empty()) continue;
    const SIZE room = ClientSize(window);
    const LONG oneLine = TextExtent(window, text).cx;
    bool fits = true;
    switch (control->Kind()) {
      case ui::ControlKind::Label:
      case ui::ControlKind::SkinLabel:
        fits = oneLine <= room.cx || TextExtent(window, text, room.cx).cy <= room.cy;
        break;
      case ui::ControlKind::CheckBox:
      case ui::ControlKind::OptionButton:
        // A box with room for several lines wraps its caption beside the box.
        fits = oneLine + box <= room.cx || ((GetWindowLongW(window, GWL_STYLE) & BS_MULTILINE) &&
                                            TextExtent(window, text, room.cx - box).cy <= room.cy);
        break;
      case ui::ControlKind::CommandButton: fits = oneLine + 8 <= room.cx; break;
      case ui::ControlKind::Frame: fits = oneLine + 16 <= room.cx; break;
      // A picker's date or time beside its drop-down or spin buttons.
      case ui::ControlKind::DatePicker:
      case ui::ControlKind::TimePicker: fits = oneLine + GetSystemMetrics(SM_CXVSCROLL) + 6 <= room.cx; break;
      default: continue;
    }
    if (!fits) cut.push_back(control->Name() + ": " + platform::win32::WideToUtf8(text));
  }
  return cut;
}

}  // namespace curfew::test
