#include "settings/apply_run_at_start.h"

#include <gtest/gtest.h>

#include "platform/headless/memory_registry.h"
#include "platform/headless/scripted_message_boxes.h"
#include "settings/add_remove.h"

namespace curfew {
namespace {

using platform::MemoryRegistry;
using platform::RegistryRoot;

const ProductIdentity kIdentity{"Curfew", "Curfew Team", "curfew.example.org", 0, true};
constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class RunAtStartTest : public testing::Test {
 protected:
  MemoryRegistry registry_;
  platform::ScriptedMessageBoxes messages_;
  bool suppress_ = false;
  SettingsServices services_{registry_, messages_, kIdentity, suppress_};
};

TEST_F(RunAtStartTest, CheckingRegistersTheUnquotedProgramAndUncheckingRemovesIt) {
  registry_.Put(RegistryRoot::LocalMachine, kRun, "Curfew1", platform::kRegistryString, "old");
  ApplyRunAtStart(1, services_, "C:\\Program Files\\Curfew", "curfew");
  EXPECT_EQ(registry_.Get(RegistryRoot::LocalMachine, kRun, "Curfew0"), "C:\\Program Files\\Curfew\\curfew.exe");
  EXPECT_EQ(registry_.Get(RegistryRoot::LocalMachine, kRun, "Curfew1"), std::nullopt);
  EXPECT_EQ(registry_.Get(RegistryRoot::LocalMachine, "SOFTWARE\\Curfew Team\\Curfew0\\Settings", "chkRunAtStart"),
            "1");
  ApplyRunAtStart(0, services_, "C:\\Program Files\\Curfew", "curfew");
  EXPECT_EQ(registry_.Get(RegistryRoot::LocalMachine, kRun, "Curfew0"), std::nullopt);
  EXPECT_EQ(registry_.Get(RegistryRoot::LocalMachine, "SOFTWARE\\Curfew Team\\Curfew0\\Settings", "chkRunAtStart"),
            "0");
  ApplyRunAtStart(0, services_, "C:\\Program Files\\Curfew", "curfew");  // nothing to remove: silent
  EXPECT_EQ(registry_.OpenKeyCount(), 0U);
}

TEST(StartupCommand, AppendsExeOnlyWhenMissingInAnyCase) {
  EXPECT_EQ(StartupCommand("C:\\Apps", "curfew"), "C:\\Apps\\curfew.exe");
  EXPECT_EQ(StartupCommand("C:\\Apps", "curfew.EXE"), "C:\\Apps\\curfew.EXE");
  EXPECT_EQ(StartupCommand("C:\\Tools.exe", "curfew"), "C:\\Tools.exe\\curfew") << "any .exe in the text counts";
}

TEST(StartWithWindowsSwitch, TakesOnlyTheSwitchWithAChoice) {
  using Arguments = std::vector<std::string>;
  EXPECT_EQ(StartWithWindowsSwitch(Arguments{"/StartWithWindows=1"}), 1);
  EXPECT_EQ(StartWithWindowsSwitch(Arguments{"other", "/startwithwindows=0"}), 0);
  EXPECT_EQ(StartWithWindowsSwitch(Arguments{}), std::nullopt) << "a plain start";
  for (const char* malformed : {"/StartWithWindows=", "/StartWithWindows=2", "/StartWithWindows", "StartWithWindows=1"})
    EXPECT_EQ(StartWithWindowsSwitch(Arguments{malformed}), std::nullopt) << malformed;
}

TEST_F(RunAtStartTest, AStandardUserIsRegisteredInTheUsersOwnList) {
  registry_.Fail(MemoryRegistry::Step::Create, RegistryRoot::LocalMachine, kRun, "", 5);
  ApplyRunAtStart(1, services_, "C:\\Apps", "curfew");
  EXPECT_EQ(registry_.Get(RegistryRoot::CurrentUser, kRun, "Curfew0"), "C:\\Apps\\curfew.exe");
  ApplyRunAtStart(0, services_, "C:\\Apps", "curfew");
  EXPECT_EQ(registry_.Get(RegistryRoot::CurrentUser, kRun, "Curfew0"), std::nullopt);
}

TEST(AddRemove, CustomSettingsAndTheUninstallEntry) {
  MemoryRegistry registry;
  AddRemove addRemove(registry, kIdentity);
  EXPECT_EQ(addRemove.GetStringSettingCustom("Curfew", "Extra", "Mode", "dflt"), "dflt");
  addRemove.doSaveSetCustom("Curfew", "Extra", "Mode", " ");
  EXPECT_EQ(addRemove.GetStringSettingCustom("Curfew", "Extra", "Mode", "dflt"), "dflt");
  addRemove.doSaveSetCustom("Curfew", "Extra", "Mode", "");
  EXPECT_EQ(addRemove.GetStringSettingCustom("Curfew", "Extra", "Mode", "dflt"), "dflt");
  addRemove.doSaveSetCustom("Curfew", "Extra", "Mode", "fast");
  EXPECT_EQ(addRemove.GetStringSettingCustom("Curfew", "Extra", "Mode", "dflt"), "fast");

  registry.Put(RegistryRoot::LocalMachine, "Software\\X", "Number", platform::kRegistryDword, "1234");
  EXPECT_EQ(addRemove.GetString(RegistryRoot::LocalMachine, "Software\\X", "Number"), std::nullopt);

  addRemove.AddToList("Curfew", "C:\\Apps\\uninstall.exe");
  EXPECT_EQ(registry.Get(RegistryRoot::LocalMachine, std::string(kUninstallPath) + "Curfew", "UninstallString"),
            "C:\\Apps\\uninstall.exe");
  addRemove.RemoveFromList("Curfew");
  EXPECT_FALSE(registry.KeyExists(RegistryRoot::LocalMachine, std::string(kUninstallPath) + "Curfew"));
  EXPECT_EQ(registry.OpenKeyCount(), 0U);
}

}  // namespace
}  // namespace curfew
