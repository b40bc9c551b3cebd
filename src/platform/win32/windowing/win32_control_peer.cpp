#include "platform/win32/windowing/win32_control_peer.h"

#include <windowsx.h>

#include <stdexcept>

#include "platform/win32/callback_guard.h"
#include "platform/win32/system_time.h"
#include "platform/win32/text_conversion.h"
#include "platform/win32/windowing/win32_form_peer.h"
#include "platform/win32/windowing/win32_runtime.h"
#include "platform/windowing/access_keys.h"

namespace curfew::platform::win32 {
namespace {

using ui::ControlKind;

struct WindowKind {
  const wchar_t* className;
  DWORD style;
  DWORD extendedStyle;
};

WindowKind WindowKindOf(const ui::Control& control) {
  constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;
  switch (control.Kind()) {
    case ControlKind::Label:
    case ControlKind::SkinLabel: return {L"STATIC", kChild | SS_LEFT | SS_NOTIFY, 0};
    case ControlKind::CommandButton: return {L"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::TextBox: return {L"EDIT", kChild | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::ComboBox: {
      const bool editable = static_cast<const ui::ComboBox&>(control).GetStyle() == ui::ComboBox::Style::DropDownCombo;
      return {L"COMBOBOX",
              kChild | WS_TABSTOP | WS_VSCROLL | (editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST), 0};
    }
    case ControlKind::CheckBox: return {L"BUTTON", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case ControlKind::OptionButton: return {L"BUTTON", kChild | WS_TABSTOP | BS_AUTORADIOBUTTON, 0};
    case ControlKind::Frame: return {L"BUTTON", kChild | BS_GROUPBOX, 0};
    case ControlKind::ListView:
      // Owner data: the list view asks the model for the cells it shows and holds no rows.
      return {WC_LISTVIEWW, kChild | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA,
              WS_EX_CLIENTEDGE};
    case ControlKind::ListBox:
      return {L"LISTBOX", kChild | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE};
    case ControlKind::TreeView:
      return {WC_TREEVIEWW, kChild | WS_TABSTOP | TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS | TVS_SHOWSELALWAYS,
              WS_EX_CLIENTEDGE};
    case ControlKind::DatePicker: return {DATETIMEPICK_CLASSW, kChild | WS_TABSTOP | DTS_SHORTDATEFORMAT, 0};
    case ControlKind::TimePicker: return {DATETIMEPICK_CLASSW, kChild | WS_TABSTOP | DTS_TIMEFORMAT | DTS_UPDOWN, 0};
    case ControlKind::StatusBar: return {STATUSCLASSNAMEW, kChild | SBARS_SIZEGRIP, 0};
    case ControlKind::PictureBox:
    case ControlKind::Image: return {L"STATIC", kChild | SS_NOTIFY, 0};
    case ControlKind::Line: {
      const bool horizontal = control.Position().height <= control.Position().width;
      return {L"STATIC", kChild | (horizontal ? SS_ETCHEDHORZ : SS_ETCHEDVERT), 0};
    }
    case ControlKind::TabStrip: return {WC_TABCONTROLW, kChild | WS_TABSTOP, 0};
    case ControlKind::Timer:
    case ControlKind::Menu: break;
  }
  return {nullptr, 0, 0};
}

// The position in the form's client area: containers' positions add up.
ui::TwipsRect AbsolutePosition(const ui::Control& control) {
  ui::TwipsRect position = control.Position();
  for (const ui::Control* container = control.Container(); container && container->Kind() != ControlKind::Menu;
       container = container->Container()) {
    position.left += container->Position().left;
    position.top += container->Position().top;
  }
  return position;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Key presses reach the control's KeyPress handler first; a key it sets to 0 is swallowed.
LRESULT CALLBACK KeyPressProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  return Guarded<LRESULT>(0, [&]() -> LRESULT {
    // Dialog navigation would take Enter for the window's default button; a control whose
    // KeyPress handler may act on it (Enter in the action box is Go) keeps it.
    if (message == WM_GETDLGCODE && lParam) {
      const auto* key = reinterpret_cast<const MSG*>(lParam);
      const auto& control = *reinterpret_cast<const ui::Control*>(data);
      if (control.OnKeyPress && key->message == WM_KEYDOWN && key->wParam == VK_RETURN)
        return DefSubclassProc(window, message, wParam, lParam) | DLGC_WANTMESSAGE;
    }
    // An edit in a window with a default button passes Enter on to that button by itself; for
    // a control whose KeyPress handler takes Enter, the key comes as its character alone (an
    // open drop-down list still closes on it).
    if (message == WM_KEYDOWN && wParam == VK_RETURN && reinterpret_cast<const ui::Control*>(data)->OnKeyPress) {
      const HWND combo = GetParent(window);
      if (!SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) return 0;
    }
    if (message == WM_CHAR) {
      auto& control = *reinterpret_cast<ui::Control*>(data);
      int key = static_cast<int>(wParam);
      if (control.OnKeyPress) {
        control.OnKeyPress(key);
        if (key == 0) return 0;
      }
      wParam = static_cast<WPARAM>(key);
    }
    return DefSubclassProc(window, message, wParam, lParam);
  });
}

// Arrow keys move among the option buttons of one container that follow each other; every
// other control stands in a group of its own.
bool StartsGroup(const ui::Control& control) {
  if (control.Kind() != ControlKind::OptionButton) return true;
  const ui::Control* previous = nullptr;
  for (const ui::Control* other : control.Parent().Controls()) {
    if (other == &control) break;
    if (other->Kind() != ControlKind::Menu && other->Kind() != ControlKind::Timer) previous = other;
  }
  return !previous || previous->Kind() != ControlKind::OptionButton || previous->Container() != control.Container();
}

// The entry's caption as its menu shows it, with an access key that no other entry of the
// same menu uses.
std::string CaptionWithAccessKey(const ui::Control& entry) {
  std::vector<std::string> captions;
  std::size_t mine = 0;
  for (const ui::Control* other : entry.Parent().Controls()) {
    if (other->Kind() != ControlKind::Menu || other->Container() != entry.Container()) continue;
    if (other == &entry) mine = captions.size();
    captions.push_back(other->Caption());
  }
  return ui::WithAccessKeys(captions)[mine];
}

bool HasSubEntries(const ui::Control& menu) {
  for (const ui::Control* other : menu.Parent().Controls())
    if (other->Container() == &menu) return true;
  return false;
}

}  // namespace

Win32ControlPeer::Win32ControlPeer(Win32FormPeer& form, ui::Control& control) : form_(form), control_(control) {
  if (control_.Kind() == ControlKind::Menu)
    CreateMenuEntry();
  else if (control_.Kind() == ControlKind::Timer)
    SyncTimer();
  else
    Create();
}

Win32ControlPeer::~Win32ControlPeer() {
  form_.Unregister(*this);
  if (control_.Kind() == ControlKind::Timer) form_.StopTimer(static_cast<const ui::Timer&>(control_));
}

void Win32ControlPeer::Create() {
  const WindowKind kind = WindowKindOf(control_);
  DWORD style = kind.style | (StartsGroup(control_) ? WS_GROUP : 0);
  if (control_.Kind() == ControlKind::CommandButton && static_cast<const ui::CommandButton&>(control_).Default())
    style = (style & ~static_cast<DWORD>(BS_PUSHBUTTON)) | BS_DEFPUSHBUTTON;
  syncing_ = true;
  window_.reset(CreateWindowExW(kind.extendedStyle, kind.className, L"", style, 0, 0, 0, 0, form_.Window(), nullptr,
                                GetModuleHandleW(nullptr), nullptr));
  if (!window_) throw std::runtime_error("the control " + control_.Name() + " could not be created");
  const UINT id = form_.RegisterChild(window_.get(), *this);
  SetWindowLongPtrW(window_.get(), GWLP_ID, static_cast<LONG_PTR>(id));
  if (control_.Kind() == ControlKind::ListView) {
    ListView_SetExtendedListViewStyle(window_.get(), LVS_EX_FULLROWSELECT);
  } else if (control_.Kind() == ControlKind::TreeView) {
    // The check boxes' images are made only when the style is added after creation.
    SetWindowLongPtrW(window_.get(), GWL_STYLE, GetWindowLongPtrW(window_.get(), GWL_STYLE) | TVS_CHECKBOXES);
  }
  if (control_.Kind() == ControlKind::TextBox || control_.Kind() == ControlKind::ComboBox) {
    HWND typing = window_.get();
    COMBOBOXINFO combo{};
    combo.cbSize = sizeof(combo);
    if (control_.Kind() == ControlKind::ComboBox && GetComboBoxInfo(window_.get(), &combo) && combo.hwndItem)
      typing = combo.hwndItem;
    if (!SetWindowSubclass(typing, KeyPressProc, 1, reinterpret_cast<DWORD_PTR>(&control_)))
      throw std::runtime_error("the keys of the control " + control_.Name() + " could not be watched");
  }
  // A window created later stands behind the earlier ones, and a container is declared before
  // what it holds: a contained control goes just in front of its container, or the frame would
  // hide it. Just in front, not to the top: the order of the windows is the order Tab follows.
  if (const ui::Control* container = control_.Container(); container && container->Handle()) {
    const HWND frame = reinterpret_cast<HWND>(container->Handle());
    const HWND above = GetWindow(frame, GW_HWNDPREV);
    SetWindowPos(window_.get(), above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  syncing_ = false;
  ApplyFont();
  ApplyColours();
  SyncText();
  SyncItems();
  SyncValue();
  SyncSelection();
  Place();
  EnableWindow(window_.get(), control_.Enabled());
  ShowWindow(window_.get(), control_.Visible() ? SW_SHOWNA : SW_HIDE);
}

void Win32ControlPeer::CreateMenuEntry() {
  commandId_ = form_.RegisterCommand(*this);
  if (HasSubEntries(control_)) popup_ = CreatePopupMenu();
  const ui::Control* parent = control_.Container();
  if (parent) {
    auto* parentPeer = static_cast<Win32ControlPeer*>(parent->Peer());
    owner_ = parentPeer ? parentPeer->popup_ : nullptr;
  } else if (control_.Visible()) {
    owner_ = form_.MenuBar();
  }
  if (!owner_) {
    ownPopup_.reset(popup_);
    return;
  }
  const std::wstring caption = Utf8ToWide(CaptionWithAccessKey(control_));
  if (control_.Caption() == "-") {
    AppendMenuW(owner_, MF_SEPARATOR, commandId_, nullptr);
  } else {
    AppendMenuW(owner_, popup_ ? MF_POPUP | MF_STRING : MF_STRING,
                popup_ ? reinterpret_cast<UINT_PTR>(popup_) : commandId_, caption.c_str());
  }
  SyncMenuEntry();
}

void Win32ControlPeer::Place() {
  if (!window_.get() || control_.Kind() == ControlKind::StatusBar) {
    if (window_.get()) SendMessageW(window_.get(), WM_SIZE, 0, 0);  // a status bar places itself
    return;
  }
  const UINT dpi = form_.Dpi();
  const ui::TwipsRect p = AbsolutePosition(control_);
  int height = TwipsToPixels(p.height, dpi);
  // A combo box's window height includes its drop-down list.
  if (control_.Kind() == ControlKind::ComboBox) height += MulDiv(160, static_cast<int>(dpi), 96);
  SetWindowPos(window_.get(), nullptr, TwipsToPixels(p.left, dpi), TwipsToPixels(p.top, dpi),
               TwipsToPixels(p.width, dpi), height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32ControlPeer::ApplyFont() {
  if (!window_.get()) return;
  const ui::Font& font = control_.GetFont();
  const int height = -MulDiv(static_cast<int>(font.points * 100 + 50), static_cast<int>(form_.Dpi()), 7200);
  font_.reset(CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, font.underline, FALSE,
                          DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, Utf8ToWide(font.name).c_str()));
  SendMessageW(window_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

void Win32ControlPeer::ApplyColours() {
  if (!window_.get()) return;
  const COLORREF back = ToColorRef(control_.BackColor());
  const COLORREF fore = ToColorRef(control_.ForeColor());
  brush_.reset(CreateSolidBrush(back));
  if (control_.Kind() == ControlKind::ListView) {
    ListView_SetBkColor(window_.get(), back);
    ListView_SetTextBkColor(window_.get(), back);
    ListView_SetTextColor(window_.get(), fore);
  } else if (control_.Kind() == ControlKind::TreeView) {
    TreeView_SetBkColor(window_.get(), back);
    TreeView_SetTextColor(window_.get(), fore);
  }
  InvalidateRect(window_.get(), nullptr, TRUE);
}

HBRUSH Win32ControlPeer::OnControlColour(HDC dc) {
  SetTextColor(dc, ToColorRef(control_.ForeColor()));
  SetBkColor(dc, ToColorRef(control_.BackColor()));
  return brush_.get();
}

void Win32ControlPeer::SyncText() {
  if (!window_.get()) return;
  syncing_ = true;
  switch (control_.Kind()) {
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
    case ControlKind::StatusBar: SetWindowTextW(window_.get(), Utf8ToWide(control_.Text()).c_str()); break;
    case ControlKind::ListView:
    case ControlKind::ListBox:
    case ControlKind::TreeView:
    case ControlKind::DatePicker:
    case ControlKind::TimePicker:
    case ControlKind::TabStrip:
    case ControlKind::PictureBox:
    case ControlKind::Image:
    case ControlKind::Line: break;
    default: SetWindowTextW(window_.get(), Utf8ToWide(control_.Caption()).c_str());
  }
  syncing_ = false;
}

void Win32ControlPeer::SyncItems() {
  if (!window_.get()) return;
  syncing_ = true;
  switch (control_.Kind()) {
    case ControlKind::ComboBox:
    case ControlKind::ListBox: {
      const auto& list = static_cast<const ui::ListControl&>(control_);
      const bool combo = control_.Kind() == ControlKind::ComboBox;
      SendMessageW(window_.get(), combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
      for (int i = 0; i < list.ListCount(); ++i) {
        const std::wstring item = Utf8ToWide(list.List(i));
        SendMessageW(window_.get(), combo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
      }
      syncing_ = false;
      SyncSelection();
      return;
    }
    case ControlKind::ListView: {
      const auto& list = static_cast<const ui::ListView&>(control_);
      ListView_DeleteAllItems(window_.get());
      while (ListView_DeleteColumn(window_.get(), 0)) {
      }
      const UINT dpi = form_.Dpi();
      for (int n = 1; n <= list.ColumnHeaderCount(); ++n) {
        std::wstring text = Utf8ToWide(list.ColumnHeaderText(n));
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = text.data();
        column.cx = TwipsToPixels(list.ColumnWidth(n), dpi);
        ListView_InsertColumn(window_.get(), n - 1, &column);
      }
      ListView_SetItemCountEx(window_.get(), list.ListItemCount(), LVSICF_NOSCROLL);
      InvalidateRect(window_.get(), nullptr, TRUE);
      syncing_ = false;
      SyncSelection();
      return;
    }
    case ControlKind::TreeView: {
      const auto& tree = static_cast<const ui::TreeView&>(control_);
      TreeView_DeleteAllItems(window_.get());
      treeItems_.clear();
      for (const ui::TreeView::Node& node : tree.Nodes()) {
        std::wstring text = Utf8ToWide(node.text);
        TVINSERTSTRUCTW insert{};
        insert.hParent = node.parent > 0 ? treeItems_[static_cast<std::size_t>(node.parent - 1)] : TVI_ROOT;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT;
        insert.item.pszText = text.data();
        treeItems_.push_back(TreeView_InsertItem(window_.get(), &insert));
      }
      syncing_ = false;
      SyncValue();
      return;
    }
    case ControlKind::TabStrip: {
      const auto& tabs = static_cast<const ui::TabStrip&>(control_);
      TabCtrl_DeleteAllItems(window_.get());
      for (int n = 1; n <= tabs.TabCount(); ++n) {
        std::wstring text = Utf8ToWide(tabs.TabCaption(n));
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        TabCtrl_InsertItem(window_.get(), n - 1, &item);
      }
      TabCtrl_SetCurSel(window_.get(), tabs.SelectedTab() - 1);
      break;
    }
    default: break;
  }
  syncing_ = false;
}

// The list view holds no rows of its own: a change costs a count or the repaint of one row,
// whatever the length of the list.
void Win32ControlPeer::ListRowAdded(int row) {
  if (!window_.get()) return;
  syncing_ = true;
  ListView_SetItemCountEx(window_.get(), static_cast<const ui::ListView&>(control_).ListItemCount(),
                          LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
  ListView_RedrawItems(window_.get(), row - 1, row - 1);
  syncing_ = false;
}

void Win32ControlPeer::ListRowRemoved(int /*row*/) {
  if (!window_.get()) return;
  syncing_ = true;
  ListView_SetItemCountEx(window_.get(), static_cast<const ui::ListView&>(control_).ListItemCount(), LVSICF_NOSCROLL);
  InvalidateRect(window_.get(), nullptr, TRUE);  // the rows below moved up
  syncing_ = false;
  SyncSelection();  // the selection is held by row number: it moved with them
}

void Win32ControlPeer::ListCellChanged(int row, int /*column*/) {
  if (window_.get()) ListView_RedrawItems(window_.get(), row - 1, row - 1);
}

// A cell the list view is about to show.
void Win32ControlPeer::ShowListCell(NMLVDISPINFOW& request) {
  const auto& list = static_cast<const ui::ListView&>(control_);
  LVITEMW& item = request.item;
  const int row = item.iItem + 1;
  if (!(item.mask & LVIF_TEXT) || row < 1 || row > list.ListItemCount() || item.cchTextMax <= 0) return;
  cellText_ = Utf8ToWide(item.iSubItem == 0 ? list.ListItemText(row) : list.SubItem(row, item.iSubItem));
  lstrcpynW(item.pszText, cellText_.c_str(), item.cchTextMax);
}

void Win32ControlPeer::SyncSelection() {
  if (!window_.get()) return;
  syncing_ = true;
  if (control_.Kind() == ControlKind::ComboBox || control_.Kind() == ControlKind::ListBox) {
    const auto& list = static_cast<const ui::ListControl&>(control_);
    const bool combo = control_.Kind() == ControlKind::ComboBox;
    SendMessageW(window_.get(), combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(list.ListIndex()), 0);
    if (combo && list.ListIndex() < 0) SetWindowTextW(window_.get(), Utf8ToWide(control_.Text()).c_str());
  } else if (control_.Kind() == ControlKind::ListView) {
    const int selected = static_cast<const ui::ListView&>(control_).SelectedItem();
    ListView_SetItemState(window_.get(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (selected > 0)
      ListView_SetItemState(window_.get(), selected - 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
  syncing_ = false;
}

// Tab stops in one place per group of options: the chosen option, or the first while none is
// chosen, so that Tab reaches the group once.
void Win32ControlPeer::KeepGroupReachable() {
  std::vector<std::pair<HWND, bool>> group;
  bool anyChosen = false;
  for (const ui::Control* other : control_.Parent().Controls()) {
    if (other->Kind() != ControlKind::OptionButton || other->Container() != control_.Container()) continue;
    const HWND window = reinterpret_cast<HWND>(other == &control_ ? Handle() : other->Handle());
    if (window) group.emplace_back(window, other->Value() != 0);
    anyChosen = anyChosen || other->Value() != 0;
  }
  for (std::size_t i = 0; i < group.size(); ++i) {
    const auto [window, chosen] = group[i];
    const bool stop = chosen || (!anyChosen && i == 0);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    SetWindowLongPtrW(window, GWL_STYLE, stop ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP));
  }
}

void Win32ControlPeer::SyncValue() {
  if (!window_.get()) return;
  syncing_ = true;
  switch (control_.Kind()) {
    case ControlKind::CheckBox:
      Button_SetCheck(window_.get(), control_.Value() == 2 ? BST_INDETERMINATE
                                     : control_.Value()    ? BST_CHECKED
                                                           : BST_UNCHECKED);
      break;
    case ControlKind::OptionButton:
      Button_SetCheck(window_.get(), control_.Value() ? BST_CHECKED : BST_UNCHECKED);
      KeepGroupReachable();
      break;
    case ControlKind::TreeView: {
      const auto& tree = static_cast<const ui::TreeView&>(control_);
      for (std::size_t i = 0; i < treeItems_.size(); ++i)
        TreeView_SetCheckState(window_.get(), treeItems_[i], tree.Nodes()[i].checked);
      break;
    }
    case ControlKind::DatePicker:
    case ControlKind::TimePicker: {
      SYSTEMTIME time = ToSystemTime(static_cast<const ui::DateTimePicker&>(control_).GetDateTime());
      if (time.wYear >= 1601) DateTime_SetSystemtime(window_.get(), GDT_VALID, &time);
      break;
    }
    default: break;
  }
  syncing_ = false;
}

void Win32ControlPeer::SyncMenuEntry() {
  if (!owner_) return;
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STATE | MIIM_STRING;
  std::wstring caption = Utf8ToWide(CaptionWithAccessKey(control_));
  info.dwTypeData = caption.data();
  info.fState = (control_.Enabled() ? MFS_ENABLED : MFS_DISABLED) | (control_.Value() ? MFS_CHECKED : MFS_UNCHECKED);
  if (control_.Caption() == "-") info.fMask = MIIM_STATE;
  if (popup_) {
    // A sub-menu's item is found by its position: the command id belongs to its popup handle.
    const int count = GetMenuItemCount(owner_);
    for (int i = 0; i < count; ++i) {
      if (GetSubMenu(owner_, i) == popup_) SetMenuItemInfoW(owner_, static_cast<UINT>(i), TRUE, &info);
    }
  } else {
    SetMenuItemInfoW(owner_, commandId_, FALSE, &info);
  }
  if (owner_ == form_.MenuBar()) DrawMenuBar(form_.Window());
}

void Win32ControlPeer::SyncTimer() {
  const auto& timer = static_cast<const ui::Timer&>(control_);
  if (timer.Enabled() && timer.Interval() > 0)
    form_.StartTimer(timer);
  else
    form_.StopTimer(timer);
}

void Win32ControlPeer::Sync(ui::Aspect aspect) {
  if (control_.Kind() == ControlKind::Menu) return SyncMenuEntry();
  if (control_.Kind() == ControlKind::Timer) {
    if (aspect == ui::Aspect::Enabled || aspect == ui::Aspect::Timer) SyncTimer();
    return;
  }
  switch (aspect) {
    case ui::Aspect::Caption:
    case ui::Aspect::Text: SyncText(); break;
    case ui::Aspect::Value: SyncValue(); break;
    case ui::Aspect::Enabled: EnableWindow(window_.get(), control_.Enabled()); break;
    case ui::Aspect::Visible: ShowWindow(window_.get(), control_.Visible() ? SW_SHOWNA : SW_HIDE); break;
    case ui::Aspect::Position: Place(); break;
    case ui::Aspect::Colours: ApplyColours(); break;
    case ui::Aspect::Font: ApplyFont(); break;
    case ui::Aspect::Items: SyncItems(); break;
    case ui::Aspect::Selection: SyncSelection(); break;
    case ui::Aspect::Timer: break;
    case ui::Aspect::Role: SyncRole(); break;
  }
}

void Win32ControlPeer::SyncRole() {
  if (!window_.get() || control_.Kind() != ControlKind::CommandButton) return;
  const bool isDefault = static_cast<const ui::CommandButton&>(control_).Default();
  SendMessageW(window_.get(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void Win32ControlPeer::Refresh() {
  if (window_.get())
    RedrawWindow(window_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  else if (owner_ == form_.MenuBar())
    DrawMenuBar(form_.Window());
}

void Win32ControlPeer::OnMenuCommand() { control_.UserClick(); }

void Win32ControlPeer::OnCommand(WORD code) {
  if (syncing_) return;
  switch (control_.Kind()) {
    case ControlKind::CommandButton:
    case ControlKind::CheckBox:
      if (code == BN_CLICKED) control_.UserClick();
      break;
    case ControlKind::OptionButton:
      if (code == BN_CLICKED) {
        control_.UserClick();
        SyncValue();
      }
      break;
    case ControlKind::Label:
    case ControlKind::SkinLabel:
    case ControlKind::PictureBox:
    case ControlKind::Image:
      if (code == STN_CLICKED)
        control_.UserClick();
      else if (code == STN_DBLCLK)
        control_.UserDoubleClick();
      break;
    case ControlKind::TextBox:
      if (code == EN_CHANGE) control_.UserType(WideToUtf8(WindowText(window_.get())));
      break;
    case ControlKind::ComboBox: {
      auto& combo = static_cast<ui::ComboBox&>(control_);
      if (code == CBN_SELCHANGE)
        combo.UserPick(ComboBox_GetCurSel(window_.get()));
      else if (code == CBN_EDITCHANGE)
        combo.UserType(WideToUtf8(WindowText(window_.get())));
      break;
    }
    case ControlKind::ListBox:
      if (code == LBN_SELCHANGE)
        static_cast<ui::ListBox&>(control_).UserPick(ListBox_GetCurSel(window_.get()));
      else if (code == LBN_DBLCLK)
        control_.UserDoubleClick();
      break;
    default: break;
  }
}

void Win32ControlPeer::OnDeferredRead() {
  if (control_.Kind() == ControlKind::TreeView) ReadTreeChecks();
}

void Win32ControlPeer::ReadTreeChecks() {
  auto& tree = static_cast<ui::TreeView&>(control_);
  for (std::size_t i = 0; i < treeItems_.size(); ++i) {
    const bool checked = TreeView_GetCheckState(window_.get(), treeItems_[i]) == 1;
    if (checked != tree.Nodes()[i].checked) tree.UserCheckNode(static_cast<int>(i + 1), checked);
  }
}

LRESULT Win32ControlPeer::OnNotify(const NMHDR& header) {
  // Asked for while the peer changes the list too: always answered.
  if (control_.Kind() == ControlKind::ListView && header.code == LVN_GETDISPINFOW) {
    ShowListCell(const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header)));
    return 0;
  }
  if (syncing_) return 0;
  switch (control_.Kind()) {
    case ControlKind::ListView: {
      auto& list = static_cast<ui::ListView&>(control_);
      if (header.code == LVN_ITEMCHANGED) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        const bool selectedNow = (change.uNewState & LVIS_SELECTED) != 0;
        const bool selectedBefore = (change.uOldState & LVIS_SELECTED) != 0;
        if ((change.uChanged & LVIF_STATE) && selectedNow && !selectedBefore && change.iItem >= 0)
          list.UserSelectItem(change.iItem + 1);
        // The highlight taken off the last selected row (or off all rows at once, item -1): the
        // list shows no selection any more.
        if ((change.uChanged & LVIF_STATE) && selectedBefore && !selectedNow &&
            ListView_GetNextItem(window_.get(), -1, LVNI_SELECTED) == -1)
          list.UserClearSelection();
      } else if (header.code == NM_DBLCLK) {
        list.UserDoubleClick();
      } else if (header.code == HDN_ENDTRACKW || header.code == HDN_ITEMCHANGEDW) {
        const UINT dpi = form_.Dpi();
        for (int n = 1; n <= list.ColumnHeaderCount(); ++n)
          list.UserResizeColumn(n, PixelsToTwips(ListView_GetColumnWidth(window_.get(), n - 1), dpi));
      }
      return 0;
    }
    case ControlKind::TreeView:
      // A click or the space bar toggles a check box only after its notification: look again
      // once it has. Newer common controls also report the change itself.
      if (header.code == NM_CLICK || header.code == TVN_KEYDOWN)
        form_.PostDeferredRead(window_.get());
      else if (header.code == TVN_ITEMCHANGEDW)
        ReadTreeChecks();
      return 0;
    case ControlKind::DatePicker:
    case ControlKind::TimePicker:
      if (header.code == DTN_DATETIMECHANGE) {
        const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
        if (change.dwFlags == GDT_VALID)
          static_cast<ui::DateTimePicker&>(control_).UserChange(FromSystemTime(change.st));
      }
      return 0;
    case ControlKind::TabStrip:
      if (header.code == TCN_SELCHANGE)
        static_cast<ui::TabStrip&>(control_).UserSelectTab(TabCtrl_GetCurSel(window_.get()) + 1);
      return 0;
    default: return 0;
  }
}

}  // namespace curfew::platform::win32
