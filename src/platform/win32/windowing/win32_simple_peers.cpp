// The date and time pickers, the status bar and the tab strip.
#include <vector>
#include "platform/win32/system_time.h"
#include "platform/win32/text_conversion.h"

#include "platform/win32/windowing/win32_control_peers.h"
#include "platform/win32/windowing/win32_dark_recolouring.h"
#include "platform/win32/windowing/win32_form_peer.h"
#include "platform/win32/windowing/win32_runtime.h"

namespace curfew::platform::win32 {

Win32DateTimePeer::Win32DateTimePeer(Win32FormPeer& form, ui::DateTimePicker& control) : Win32PeerOf(form, control) {
  const bool time = control.Kind() == ui::ControlKind::TimePicker;
  Create(DATETIMEPICK_CLASSW, WS_TABSTOP | (time ? DTS_TIMEFORMAT | DTS_UPDOWN : DTS_SHORTDATEFORMAT));
  // The system draws the field and the spin buttons light whatever colours they ask for.
  RecolourWhenDark(Window(), control);
  RecolourWhenDark(FindWindowExW(Window(), nullptr, UPDOWN_CLASSW, nullptr), control);
}

// Whatever the window's look, the system draws the field light: a dark look recolours it.
HBRUSH Win32DateTimePeer::OnControlColour(HDC dc, HWND /*asking*/) { return LightSystemColours(dc); }

void Win32DateTimePeer::ShowOwn(ui::Aspect aspect) {
  if (aspect != ui::Aspect::Value) return;
  const auto& picker = Model();
  Quietly([&] {
    if (const auto& range = picker.Range()) {
      SYSTEMTIME limits[2] = {ToSystemTime(range->first), ToSystemTime(range->second)};
      DateTime_SetRange(Window(), GDTR_MIN | GDTR_MAX, limits);
    }
    SYSTEMTIME time = ToSystemTime(picker.GetDateTime());
    if (time.wYear >= 1601) DateTime_SetSystemtime(Window(), GDT_VALID, &time);
  });
}

LRESULT Win32DateTimePeer::OnNotify(const NMHDR& header) {
  // The calendar is made anew for each drop-down.
  if (header.code == DTN_DROPDOWN) RecolourWhenDark(DateTime_GetMonthCal(Window()), Model());
  if (Syncing() || header.code != DTN_DATETIMECHANGE) return 0;
  const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
  if (change.dwFlags == GDT_VALID) Model().UserChange(FromSystemTime(change.st));
  return 0;
}

Win32StatusBarPeer::Win32StatusBarPeer(Win32FormPeer& form, ui::StatusBar& control) : Win32PeerOf(form, control) {
  Create(STATUSCLASSNAMEW, SBARS_SIZEGRIP);
  RecolourWhenDark(Window(), control);  // the bar is drawn light whatever its colours
}

void Win32StatusBarPeer::ShowOwn(ui::Aspect aspect) {
  const auto& bar = Model();
  if (aspect == ui::Aspect::Items) {
    // Each panel's right edge; the last panel takes the rest of the bar.
    std::vector<int> edges;
    int right = 0;
    const UINT dpi = FormPeer().Dpi();
    for (int n = 1; n <= bar.PanelCount(); ++n) {
      right += TwipsToPixels(bar.GetPanel(n).widthTwips, dpi);
      edges.push_back(n == bar.PanelCount() ? -1 : right);
    }
    SendMessageW(Window(), SB_SIMPLE, edges.empty(), 0);
    if (!edges.empty()) SendMessageW(Window(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  }
  if (aspect != ui::Aspect::Items && aspect != ui::Aspect::Text) return;
  Quietly([&] {
    if (bar.PanelCount() == 0) {
      SetWindowTextW(Window(), Utf8ToWide(bar.Text()).c_str());
      return;
    }
    for (int n = 1; n <= bar.PanelCount(); ++n) {
      const std::wstring text = Utf8ToWide(bar.GetPanel(n).text);
      SendMessageW(Window(), SB_SETTEXTW, static_cast<WPARAM>(n - 1), reinterpret_cast<LPARAM>(text.c_str()));
    }
  });
}

void Win32StatusBarPeer::Placed() { SendMessageW(Window(), WM_SIZE, 0, 0); }  // a status bar places itself

Win32TabStripPeer::Win32TabStripPeer(Win32FormPeer& form, ui::TabStrip& control) : Win32PeerOf(form, control) {
  Create(WC_TABCONTROLW, WS_TABSTOP);
}

void Win32TabStripPeer::ShowOwn(ui::Aspect aspect) {
  if (aspect != ui::Aspect::Items) return;
  const auto& tabs = Model();
  Quietly([&] {
    TabCtrl_DeleteAllItems(Window());
    for (int n = 1; n <= tabs.TabCount(); ++n) {
      std::wstring text = Utf8ToWide(tabs.TabCaption(n));
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = text.data();
      TabCtrl_InsertItem(Window(), n - 1, &item);
    }
    TabCtrl_SetCurSel(Window(), tabs.SelectedTab() - 1);
  });
}

LRESULT Win32TabStripPeer::OnNotify(const NMHDR& header) {
  if (!Syncing() && header.code == TCN_SELCHANGE) Model().UserSelectTab(TabCtrl_GetCurSel(Window()) + 1);
  return 0;
}

}  // namespace curfew::platform::win32
