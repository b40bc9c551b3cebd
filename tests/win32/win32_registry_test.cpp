#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/headless/scripted_message_boxes.h"
#include "platform/win32/text_conversion.h"
#include "settings/add_remove.h"
#include "settings/apply_run_at_start.h"
#include "settings/settings_store.h"

namespace curfew::platform::win32 {
namespace {

// Settings of a throwaway product, removed again after each test.
class Win32SettingsTest : public testing::Test {
 protected:
  Win32SettingsTest()
      : identity_{"CurfewTest" + std::to_string(GetCurrentProcessId()), "Curfew Test Company", "example.org", 0, true} {
  }
  ~Win32SettingsTest() override {
    const std::wstring company = L"SOFTWARE\\Curfew Test Company";
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, company.c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, company.c_str());
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
      HKEY run = nullptr;
      if (RegOpenKeyExW(root, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0, KEY_ALL_ACCESS, &run) == 0) {
        for (const char* suffix : {"0", "1"})
          RegDeleteValueW(run, Utf8ToWide(identity_.strProgramName + suffix).c_str());
        RegCloseKey(run);
      }
    }
  }

  std::string Get(std::string_view key, std::string_view fallback) {
    return GetSettingValue(services_, identity_.strProgramName, "Settings", key, fallback);
  }
  void Save(std::string_view key, std::string_view value) {
    SaveSettingValue(services_, identity_.strProgramName, "Settings", key, value);
  }
  std::wstring MachinePath() const {
    return Utf8ToWide("SOFTWARE\\Curfew Test Company\\" + identity_.strProgramName + "\\Settings");
  }

  ProductIdentity identity_;
  Win32Registry registry_;
  ScriptedMessageBoxes messages_;
  bool suppress_ = false;
  SettingsServices services_{registry_, messages_, identity_, suppress_};
};

TEST_F(Win32SettingsTest, ReadAndWriteRulesHoldOnTheRealRegistry) {
  EXPECT_EQ(Get("chkMin", "0"), "0") << "the key path does not exist yet";
  Save("txtport", "1025");
  EXPECT_EQ(Get("txtPort", "25"), "1025");
  Save("txtUsername", "");
  EXPECT_EQ(Get("txtUsername", "x"), "");
  Save("txtServer", "smtp.beispiel.de — Grüße");
  EXPECT_EQ(Get("txtServer", ""), "smtp.beispiel.de — Grüße");
  SaveSettingValue(services_, " " + identity_.strProgramName + " ", " Settings ", "chkLog", "1");
  EXPECT_EQ(Get("chkLog", "0"), "1");
  EXPECT_EQ(Get(" chkLog", "0"), "0");
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(Win32SettingsTest, ANumberValueIsNotAString) {
  Save("chkMin", "1");
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, MachinePath().c_str(), 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
  const DWORD number = 1;
  RegSetValueExW(key, L"chkMin", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof(number));
  RegCloseKey(key);
  try {
    Get("chkMin", "0");
    FAIL() << "no error raised";
  } catch (const SettingsError& error) {
    EXPECT_EQ(error.Number(), static_cast<std::int32_t>(0x800407D4));
  }
}

TEST_F(Win32SettingsTest, PerUserSettingsAndStartUpLists) {
  EXPECT_EQ(GetUserSetting(registry_, identity_, identity_.strProgramName, "Settings", "Language", "English"),
            "English");
  SaveUserSetting(registry_, identity_, identity_.strProgramName, "Settings", "Language", "Deutsch");
  EXPECT_EQ(GetUserSetting(registry_, identity_, identity_.strProgramName, "Settings", "language", "English"),
            "Deutsch");

  AddRemove addRemove(registry_, identity_);
  const std::string name = identity_.strProgramName + "0";
  ApplyRunAtStart(1, services_, "C:\\Apps", "curfew");
  EXPECT_EQ(addRemove.GetString(RegistryRoot::LocalMachine, kRunPath, name), "C:\\Apps\\curfew.exe");
  EXPECT_EQ(Get("chkRunAtStart", "0"), "0") << "the choice lives under the start-up application name";
  EXPECT_EQ(GetSettingValue(services_, name, "Settings", "chkRunAtStart", "0"), "1");

  // A registration in the user's own list (the fallback of a standard user) goes too.
  ASSERT_TRUE(addRemove.AddToRun(name, "C:\\Apps\\curfew.exe"));
  EXPECT_EQ(addRemove.GetString(RegistryRoot::CurrentUser, kRunPath, name), "C:\\Apps\\curfew.exe");
  ApplyRunAtStart(0, services_, "C:\\Apps", "curfew");
  EXPECT_EQ(addRemove.GetString(RegistryRoot::LocalMachine, kRunPath, name), std::nullopt);
  EXPECT_EQ(addRemove.GetString(RegistryRoot::CurrentUser, kRunPath, name), std::nullopt);
}

}  // namespace
}  // namespace curfew::platform::win32
