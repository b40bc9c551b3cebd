#include <windowsx.h>

#include "platform/win32/text_conversion.h"
#include "platform/win32/windowing/win32_control_peers.h"
#include "platform/win32/windowing/win32_dark_recolouring.h"
#include "platform/win32/windowing/win32_form_peer.h"
#include "platform/win32/windowing/win32_runtime.h"

namespace curfew::platform::win32 {

Win32TreeViewPeer::Win32TreeViewPeer(Win32FormPeer& form, ui::TreeView& control) : Win32PeerOf(form, control) {
  Create(WC_TREEVIEWW, WS_TABSTOP | TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS | TVS_SHOWSELALWAYS,
         WS_EX_CLIENTEDGE);
  RecolourScrollBarsWhenDark(Window(), control);
}

// The check boxes' images are made only when the style is added after creation.
void Win32TreeViewPeer::Prepare() {
  SetWindowLongPtrW(Window(), GWL_STYLE, GetWindowLongPtrW(Window(), GWL_STYLE) | TVS_CHECKBOXES);
}

void Win32TreeViewPeer::ShowOwn(ui::Aspect aspect) {
  const auto& tree = Model();
  if (aspect == ui::Aspect::Items) {
    Quietly([&] {
      TreeView_DeleteAllItems(Window());
      items_.clear();
      for (int node = 1; node <= tree.NodeCount(); ++node) InsertNode(node);
    });
    ShowOwn(ui::Aspect::Value);
  } else if (aspect == ui::Aspect::Value) {
    Quietly([&] {
      for (std::size_t i = 0; i < items_.size(); ++i)
        TreeView_SetCheckState(Window(), items_[i], tree.Nodes()[i].checked);
    });
  }
}

void Win32TreeViewPeer::InsertNode(int n) {
  const ui::TreeView::Node& node = Model().GetNode(n);
  std::wstring text = Utf8ToWide(node.text);
  TVINSERTSTRUCTW insert{};
  insert.hParent = node.parent > 0 ? items_[static_cast<std::size_t>(node.parent - 1)] : TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = text.data();
  items_.push_back(TreeView_InsertItem(Window(), &insert));
}

// One node inserted, its check state shown.
void Win32TreeViewPeer::NodeAdded(int node) {
  Quietly([&] {
    InsertNode(node);
    TreeView_SetCheckState(Window(), items_.back(), Model().GetNode(node).checked);
  });
}

void Win32TreeViewPeer::NodeTextChanged(int node) {
  std::wstring text = Utf8ToWide(Model().GetNode(node).text);
  TVITEMW item{};
  item.mask = TVIF_TEXT;
  item.hItem = items_.at(static_cast<std::size_t>(node - 1));
  item.pszText = text.data();
  Quietly([&] { TreeView_SetItem(Window(), &item); });
}

void Win32TreeViewPeer::ApplyColours() {
  Win32WindowedPeer::ApplyColours();
  TreeView_SetBkColor(Window(), ToColorRef(Model().BackColor()));
  TreeView_SetTextColor(Window(), ToColorRef(Model().ForeColor()));
}

void Win32TreeViewPeer::ClickNode(HTREEITEM item) {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i] == item) Model().UserClickNode(static_cast<int>(i + 1));
}

void Win32TreeViewPeer::ReadChecks() {
  auto& tree = Model();
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const bool checked = TreeView_GetCheckState(Window(), items_[i]) == 1;
    if (checked != tree.Nodes()[i].checked) tree.UserCheckNode(static_cast<int>(i + 1), checked);
  }
}

// What a click hit: a node's check box toggles itself (read once the control has done it); a
// click on a node's text or picture is a click on the node. Moving the selection, by arrow keys
// or because the tree took the focus, is neither.
void Win32TreeViewPeer::OnClick() {
  const DWORD position = GetMessagePos();
  TVHITTESTINFO hit{};
  hit.pt = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  ScreenToClient(Window(), &hit.pt);
  TreeView_HitTest(Window(), &hit);
  if (hit.flags & TVHT_ONITEMSTATEICON)
    FormPeer().PostDeferredRead(Window());
  else if (hit.hItem && (hit.flags & (TVHT_ONITEMLABEL | TVHT_ONITEMICON)))
    ClickNode(hit.hItem);
}

LRESULT Win32TreeViewPeer::OnNotify(const NMHDR& header) {
  if (Syncing()) return 0;
  // The space bar toggles the box of the selected node only after its notification: look again
  // once it has. Newer common controls also report the change itself.
  if (header.code == NM_CLICK)
    OnClick();
  else if (header.code == TVN_KEYDOWN && reinterpret_cast<const NMTVKEYDOWN&>(header).wVKey == VK_SPACE)
    FormPeer().PostDeferredRead(Window());
  else if (header.code == TVN_ITEMCHANGEDW)
    ReadChecks();
  else if (header.code == TVN_BEGINLABELEDITW)
    return TRUE;  // the labels are the program's, not the user's
  return 0;
}

}  // namespace curfew::platform::win32
