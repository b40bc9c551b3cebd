#pragma once

#include <string>
#include <vector>

#include "platform/date_time.h"
#include "platform/windowing/control.h"

namespace curfew::ui {

// Controls that are no more than the common properties.
template <ControlKind K>
class SimpleControl : public Control {
 public:
  SimpleControl(Form& form, std::string name, std::optional<int> index = std::nullopt, Control* container = nullptr)
      : Control(form, K, std::move(name), index, container) {}
};

using Label = SimpleControl<ControlKind::Label>;
using SkinLabel = SimpleControl<ControlKind::SkinLabel>;
using TextBox = SimpleControl<ControlKind::TextBox>;
using Frame = SimpleControl<ControlKind::Frame>;
using Line = SimpleControl<ControlKind::Line>;

// A box that may show a picture (a bitmap of the program's resources), stretched to its size.
class PictureBox : public Control {
 public:
  PictureBox(Form& form, std::string name, std::optional<int> index = std::nullopt, Control* container = nullptr)
      : Control(form, ControlKind::PictureBox, std::move(name), index, container) {}
  // The bitmap's resource number; 0 for none.
  int Picture() const { return picture_; }
  void SetPicture(int bitmapResource) {
    picture_ = bitmapResource;
    Show(Aspect::Caption);
  }

 protected:
  PictureBox(Form& form, ControlKind kind, std::string name, std::optional<int> index, Control* container)
      : Control(form, kind, std::move(name), index, container) {}

 private:
  int picture_ = 0;
};

// An image: a picture shown as a picture box shows it, under a kind of its own.
class Image : public PictureBox {
 public:
  Image(Form& form, std::string name, std::optional<int> index = std::nullopt, Control* container = nullptr)
      : PictureBox(form, ControlKind::Image, std::move(name), index, container) {}
};

// A status bar along the bottom of its window, in panels numbered from 1. A bar without
// panels shows its Text.
class StatusBar : public Control {
 public:
  struct Panel {
    std::string text;
    int widthTwips;
  };
  StatusBar(Form& form, std::string name, std::optional<int> index = std::nullopt, Control* container = nullptr)
      : Control(form, ControlKind::StatusBar, std::move(name), index, container) {}
  int AddPanel(int widthTwips);
  int PanelCount() const { return static_cast<int>(panels_.size()); }
  const Panel& GetPanel(int n) const { return panels_.at(static_cast<std::size_t>(n - 1)); }
  void SetPanelText(int n, std::string text);
  void SetPanelWidth(int n, int widthTwips);

 private:
  std::vector<Panel> panels_;
};

// A push button. The default button is pressed by Enter anywhere in its window, the cancel
// button by Esc; one button may be both (the only button of a message). A button may show a
// picture (an icon of the program's resources) beside its caption.
class CommandButton : public Control {
 public:
  CommandButton(Form& form, std::string name, std::optional<int> index = std::nullopt, Control* container = nullptr)
      : Control(form, ControlKind::CommandButton, std::move(name), index, container) {}
  // The icon's resource number; 0 for none.
  int Picture() const { return picture_; }
  void SetPicture(int iconResource) {
    picture_ = iconResource;
    Show(Aspect::Caption);
  }
  bool Default() const { return default_; }
  void SetDefault(bool on) {
    default_ = on;
    Show(Aspect::Role);
  }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool on) {
    cancel_ = on;
    Show(Aspect::Role);
  }

 private:
  bool default_ = false;
  bool cancel_ = false;
  int picture_ = 0;
};

// Setting the value in code raises Click, as a click of the user does.
class CheckBox : public Control {
 public:
  CheckBox(Form& form, std::string name, std::optional<int> index = std::nullopt, Control* container = nullptr)
      : Control(form, ControlKind::CheckBox, std::move(name), index, container) {}
  void SetValue(int value) override;
  void UserClick() override;
};

// One of a group: the option buttons of the same container. Selecting one clears the others
// and raises Click.
class OptionButton : public Control {
 public:
  OptionButton(Form& form, std::string name, std::optional<int> index = std::nullopt, Control* container = nullptr)
      : Control(form, ControlKind::OptionButton, std::move(name), index, container) {}
  void SetValue(int value) override;
  void UserClick() override;

 private:
  void Select();
};

