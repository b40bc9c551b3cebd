#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include "platform/headless/memory_registry.h"
#include "platform/headless/scripted_message_boxes.h"
#include "platform/host/latin1_code_page.h"
#include "settings/scramble_password.h"
#include "settings/setting_table.h"

namespace curfew {
namespace {

using platform::MemoryRegistry;
using platform::MessageAnswer;
using platform::RegistryRoot;
using Step = MemoryRegistry::Step;

const ProductIdentity kIdentity{"Curfew", "Curfew Team", "curfew.example.org", 0, true};
constexpr const char* kMachinePath = "SOFTWARE\\Curfew Team\\Curfew\\Settings";
constexpr const char* kVirtualPath =
    "Software\\Classes\\VirtualStore\\MACHINE\\SOFTWARE\\Curfew Team\\Curfew\\Settings";
constexpr const char* kUserPath = "Software\\Curfew Team\\Curfew\\Settings";

class SettingsStoreTest : public testing::Test {
 protected:
  std::string Get(std::string_view key, std::string_view fallback = "default") {
    return GetSettingValue(services_, "Curfew", "Settings", key, fallback);
  }
  void Save(std::string_view key, std::string_view value) {
    SaveSettingValue(services_, "Curfew", "Settings", key, value);
  }

  MemoryRegistry registry_;
  platform::ScriptedMessageBoxes messages_;
  bool suppress_ = false;
  SettingsServices services_{registry_, messages_, kIdentity, suppress_};
};

TEST_F(SettingsStoreTest, AFreshMachineReadsDefaultsAndTheFirstWriteCreatesThePath) {
  EXPECT_EQ(Get("chkMin", "0"), "0");
  EXPECT_FALSE(registry_.KeyExists(RegistryRoot::LocalMachine, "SOFTWARE\\Curfew Team"));
  Save("chkMin", "1");
  EXPECT_EQ(registry_.Get(RegistryRoot::LocalMachine, kMachinePath, "chkMin"), "1");
  EXPECT_EQ(Get("chkMin", "0"), "1");
  EXPECT_EQ(registry_.OpenKeyCount(), 0U);
}

TEST_F(SettingsStoreTest, ValueNamesIgnoreCaseAndEmptyValuesAreNotDefaults) {
  Save("txtport", "1025");
  EXPECT_EQ(Get("txtPort"), "1025");
  Save("txtUsername", "");
  EXPECT_EQ(Get("txtUsername"), "");
}

TEST_F(SettingsStoreTest, NamesAreTrimmedButValueNamesAreNot) {
  SaveSettingValue(services_, "  Curfew ", " Settings ", "chkLog", "1");
  EXPECT_EQ(GetSettingValue(services_, "Curfew", "Settings", "chkLog", "0"), "1");
  EXPECT_EQ(GetSettingValue(services_, "Curfew", "Settings", " chkLog", "0"), "0");
}

struct ErrorCase {
  const char* app;
  const char* section;
  const char* key;
  std::int32_t number;
  const char* message;
};

class SettingsReadErrors : public SettingsStoreTest, public testing::WithParamInterface<ErrorCase> {};

TEST_P(SettingsReadErrors, RaiseNumberedErrors) {
  try {
    GetSettingValue(services_, GetParam().app, GetParam().section, GetParam().key, "d");
    FAIL() << "no error raised";
  } catch (const SettingsError& error) {
    EXPECT_EQ(error.Number(), GetParam().number);
    EXPECT_STREQ(error.what(), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(Names, SettingsReadErrors,
                         testing::Values(ErrorCase{" ", "", "", -2147220504, "AppName may not be empty"},
                                         ErrorCase{"Curfew", "  ", "", -2147220503, "Section may not be empty"},
                                         ErrorCase{"Curfew", "Settings", "", -2147220502, "Key may not be empty"}));

TEST_F(SettingsStoreTest, ANumberValueIsNotAString) {
  registry_.Put(RegistryRoot::LocalMachine, kMachinePath, "chkMin", platform::kRegistryDword, "\x01\0\0\0");
  try {
    Get("chkMin");
    FAIL() << "no error raised";
  } catch (const SettingsError& error) {
    EXPECT_EQ(error.Number(), static_cast<std::int32_t>(0x800407D4));
    EXPECT_STREQ(error.what(), "Registry data not a string");
  }
  EXPECT_EQ(registry_.OpenKeyCount(), 0U) << "the key is closed before the error reaches the caller";
}

TEST_F(SettingsStoreTest, AKeyThatCannotBeOpenedRaisesItsStatus) {
  registry_.Put(RegistryRoot::LocalMachine, kMachinePath, "chkMin", platform::kRegistryString, "1");
  registry_.Fail(Step::Open, RegistryRoot::LocalMachine, kMachinePath, "", 5);
  try {
    Get("chkMin");
    FAIL() << "no error raised";
  } catch (const SettingsError& error) {
    EXPECT_EQ(error.Number(), static_cast<std::int32_t>(0x800407D5));
    EXPECT_STREQ(error.what(), "Could not open registry section");
  }
}

TEST_F(SettingsStoreTest, AFailedSecondReadGivesTheDefault) {
  registry_.Put(RegistryRoot::LocalMachine, kMachinePath, "chkMin", platform::kRegistryString, "1");
  registry_.Fail(Step::Read, RegistryRoot::LocalMachine, kMachinePath, "chkMin", 13);
  EXPECT_EQ(Get("chkMin"), "default");
  EXPECT_EQ(registry_.OpenKeyCount(), 0U);
}

TEST_F(SettingsStoreTest, ARefusedStatusOtherThanAccessIsLostSilently) {
  registry_.Fail(Step::Set, RegistryRoot::LocalMachine, kMachinePath, "chkMin", 1);
  Save("chkMin", "1");
  EXPECT_EQ(Get("chkMin", "0"), "0");
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_EQ(registry_.OpenKeyCount(), 0U);
}

TEST_F(SettingsStoreTest, AStandardUsersWriteGoesToTheVirtualStoreAndIsReadBack) {
  registry_.Fail(Step::Create, RegistryRoot::LocalMachine, kMachinePath, "", 5);
  Save("chkMin", "1");
  EXPECT_EQ(registry_.Get(RegistryRoot::CurrentUser, kVirtualPath, "chkMin"), "1");
  EXPECT_FALSE(registry_.KeyExists(RegistryRoot::LocalMachine, kMachinePath));
  EXPECT_EQ(Get("chkMin", "0"), "1");
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(SettingsStoreTest, ARefusedWriteIntoAnExistingKeyGoesToTheVirtualStore) {
  registry_.Put(RegistryRoot::LocalMachine, kMachinePath, "chkMin", platform::kRegistryString, "0");
  registry_.Fail(Step::Set, RegistryRoot::LocalMachine, kMachinePath, "chkMin", 5);
  Save("chkMin", "1");
  EXPECT_EQ(registry_.Get(RegistryRoot::CurrentUser, kVirtualPath, "chkMin"), "1");
  EXPECT_EQ(Get("chkMin", "0"), "1") << "the user's copy wins";
  EXPECT_EQ(registry_.OpenKeyCount(), 0U);
}

TEST_F(SettingsStoreTest, AWriteThatSucceedsMachineWideRetiresTheUsersCopy) {
  registry_.Put(RegistryRoot::LocalMachine, kMachinePath, "chkMin", platform::kRegistryString, "0");
  registry_.Fail(Step::Set, RegistryRoot::LocalMachine, kMachinePath, "chkMin", 5, 1);
  Save("chkMin", "1");  // refused: kept for this user
  Save("chkMin", "0");  // allowed now (an administrator, say)
  EXPECT_EQ(Get("chkMin", "x"), "0") << "the new value is seen, not the stale copy";
  EXPECT_EQ(registry_.Get(RegistryRoot::CurrentUser, kVirtualPath, "chkMin"), std::nullopt);
  EXPECT_EQ(registry_.OpenKeyCount(), 0U);
}

TEST_F(SettingsStoreTest, AValueThatCannotBeKeptAnywhereIsReported) {
  registry_.Fail(Step::Create, RegistryRoot::LocalMachine, kMachinePath, "", 5);
  registry_.Fail(Step::Create, RegistryRoot::CurrentUser, kVirtualPath, "", 5);
  messages_.Answer(MessageAnswer::Abort);
  Save("chkMin", "1");
  ASSERT_EQ(messages_.shown().size(), 1U);
  EXPECT_EQ(messages_.shown()[0].title, "Permission Denied");
}

class PermissionDialog : public SettingsStoreTest {
 protected:
  void FailWriteOutright(int times) {
    registry_.Fail(Step::Set, RegistryRoot::LocalMachine, kMachinePath, "chkMin", 0, times, true);
  }
};

TEST_F(PermissionDialog, ShowsTheExactTextWithAbortRetryIgnore) {
  FailWriteOutright(-1);
  messages_.Answer(MessageAnswer::Abort);
  Save("chkMin", "1");
  ASSERT_EQ(messages_.shown().size(), 1U);
  const auto& shown = messages_.shown()[0];
  EXPECT_EQ(shown.buttons, platform::MessageButtons::AbortRetryIgnore);
  EXPECT_EQ(shown.icon, platform::MessageIcon::None);
  EXPECT_EQ(shown.text,
            "Curfew requires read/write access to the system registry and hard drive in order to run properly.  "
            "This user account does not have the proper permissions set.  As a result some or all of your settings "
            "may not be properly saved.  Please contact your system administrator or change the permission settings "
            "for this account.\r\n\r\nIf you would like to prevent this error message from being displayed again, "
            "please press 'Ignore'.");
  EXPECT_EQ(registry_.Get(RegistryRoot::LocalMachine, kMachinePath, "chkMin"), std::nullopt);
  EXPECT_EQ(registry_.OpenKeyCount(), 0U);
}

TEST_F(PermissionDialog, RetryRepeatsOnlyTheFailingStep) {
  FailWriteOutright(1);
  messages_.Answer(MessageAnswer::Retry);
  Save("chkMin", "1");
  EXPECT_EQ(registry_.Get(RegistryRoot::LocalMachine, kMachinePath, "chkMin"), "1");
  const auto& journal = registry_.Journal();
  EXPECT_EQ(
      std::count_if(journal.begin(), journal.end(), [](const std::string& s) { return s.starts_with("Create HKLM"); }),
      1)
      << "the key was created once";
  EXPECT_EQ(std::count_if(journal.begin(), journal.end(), [](const std::string& s) { return s.starts_with("Set "); }),
            2);
}

TEST_F(PermissionDialog, IgnoreSilencesItForGood) {
  FailWriteOutright(-1);
  messages_.Answer(MessageAnswer::Ignore);
  Save("chkMin", "1");
  EXPECT_EQ(registry_.Get(RegistryRoot::CurrentUser, kUserPath, "IgnorePermissionDeniedError"), "1");
  Save("chkMin", "1");
  EXPECT_EQ(messages_.shown().size(), 1U);
}

TEST_F(PermissionDialog, StartingMinimisedSilencesIt) {
  FailWriteOutright(-1);
  suppress_ = true;
  Save("chkMin", "1");
  EXPECT_TRUE(messages_.shown().empty());
}

TEST(ScramblePassword, InvertsTheTopBitAndIsItsOwnInverse) {
  const platform::Latin1CodePage codePage;
  const std::string scrambled = ScramblePassword("abc", codePage);
  EXPECT_EQ(codePage.ToAnsi(scrambled), "\xE1\xE2\xE3");
  EXPECT_EQ(ScramblePassword(scrambled, codePage), "abc");
  EXPECT_EQ(ScramblePassword("", codePage), "");
  EXPECT_EQ(ScramblePassword(ScramblePassword("Pässwörd!", codePage), codePage), "Pässwörd!");
}

TEST(SettingTable, ReadsWithOneDefaultAndWritesUnderTheWrittenKey) {
  MemoryRegistry registry;
  platform::ScriptedMessageBoxes messages;
  const bool suppress = false;
  const SettingsServices services{registry, messages, kIdentity, suppress};
  EXPECT_EQ(ReadSetting(services, "txtPort", SettingStore::Machine), "25");
  EXPECT_EQ(ReadSetting(services, "Language", SettingStore::User), "English");
  EXPECT_EQ(ReadSetting(services, "BackupSetColumn4", SettingStore::User), "2500");
  WriteSetting(services, "txtFTPFolder", SettingStore::Machine, "/pub");
  EXPECT_TRUE(registry.Journal().back().starts_with("Close"));
  EXPECT_EQ(ReadSetting(services, "txtFTPFolder", SettingStore::Machine), "/pub");
  WriteSetting(services, "chkRunAtStart", SettingStore::Machine, "1");
  EXPECT_EQ(registry.Get(RegistryRoot::LocalMachine, "SOFTWARE\\Curfew Team\\Curfew0\\Settings", "chkRunAtStart"), "1");
  WriteSetting(services, "BackupSetColumn2", SettingStore::User, "1800");
  EXPECT_EQ(registry.Get(RegistryRoot::CurrentUser, kUserPath, "BackupSetColumn2"), "1800");
  EXPECT_THROW(ReadSetting(services, "noSuchKey", SettingStore::Machine), std::out_of_range);
}

}  // namespace
}  // namespace curfew
