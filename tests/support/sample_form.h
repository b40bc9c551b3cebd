#pragma once

#include <stdexcept>

#include "platform/windowing/controls.h"
#include "platform/windowing/form.h"

namespace curfew::test {

// A window with one control of every translated kind and a few others, named like the
// program's own windows.
class frmSample final : public ui::Form {
 public:
  explicit frmSample(ui::WindowRuntime& runtime);

  ui::CommandButton cmdGo{*this, "cmdGo"};
  ui::Label lblHint{*this, "lblHint"};
  ui::SkinLabel Label1{*this, "Label1"};
  ui::Frame frOptions{*this, "frOptions"};
  ui::CheckBox chkPrevent{*this, "chkPrevent", std::nullopt, &frOptions};
  ui::OptionButton optMode0{*this, "optMode", 0, &frOptions};
  ui::OptionButton optMode1{*this, "optMode", 1, &frOptions};
  ui::OptionButton optMode2{*this, "optMode", 2, &frOptions};
  ui::TabStrip tabPages{*this, "tabPages"};
  ui::ListView lstSchedules{*this, "lstSchedules"};
  ui::ComboBox cbShutdown{*this, "cbShutdown"};
  ui::TextBox txtName{*this, "txtName"};
  ui::TreeView tvDays{*this, "tvDays"};
  ui::DatePicker dtDate{*this, "dtDate"};
  ui::TimePicker dtTime{*this, "dtTime"};
  ui::Timer tmrScheduler{*this, "tmrScheduler", 500};
  ui::Menu mnuFile{*this, "mnuFile"};
  ui::Menu mnuFileItem0{*this, "mnuFileItem", 0, &mnuFile};
  ui::Menu mnuFileItem6{*this, "mnuFileItem", 6, &mnuFile};
  ui::Menu mnuTray{*this, "mnuTray"};
  ui::Menu mnuTrayItem1{*this, "mnuTrayItem", 1, &mnuTray};

  int loads = 0;
  bool cancelQueryUnload = false;
  bool failQueryUnload = false;
  bool failUnload = false;
  std::vector<ui::UnloadMode> queryUnloadModes;
  std::vector<ui::SystemChange> systemChanges;
  int paints = 0;
  bool paintedOnADevice = false;

 protected:
  void Form_Load() override { ++loads; }
  void Form_QueryUnload(bool& cancel, ui::UnloadMode mode) override {
    queryUnloadModes.push_back(mode);
    if (failQueryUnload) throw std::runtime_error("query failed");
    cancel = cancelQueryUnload;
  }
  void Form_SystemChange(ui::SystemChange change) override { systemChanges.push_back(change); }
  void Form_Paint(ui::Canvas& canvas) override {
    ++paints;
    paintedOnADevice = canvas.NativeDevice() != 0;
    canvas.FillRect(canvas.Area(), BackColor());
    canvas.DrawText({120, 5500, 3000, 300}, "Painted", GetFont(), ui::kButtonText);
  }
  void Form_Unload(bool&) override {
    if (failUnload) throw std::runtime_error("unload failed");
  }
};

}  // namespace curfew::test