// A list of entries with a selection; the combo box adds editable text.
class ListControl : public Control {
 public:
  using Control::Control;
  void AddItem(std::string item);
  void RemoveItem(int index);
  void Clear();
  int ListCount() const { return static_cast<int>(items_.size()); }
  const std::string& List(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  // The selected entry, -1 for none. Selecting in code raises Click, as in a user's pick.
  int ListIndex() const { return listIndex_; }
  void SetListIndex(int index);
  void UserPick(int index);

 private:
  std::vector<std::string> items_;
  int listIndex_ = -1;
};

class ComboBox : public ListControl {
 public:
  // An editable combo box lets the user type any text; a list one only picks.
  enum class Style { DropDownCombo, DropDownList };
  ComboBox(Form& form, std::string name, Style style = Style::DropDownCombo, std::optional<int> index = std::nullopt,
           Control* container = nullptr)
      : ListControl(form, ControlKind::ComboBox, std::move(name), index, container), style_(style) {}
  Style GetStyle() const { return style_; }

 private:
  Style style_;
};

class ListBox : public ListControl {
 public:
  ListBox(Form& form, std::string name, std::optional<int> index = std::nullopt, Control* container = nullptr)
      : ListControl(form, ControlKind::ListBox, std::move(name), index, container) {}
};

// A report-style list with column headers. Columns and rows are numbered from 1.
class ListView : public Control {
 public:
  struct Row {
    std::string text;
    std::vector<std::string> subItems;  // column 2 onward
  };

  ListView(Form& form, std::string name, std::optional<int> index = std::nullopt, Control* container = nullptr)
      : Control(form, ControlKind::ListView, std::move(name), index, container) {}

  void AddColumnHeader(std::string text, int widthTwips);
  int ColumnHeaderCount() const { return static_cast<int>(columns_.size()); }
  const std::string& ColumnHeaderText(int n) const { return Column(n).text; }
  void SetColumnHeaderText(int n, std::string text);
  int ColumnWidth(int n) const { return Column(n).widthTwips; }
  void SetColumnWidth(int n, int widthTwips);
  // The back end reports a width the user dragged.
  void UserResizeColumn(int n, int widthTwips);

  int ListItemCount() const { return static_cast<int>(rows_.size()); }
  // Changes made while a batch is open reach the back end at once when it closes: many rows
  // loaded in one go, and column widths set with them, cost the window one update.
  class Batch {
   public:
    explicit Batch(ListView& list) : list_(list) { ++list_.batchDepth_; }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;
    ~Batch() {
      if (--list_.batchDepth_ == 0) list_.Show(Aspect::Items);
    }

   private:
    ListView& list_;
  };
  // Adds a row and returns its number.
  int AddListItem(std::string text);
  void RemoveListItem(int row);
  void ClearListItems();
  const std::string& ListItemText(int row) const { return Item(row).text; }
  // Sub-item j (1 = the second column); "" when never set.
  const std::string& SubItem(int row, int j) const;
  void SetSubItem(int row, int j, std::string text);
  const std::vector<Row>& Rows() const { return rows_; }

  // The selected row, 0 for none.
  int SelectedItem() const { return selected_; }
  void SetSelectedItem(int row);
  void UserSelectItem(int row);
  // The user took the highlight off every row (a click on the empty part of the list).
  void UserClearSelection();
  std::function<void(int row)> OnItemClick;
  std::function<void()> OnSelectionCleared;

  // The arrow a column header shows for the order of the rows; one column at a time.
  enum class SortArrow { None, Up, Down };
  SortArrow ColumnSortArrow(int n) const { return Column(n).arrow; }
  void SetSortArrow(int n, SortArrow arrow);
  // A click on a column header, and a row's context menu asked for (right click, the
  // context-menu key, Shift+F10); row 0 when no row was hit or none is selected.
  void UserClickColumn(int n);
  void UserContextMenu(int row);
  std::function<void(int column)> OnColumnClick;
  std::function<void(int row)> OnContextMenu;

 private:
  struct ColumnHeader {
    std::string text;
    int widthTwips;
    SortArrow arrow = SortArrow::None;
  };
  const ColumnHeader& Column(int n) const { return columns_.at(static_cast<std::size_t>(n - 1)); }
  const Row& Item(int row) const { return rows_.at(static_cast<std::size_t>(row - 1)); }

  // The back end hears of one row or cell only outside a batch.
  ControlPeer* RowPeer() const { return batchDepth_ == 0 ? Peer() : nullptr; }

