#include <windowsx.h>

#include "platform/win32/text_conversion.h"
#include "platform/win32/windowing/win32_control_peers.h"
#include "platform/win32/windowing/win32_dark_recolouring.h"
#include "platform/win32/windowing/win32_form_peer.h"
#include "platform/win32/windowing/win32_runtime.h"

namespace curfew::platform::win32 {

Win32ListViewPeer::Win32ListViewPeer(Win32FormPeer& form, ui::ListView& control) : Win32PeerOf(form, control) {
  Create(WC_LISTVIEWW, WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA, WS_EX_CLIENTEDGE);
  // The column header ignores the list's colours: a dark look recolours it.
  RecolourWhenDark(ListView_GetHeader(Window()), control);
  RecolourScrollBarsWhenDark(Window(), control);
}

void Win32ListViewPeer::ShowOwn(ui::Aspect aspect) {
  if (aspect == ui::Aspect::Items) ShowColumnsAndRows();
  if (aspect == ui::Aspect::Selection) ShowSelection();
}

// Columns are changed where they differ from the model (a caption translated, a width
// restored), not made anew: each change of a column costs the header a new layout.
void Win32ListViewPeer::ShowColumnsAndRows() {
  const ui::ListView& list = Model();
  Quietly([&] {
    const int wanted = list.ColumnHeaderCount();
    int shown = Header_GetItemCount(ListView_GetHeader(Window()));
    while (shown > wanted) ListView_DeleteColumn(Window(), --shown);
    const UINT dpi = FormPeer().Dpi();
    for (int n = 1; n <= wanted; ++n) {
      std::wstring text = Utf8ToWide(list.ColumnHeaderText(n));
      LVCOLUMNW column{};
      column.mask = LVCF_TEXT | LVCF_WIDTH;
      column.pszText = text.data();
      column.cx = TwipsToPixels(list.ColumnWidth(n), dpi);
      if (n > shown) {
        ListView_InsertColumn(Window(), n - 1, &column);
        continue;
      }
      wchar_t current[256] = {};
      LVCOLUMNW now{};
      now.mask = LVCF_TEXT | LVCF_WIDTH;
      now.pszText = current;
      now.cchTextMax = 256;
      if (!ListView_GetColumn(Window(), n - 1, &now) || text != current || now.cx != column.cx)
        ListView_SetColumn(Window(), n - 1, &column);
    }
    ShowSortArrows();
    ListView_SetItemCountEx(Window(), list.ListItemCount(), LVSICF_NOSCROLL);
    InvalidateRect(Window(), nullptr, TRUE);
  });
  ShowSelection();
}

// The header's arrow on the column the rows are ordered by, where it differs from the model.
void Win32ListViewPeer::ShowSortArrows() {
  const HWND header = ListView_GetHeader(Window());
  for (int n = 1; n <= Model().ColumnHeaderCount(); ++n) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    if (!Header_GetItem(header, n - 1, &item)) continue;
    const auto arrow = Model().ColumnSortArrow(n);
    const int wanted =
        (item.fmt & ~(HDF_SORTUP | HDF_SORTDOWN)) | (arrow == ui::ListView::SortArrow::Up     ? HDF_SORTUP
                                                     : arrow == ui::ListView::SortArrow::Down ? HDF_SORTDOWN
                                                                                              : 0);
    if (wanted == item.fmt) continue;
    item.fmt = wanted;
    Header_SetItem(header, n - 1, &item);
  }
}

