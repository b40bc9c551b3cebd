#include <gtest/gtest.h>

#include "platform/headless/headless_runtime.h"
#include "platform/windowing/access_keys.h"
#include "support/sample_form.h"

namespace curfew::ui {
namespace {

class WindowingTest : public testing::Test {
 protected:
  HeadlessRuntime runtime_;
  test::frmSample form_{runtime_};
};

TEST_F(WindowingTest, ControlsReportTheirIdentityInDeclarationOrder) {
  const auto& controls = form_.Controls();
  ASSERT_EQ(controls.size(), 21U);
  EXPECT_EQ(controls[0]->Name(), "cmdGo");
  EXPECT_EQ(controls[0]->TypeName(), "CommandButton");
  EXPECT_EQ(form_.Label1.TypeName(), "SkinLabel");
  EXPECT_EQ(form_.optMode2.Index(), 2);
  EXPECT_EQ(form_.cmdGo.Index(), std::nullopt);
  EXPECT_EQ(form_.chkPrevent.Container(), &form_.frOptions);
  EXPECT_EQ(form_.dtTime.TypeName(), "DTPicker");
  EXPECT_EQ(&form_.mnuFileItem6.Parent(), &form_);
}

TEST_F(WindowingTest, LoadRunsOnceAndUnloadAsksFirst) {
  form_.Show();
  form_.Show();
  EXPECT_EQ(form_.loads, 1);
  EXPECT_TRUE(form_.Visible());
  EXPECT_EQ(runtime_.LoadedForms(), std::vector<Form*>{&form_});

  form_.cancelQueryUnload = true;
  form_.UserClose();
  EXPECT_TRUE(form_.Loaded()) << "the handler cancelled";
  form_.cancelQueryUnload = false;
  EXPECT_TRUE(form_.Unload(UnloadMode::AppWindows));
  EXPECT_FALSE(form_.Loaded());
  EXPECT_EQ(form_.queryUnloadModes, (std::vector<UnloadMode>{UnloadMode::ControlMenu, UnloadMode::AppWindows}));
  EXPECT_TRUE(runtime_.LoadedForms().empty());
}

TEST_F(WindowingTest, AFailingUnloadHandlerLeavesTheWindowConsistent) {
  form_.Show();
  form_.failQueryUnload = true;
  EXPECT_THROW(form_.Unload(), std::runtime_error);
  EXPECT_TRUE(form_.Loaded()) << "a query that fails keeps the window";
  form_.failQueryUnload = false;
  form_.failUnload = true;
  EXPECT_THROW(form_.Unload(), std::runtime_error) << "not stuck as unloading: the handlers run again";
  EXPECT_FALSE(form_.Loaded()) << "an unload handler that fails still ends with the window gone";
  EXPECT_TRUE(runtime_.LoadedForms().empty());
}

TEST_F(WindowingTest, ValueChangesThroughTheBaseClassRaiseTheirClick) {
  std::vector<std::string> clicks;
  form_.chkPrevent.OnClick = [&] { clicks.push_back("chk"); };
  form_.optMode1.OnClick = [&] { clicks.push_back("opt1"); };
  form_.optMode0.SetValue(1);
  for (Control* control : {static_cast<Control*>(&form_.chkPrevent), static_cast<Control*>(&form_.optMode1)}) {
    control->SetValue(1);
    control->SetValue(1);  // no change, no click
  }
  EXPECT_EQ(clicks, (std::vector<std::string>{"chk", "opt1"}));
  EXPECT_EQ(form_.optMode0.Value(), 0) << "the group's other option is cleared";
}

TEST_F(WindowingTest, AnArrayElementMadeAtRunTimeJoinsTheLoadedWindow) {
  form_.Show();
  const std::size_t before = form_.Controls().size();
  {
    Label element(form_, "lblHint", 1);
    EXPECT_EQ(element.Peer(), nullptr) << "not before it is complete";
    form_.LoadControl(element);
    EXPECT_NE(element.Peer(), nullptr);
    EXPECT_EQ(form_.Controls().back(), &element);
    form_.Unload();
    EXPECT_EQ(element.Peer(), nullptr) << "it goes with its window";
  }
  EXPECT_EQ(form_.Controls().size(), before);
}

TEST_F(WindowingTest, ClicksReachTheHandlersOfEnabledControls) {
  int clicks = 0;
  form_.cmdGo.OnClick = [&] { ++clicks; };
  form_.cmdGo.UserClick();
  form_.cmdGo.SetEnabled(false);
  form_.cmdGo.UserClick();
  EXPECT_EQ(clicks, 1);
}

TEST_F(WindowingTest, CheckBoxRaisesClickForUserAndCodeChanges) {
  std::vector<int> seen;
  form_.chkPrevent.OnClick = [&] { seen.push_back(form_.chkPrevent.Value()); };
  form_.chkPrevent.UserClick();
  form_.chkPrevent.UserClick();
  form_.chkPrevent.SetValue(1);
  form_.chkPrevent.SetValue(1);
  EXPECT_EQ(seen, (std::vector<int>{1, 0, 1}));
}

TEST_F(WindowingTest, OptionButtonsOfOneContainerExcludeEachOther) {
  form_.optMode0.SetValue(1);
  form_.optMode2.UserClick();
  EXPECT_EQ(form_.optMode0.Value(), 0);
  EXPECT_EQ(form_.optMode1.Value(), 0);
  EXPECT_EQ(form_.optMode2.Value(), 1);
}

TEST_F(WindowingTest, ComboBoxPickAndTyping) {
  std::vector<std::string> events;
  form_.cbShutdown.OnClick = [&] { events.push_back("click " + form_.cbShutdown.Text()); };
  form_.cbShutdown.OnChange = [&] { events.push_back("change " + form_.cbShutdown.Text()); };
  form_.cbShutdown.UserPick(1);
  form_.cbShutdown.UserType("Log Off");
  form_.cbShutdown.UserPick(7);
  EXPECT_EQ(form_.cbShutdown.ListIndex(), 1);
  EXPECT_EQ(events, (std::vector<std::string>{"click Reboot", "change Log Off"}));
}

TEST_F(WindowingTest, ListViewRowsAndSubItems) {
  const int row = form_.lstSchedules.AddListItem("Nightly");
  form_.lstSchedules.SetSubItem(row, 2, "12/8/2026 23:30:00");
  EXPECT_EQ(form_.lstSchedules.SubItem(row, 1), "");
  EXPECT_EQ(form_.lstSchedules.SubItem(row, 2), "12/8/2026 23:30:00");
  int clicked = 0;
  form_.lstSchedules.OnItemClick = [&](int r) { clicked = r; };
  form_.lstSchedules.AddListItem("Weekly");
  form_.lstSchedules.UserSelectItem(2);
  EXPECT_EQ(clicked, 2);
  form_.lstSchedules.RemoveListItem(1);
  EXPECT_EQ(form_.lstSchedules.SelectedItem(), 1) << "the selection follows its row";
  EXPECT_EQ(form_.lstSchedules.ListItemText(1), "Weekly");
}

TEST_F(WindowingTest, TreeNodesAreCheckedLikeAUserDoes) {
  for (const char* day : {"Monday", "Tuesday"}) form_.tvDays.AddNode(day, day);
  int checkedNode = 0;
  form_.tvDays.OnNodeCheck = [&](int n) { checkedNode = n; };
  form_.tvDays.UserCheckNode(2, true);
  EXPECT_EQ(checkedNode, 2);
  EXPECT_TRUE(form_.tvDays.GetNode(2).checked);
  EXPECT_FALSE(form_.tvDays.GetNode(1).checked);
}

TEST_F(WindowingTest, TimersFireOnTheVirtualClockWhileLoadedAndEnabled) {
  std::vector<std::int64_t> ticks;
  form_.tmrScheduler.OnTimer = [&] { ticks.push_back(runtime_.NowMs()); };
  runtime_.Advance(2000);
  EXPECT_TRUE(ticks.empty()) << "not loaded yet";
  form_.Load();
  runtime_.Advance(1600);
  EXPECT_EQ(ticks, (std::vector<std::int64_t>{2500, 3000, 3500}));
  form_.tmrScheduler.SetInterval(1000);
  runtime_.Advance(2000);
  EXPECT_EQ(ticks.back(), 5600);
  form_.tmrScheduler.SetEnabled(false);
  runtime_.Advance(5000);
  EXPECT_EQ(ticks.size(), 5U);
  form_.tmrScheduler.SetEnabled(true);
  form_.Unload();
  runtime_.Advance(5000);
  EXPECT_EQ(ticks.size(), 5U) << "an unloaded window's timers stop";
}

TEST_F(WindowingTest, TimerHandlerMayStopItsOwnTimer) {
  int ticks = 0;
  form_.tmrScheduler.OnTimer = [&] {
    ++ticks;
    form_.tmrScheduler.SetEnabled(false);
  };
  form_.Load();
  runtime_.Advance(10000);
  EXPECT_EQ(ticks, 1);
}

TEST_F(WindowingTest, ModalWindowsRunTheScriptedUser) {
  runtime_.onModal = [](Form& form) { form.Hide(); };
  form_.Show(true);
  EXPECT_FALSE(form_.Visible());
  EXPECT_TRUE(form_.Loaded());
}

TEST_F(WindowingTest, PopupMenusAndActivation) {
  int restored = 0;
  form_.mnuTrayItem1.OnClick = [&] { ++restored; };
  runtime_.onPopup = [&](Menu& menu) {
    EXPECT_EQ(&menu, &form_.mnuTray);
    form_.mnuTrayItem1.UserClick();
  };
  runtime_.PopupMenu(form_.mnuTray);
  EXPECT_EQ(restored, 1);
  form_.BringToFront();
  EXPECT_TRUE(runtime_.broughtToFront.empty()) << "not loaded";
  form_.Load();
  form_.BringToFront();
  EXPECT_EQ(runtime_.broughtToFront, std::vector<std::string>{form_.Caption()});
}

}  // namespace
}  // namespace curfew::ui

namespace curfew::ui {
namespace {

TEST(ControlAccessKeysTest, ButtonsAndBoxesGetFreeLettersAndLeaveTheMenuBarsToIt) {
  HeadlessRuntime runtime;
  test::frmSample form{runtime};
  form.cmdGo.SetCaption("Fetch");  // F is the File menu's
  std::vector<std::string> captions;
  for (const auto& [control, caption] : ControlAccessKeys(form)) captions.push_back(caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"F&etch", "&Prevent any schedules from running", "&Daily", "&Weekly",
                                                "&Monthly"}));
}

}  // namespace
}  // namespace curfew::ui