  std::vector<ColumnHeader> columns_;
  std::vector<Row> rows_;
  int selected_ = 0;
  int batchDepth_ = 0;
};

// A tree of nodes with check boxes. Nodes are numbered from 1 in the order they were added.
class TreeView : public Control {
 public:
  struct Node {
    std::string key;
    std::string text;
    int parent = 0;  // 0 for a root node
    bool checked = false;
  };

  TreeView(Form& form, std::string name, std::optional<int> index = std::nullopt, Control* container = nullptr)
      : Control(form, ControlKind::TreeView, std::move(name), index, container) {}

  int AddNode(std::string key, std::string text, int parent = 0);
  void ClearNodes();
  int NodeCount() const { return static_cast<int>(nodes_.size()); }
  const Node& GetNode(int n) const { return nodes_.at(static_cast<std::size_t>(n - 1)); }
  const std::vector<Node>& Nodes() const { return nodes_; }
  void SetNodeText(int n, std::string text);
  void SetNodeChecked(int n, bool checked);
  void UserCheckNode(int n, bool checked);
  std::function<void(int node)> OnNodeCheck;
  // The user clicked a node's text (not its check box; moving to it with the keyboard is no
  // click); its label cannot be edited.
  void UserClickNode(int n);
  std::function<void(int node)> OnNodeClick;

 private:
  std::vector<Node> nodes_;
};

// A date picker shows the date of its value, a time picker the time of day.
class DateTimePicker : public Control {
 public:
  DateTimePicker(Form& form, ControlKind kind, std::string name, Control* container = nullptr)
      : Control(form, kind, std::move(name), std::nullopt, container) {}
  const LocalDateTime& GetDateTime() const { return dateTime_; }
  void SetDateTime(const LocalDateTime& value);
  // The earliest and latest values the user may pick; none by default.
  void SetRange(const LocalDateTime& earliest, const LocalDateTime& latest);
  const std::optional<std::pair<LocalDateTime, LocalDateTime>>& Range() const { return range_; }
  void UserChange(const LocalDateTime& value);

 private:
  LocalDateTime dateTime_{};
  std::optional<std::pair<LocalDateTime, LocalDateTime>> range_;
};

class DatePicker : public DateTimePicker {
 public:
  DatePicker(Form& form, std::string name, Control* container = nullptr)
      : DateTimePicker(form, ControlKind::DatePicker, std::move(name), container) {}
};

class TimePicker : public DateTimePicker {
 public:
  TimePicker(Form& form, std::string name, Control* container = nullptr)
      : DateTimePicker(form, ControlKind::TimePicker, std::move(name), container) {}
};

// Tabs numbered from 1; a click on a tab selects it and raises Click.
class TabStrip : public Control {
 public:
  TabStrip(Form& form, std::string name, std::optional<int> index = std::nullopt, Control* container = nullptr)
      : Control(form, ControlKind::TabStrip, std::move(name), index, container) {}
  void AddTab(std::string caption);
  int TabCount() const { return static_cast<int>(tabs_.size()); }
  const std::string& TabCaption(int n) const { return tabs_.at(static_cast<std::size_t>(n - 1)); }
  void SetTabCaption(int n, std::string caption);
  int SelectedTab() const { return selected_; }
  void UserSelectTab(int n);

 private:
  std::vector<std::string> tabs_;
  int selected_ = 1;
};

// Raises Timer every Interval milliseconds while enabled and its window is loaded.
class Timer : public Control {
 public:
  Timer(Form& form, std::string name, int intervalMs = 0, bool enabled = true);
  int Interval() const { return interval_; }
  void SetInterval(int intervalMs);
  std::function<void()> OnTimer;
  // The back end calls this when the interval has passed.
  void Tick() const { Raise(OnTimer); }

 private:
  int interval_;
};

// A menu entry. Entries whose container is another menu are its sub-entries; top-level
// entries form the window's menu bar while visible, and serve as pop-up menus otherwise.
// Value is 1 for a checked entry; a caption of "-" makes a separator.
class Menu : public Control {
 public:
  Menu(Form& form, std::string name, std::optional<int> index = std::nullopt, Menu* parent = nullptr)
      : Control(form, ControlKind::Menu, std::move(name), index, parent) {}
  bool Checked() const { return value_ != 0; }
  void SetChecked(bool checked) { SetValue(checked ? 1 : 0); }
};

}  // namespace curfew::ui
