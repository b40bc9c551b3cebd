#include "platform/windowing/controls.h"

#include "platform/windowing/form.h"

namespace curfew::ui {

// Check box ------------------------------------------------------------------------------

void CheckBox::SetValue(int value) {
  if (value == value_) return;
  Control::SetValue(value);
  Raise(OnClick);
}

void CheckBox::UserClick() {
  if (!Enabled()) return;
  value_ = value_ == 1 ? 0 : 1;
  Raise(OnClick);
}

// Option button --------------------------------------------------------------------------

void OptionButton::Select() {
  for (Control* other : Parent().Controls()) {
    if (other != this && other->Kind() == ControlKind::OptionButton && other->Container() == Container() &&
        other->Value() != 0) {
      static_cast<OptionButton*>(other)->Control::SetValue(0);
    }
  }
}

// The chosen option is marked before the others are cleared, so that the group never looks
// empty on the way.
void OptionButton::SetValue(int value) {
  if ((value != 0) == (value_ != 0)) return;
  Control::SetValue(value != 0 ? 1 : 0);
  if (value == 0) return;
  Select();
  Raise(OnClick);
}

void OptionButton::UserClick() {
  if (!Enabled()) return;
  value_ = 1;
  Select();
  Raise(OnClick);
}

// Lists ----------------------------------------------------------------------------------

void ListControl::AddItem(std::string item) {
  items_.push_back(std::move(item));
  if (ControlPeer* peer = Peer()) peer->EntryAdded(ListCount() - 1);
}

void ListControl::RemoveItem(int index) {
  if (index < 0 || index >= ListCount()) return;
  items_.erase(items_.begin() + index);
  if (listIndex_ == index)
    listIndex_ = -1;
  else if (listIndex_ > index)
    --listIndex_;
  if (ControlPeer* peer = Peer()) peer->EntryRemoved(index);
}

void ListControl::Clear() {
  items_.clear();
  listIndex_ = -1;
  Show(Aspect::Items);
}

void ListControl::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) return;
  listIndex_ = index;
  if (index >= 0) text_ = items_[static_cast<std::size_t>(index)];
  Show(Aspect::Selection);
  Raise(OnClick);
}

void ListControl::UserPick(int index) {
  if (index < 0 || index >= ListCount() || !Enabled()) return;
  listIndex_ = index;
  text_ = items_[static_cast<std::size_t>(index)];
  Raise(OnClick);
}

// List view ------------------------------------------------------------------------------

void ListView::AddColumnHeader(std::string text, int widthTwips) {
  columns_.push_back({std::move(text), widthTwips});
  Show(Aspect::Items);
}

void ListView::SetColumnHeaderText(int n, std::string text) {
  columns_.at(static_cast<std::size_t>(n - 1)).text = std::move(text);
  Show(Aspect::Items);
}

void ListView::SetColumnWidth(int n, int widthTwips) {
  columns_.at(static_cast<std::size_t>(n - 1)).widthTwips = widthTwips;
  if (batchDepth_ == 0) Show(Aspect::Items);
}

void ListView::UserResizeColumn(int n, int widthTwips) {
  if (n >= 1 && n <= ColumnHeaderCount()) columns_[static_cast<std::size_t>(n - 1)].widthTwips = widthTwips;
}

int ListView::AddListItem(std::string text) {
  rows_.push_back({std::move(text), {}});
  if (ControlPeer* peer = RowPeer()) peer->ListRowAdded(ListItemCount());
  return ListItemCount();
}

void ListView::RemoveListItem(int row) {
  if (row < 1 || row > ListItemCount()) return;
  rows_.erase(rows_.begin() + (row - 1));
  if (selected_ == row)
    selected_ = 0;
  else if (selected_ > row)
    --selected_;
  if (ControlPeer* peer = RowPeer()) peer->ListRowRemoved(row);
}

void ListView::ClearListItems() {
  rows_.clear();
  selected_ = 0;
  if (batchDepth_ == 0) Show(Aspect::Items);
}

const std::string& ListView::SubItem(int row, int j) const {
  static const std::string kNeverSet;
  const auto& subItems = Item(row).subItems;
  return j >= 1 && static_cast<std::size_t>(j) <= subItems.size() ? subItems[static_cast<std::size_t>(j - 1)]
                                                                  : kNeverSet;
}

void ListView::SetSubItem(int row, int j, std::string text) {
  if (j < 1) return;
  auto& subItems = rows_.at(static_cast<std::size_t>(row - 1)).subItems;
  if (subItems.size() < static_cast<std::size_t>(j)) subItems.resize(static_cast<std::size_t>(j));
  std::string& cell = subItems[static_cast<std::size_t>(j - 1)];
  if (cell == text) return;
  cell = std::move(text);
  if (ControlPeer* peer = RowPeer()) peer->ListCellChanged(row, j + 1);
}

