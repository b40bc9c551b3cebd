#pragma once

#include <vector>

#include "localization/translated_window.h"
#include "platform/windowing/controls.h"
#include "platform/windowing/form.h"
#include "scheduling/history_record.h"

namespace curfew {

class AppContext;

// What the program did and why: the history's events, newest first, in columns the user sorts
// by a click on their titles. The history can be cleared, and its file opened.
class frmHistory final : public ui::Form, public TranslatedWindow {
 public:
  explicit frmHistory(AppContext& context);
  ~frmHistory() override;

  ui::ListView lstHistory{*this, "lstHistory"};
  ui::CommandButton cmdClear{*this, "cmdClear"};
  ui::CommandButton cmdOpenFile{*this, "cmdOpenFile"};
  ui::CommandButton cmdClose{*this, "cmdClose"};

  // The title and other catalogue texts (the events' names), shown again when the language
  // changes.
  void ShowCatalogueTexts() override;

  // What an event's row says in its columns, in the language shown.
  std::vector<std::string> ColumnsOf(const HistoryRecord& record) const;

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;
  void Form_Resize() override { ArrangeControls(); }

 private:
  void ArrangeControls();
  void ShowRecords();
  void SortBy(int column);
  void cmdClear_Click();
  void cmdOpenFile_Click();

  AppContext& context_;
  std::vector<HistoryRecord> records_;
  int sortColumn_ = 1;
  bool ascending_ = false;  // newest first
};

}  // namespace curfew