// A right click asks through the list's own message with the mouse position; the context-menu
// key and Shift+F10 with none (-1, -1): then the selected row is meant.
bool Win32ListViewPeer::OnContextMenu(LPARAM where) {
  int row = Model().SelectedItem();
  if (where != static_cast<LPARAM>(-1)) {
    LVHITTESTINFO hit{};
    hit.pt = {GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    ScreenToClient(Window(), &hit.pt);
    row = ListView_HitTest(Window(), &hit) + 1;  // -1, no row: 0
  }
  Model().UserContextMenu(row);
  return true;
}

// Only the rows that hold the highlight or the focus are touched: a change of every row's
// state (item -1) costs a call per row in some list views, thousands at a start.
void Win32ListViewPeer::ShowSelection() {
  Quietly([&] {
    const int wanted = Model().SelectedItem() - 1;  // -1: none
    for (const auto& [next, state] : {std::pair{LVNI_SELECTED, LVIS_SELECTED}, std::pair{LVNI_FOCUSED, LVIS_FOCUSED}}) {
      const int holder = ListView_GetNextItem(Window(), -1, next);
      if (holder >= 0 && holder != wanted) ListView_SetItemState(Window(), holder, 0, state);
    }
    constexpr UINT kBoth = LVIS_SELECTED | LVIS_FOCUSED;
    if (wanted >= 0 && ListView_GetItemState(Window(), wanted, kBoth) != kBoth)
      ListView_SetItemState(Window(), wanted, kBoth, kBoth);
  });
}

void Win32ListViewPeer::ApplyColours() {
  Win32WindowedPeer::ApplyColours();
  const COLORREF back = ToColorRef(Model().BackColor());
  ListView_SetBkColor(Window(), back);
  ListView_SetTextBkColor(Window(), back);
  ListView_SetTextColor(Window(), ToColorRef(Model().ForeColor()));
}

// The list view holds no rows of its own: a change costs a count or the repaint of one row,
// whatever the length of the list.
void Win32ListViewPeer::ListRowAdded(int row) {
  Quietly([&] {
    ListView_SetItemCountEx(Window(), Model().ListItemCount(), LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
    ListView_RedrawItems(Window(), row - 1, row - 1);
  });
}

void Win32ListViewPeer::ListRowRemoved(int /*row*/) {
  Quietly([&] {
    ListView_SetItemCountEx(Window(), Model().ListItemCount(), LVSICF_NOSCROLL);
    InvalidateRect(Window(), nullptr, TRUE);  // the rows below moved up
  });
  ShowSelection();  // the selection is held by row number: it moved with them
}

void Win32ListViewPeer::ListCellChanged(int row, int /*column*/) { ListView_RedrawItems(Window(), row - 1, row - 1); }

void Win32ListViewPeer::ShowCell(NMLVDISPINFOW& request) {
  const ui::ListView& list = Model();
  LVITEMW& item = request.item;
  const int row = item.iItem + 1;
  if (!(item.mask & LVIF_TEXT) || row < 1 || row > list.ListItemCount() || item.cchTextMax <= 0) return;
  cellText_ = Utf8ToWide(item.iSubItem == 0 ? list.ListItemText(row) : list.SubItem(row, item.iSubItem));
  lstrcpynW(item.pszText, cellText_.c_str(), item.cchTextMax);
}

LRESULT Win32ListViewPeer::OnNotify(const NMHDR& header) {
  // A cell asked for while the peer changes the list too: always answered.
  if (header.code == LVN_GETDISPINFOW) {
    ShowCell(const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header)));
    return 0;
  }
  if (Syncing()) return 0;
  auto& list = Model();
  if (header.code == LVN_ITEMCHANGED) {
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    const bool selectedNow = (change.uNewState & LVIS_SELECTED) != 0;
    const bool selectedBefore = (change.uOldState & LVIS_SELECTED) != 0;
    if ((change.uChanged & LVIF_STATE) && selectedNow && !selectedBefore && change.iItem >= 0)
      list.UserSelectItem(change.iItem + 1);
    // The highlight taken off the last selected row (or off all rows at once, item -1): the
    // list shows no selection any more.
    if ((change.uChanged & LVIF_STATE) && selectedBefore && !selectedNow &&
        ListView_GetNextItem(Window(), -1, LVNI_SELECTED) == -1)
      list.UserClearSelection();
  } else if (header.code == NM_DBLCLK) {
    list.UserDoubleClick();
  } else if (header.code == LVN_COLUMNCLICK) {
    list.UserClickColumn(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem + 1);
  } else if (header.code == HDN_ENDTRACKW || header.code == HDN_ITEMCHANGEDW) {
    const UINT dpi = FormPeer().Dpi();
    for (int n = 1; n <= list.ColumnHeaderCount(); ++n)
      list.UserResizeColumn(n, PixelsToTwips(ListView_GetColumnWidth(Window(), n - 1), dpi));
  }
  return 0;
}

}  // namespace curfew::platform::win32