void ListView::SetSelectedItem(int row) {
  if (row < 0 || row > ListItemCount()) return;
  selected_ = row;
  Show(Aspect::Selection);
}

void ListView::UserSelectItem(int row) {
  if (row < 1 || row > ListItemCount() || !Enabled()) return;
  selected_ = row;
  if (OnItemClick) OnItemClick(row);
}

void ListView::SetSortArrow(int n, SortArrow arrow) {
  for (int column = 1; column <= ColumnHeaderCount(); ++column)
    columns_[static_cast<std::size_t>(column - 1)].arrow = column == n ? arrow : SortArrow::None;
  Show(Aspect::Items);
}

void ListView::UserClickColumn(int n) {
  if (n >= 1 && n <= ColumnHeaderCount() && Enabled() && OnColumnClick) OnColumnClick(n);
}

void ListView::UserContextMenu(int row) {
  if (row < 0 || row > ListItemCount() || !Enabled()) return;
  if (row > 0) UserSelectItem(row);
  if (OnContextMenu) OnContextMenu(row);
}

void ListView::UserClearSelection() {
  if (selected_ == 0) return;
  selected_ = 0;
  if (OnSelectionCleared) OnSelectionCleared();
}

// Tree view ------------------------------------------------------------------------------

int TreeView::AddNode(std::string key, std::string text, int parent) {
  nodes_.push_back({std::move(key), std::move(text), parent, false});
  if (ControlPeer* peer = Peer()) peer->NodeAdded(NodeCount());
  return NodeCount();
}

void TreeView::ClearNodes() {
  nodes_.clear();
  Show(Aspect::Items);
}

void TreeView::SetNodeText(int n, std::string text) {
  nodes_.at(static_cast<std::size_t>(n - 1)).text = std::move(text);
  if (ControlPeer* peer = Peer()) peer->NodeTextChanged(n);
}

void TreeView::SetNodeChecked(int n, bool checked) {
  nodes_.at(static_cast<std::size_t>(n - 1)).checked = checked;
  Show(Aspect::Value);
}

void TreeView::UserCheckNode(int n, bool checked) {
  if (n < 1 || n > NodeCount() || !Enabled()) return;
  nodes_[static_cast<std::size_t>(n - 1)].checked = checked;
  if (OnNodeCheck) OnNodeCheck(n);
}

void TreeView::UserClickNode(int n) {
  if (n < 1 || n > NodeCount() || !Enabled()) return;
  if (OnNodeClick) OnNodeClick(n);
}

// Status bar -----------------------------------------------------------------------------

int StatusBar::AddPanel(int widthTwips) {
  panels_.push_back({{}, widthTwips});
  Show(Aspect::Items);
  return PanelCount();
}

void StatusBar::SetPanelText(int n, std::string text) {
  panels_.at(static_cast<std::size_t>(n - 1)).text = std::move(text);
  Show(Aspect::Text);
}

void StatusBar::SetPanelWidth(int n, int widthTwips) {
  panels_.at(static_cast<std::size_t>(n - 1)).widthTwips = widthTwips;
  Show(Aspect::Items);
}

// Date and time pickers ------------------------------------------------------------------

void DateTimePicker::SetDateTime(const LocalDateTime& value) {
  dateTime_ = value;
  Show(Aspect::Value);
}

void DateTimePicker::SetRange(const LocalDateTime& earliest, const LocalDateTime& latest) {
  range_ = std::pair{earliest, latest};
  Show(Aspect::Value);
}

void DateTimePicker::UserChange(const LocalDateTime& value) {
  if (value == dateTime_) return;
  dateTime_ = value;
  Raise(OnChange);
}

// Tab strip ------------------------------------------------------------------------------

void TabStrip::AddTab(std::string caption) {
  tabs_.push_back(std::move(caption));
  Show(Aspect::Items);
}

void TabStrip::SetTabCaption(int n, std::string caption) {
  tabs_.at(static_cast<std::size_t>(n - 1)) = std::move(caption);
  Show(Aspect::Items);
}

void TabStrip::UserSelectTab(int n) {
  if (n < 1 || n > TabCount() || !Enabled()) return;
  selected_ = n;
  Raise(OnClick);
}

// Timer ----------------------------------------------------------------------------------

Timer::Timer(Form& form, std::string name, int intervalMs, bool enabled)
    : Control(form, ControlKind::Timer, std::move(name)), interval_(intervalMs) {
  SetEnabled(enabled);
}

void Timer::SetInterval(int intervalMs) {
  interval_ = intervalMs;
  Show(Aspect::Timer);
}

}  // namespace curfew::ui
