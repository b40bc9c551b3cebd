#include "platform/win32/win32_file_system.h"

#include <windows.h>
#include <gtest/gtest.h>

#include "platform/headless/scripted_message_boxes.h"
#include "platform/win32/text_conversion.h"
#include "scheduling/schedule_list.h"
#include "scheduling/schedule_writer.h"
#include "scheduling/xfile_exists.h"
#include "support/temp_folder.h"

namespace curfew::platform::win32 {
namespace {

class Win32FileSystemTest : public testing::Test {
 protected:
  Win32FileSystemTest() {
    folder_.Write("data\\Nightly.sch", "x");
    folder_.Write("data\\Hidden.sch", "x");
    folder_.Write("data\\System.sch", "x");
    folder_.Write("data\\ReadOnly.sch", "x");
    folder_.Write("data\\notes.schedule", "x");
    folder_.Write("data\\Folder.sch\\inner.txt", "x");
    SetAttributes("Hidden.sch", FILE_ATTRIBUTE_HIDDEN);
    SetAttributes("System.sch", FILE_ATTRIBUTE_SYSTEM);
    SetAttributes("ReadOnly.sch", FILE_ATTRIBUTE_READONLY);
  }
  ~Win32FileSystemTest() override {
    for (const char* name : {"Hidden.sch", "System.sch", "ReadOnly.sch"}) SetAttributes(name, FILE_ATTRIBUTE_NORMAL);
  }

  std::string Data() const { return folder_.path() + "\\data"; }
  void SetAttributes(const std::string& name, DWORD attributes) const {
    SetFileAttributesW(Utf8ToWide(Data() + "\\" + name).c_str(), attributes);
  }

  test::TempFolder folder_;
  Win32FileSystem files_;
};

TEST_F(Win32FileSystemTest, FileExistsAnswersForEveryKindOfEntry) {
  EXPECT_TRUE(FileExists(files_, Data() + "\\Nightly.sch"));
  EXPECT_TRUE(FileExists(files_, Data() + "\\nightly.SCH"));
  EXPECT_TRUE(FileExists(files_, Data() + "\\Hidden.sch"));
  EXPECT_TRUE(FileExists(files_, Data() + "\\System.sch"));
  EXPECT_TRUE(FileExists(files_, Data() + "\\ReadOnly.sch"));
  EXPECT_FALSE(FileExists(files_, Data() + "\\Folder.sch")) << "a folder";
  EXPECT_FALSE(FileExists(files_, Data() + "\\N*.sch")) << "a wildcard matching another file";
  EXPECT_FALSE(FileExists(files_, Data() + "\\Missing.sch"));
  std::string forward = Data() + "\\Nightly.sch";
  std::replace(forward.begin(), forward.end(), '\\', '/');
  EXPECT_FALSE(FileExists(files_, forward)) << "forward slashes";
  EXPECT_FALSE(FileExists(files_, "Q:\\no\\such\\drive.sch"));
  EXPECT_FALSE(FileExists(files_, Data() + "\\bad<name>.sch"));
}

TEST_F(Win32FileSystemTest, ListsOrdinaryScheduleFilesOnly) {
  std::vector<std::string> names = files_.ListOrdinaryFiles(Data(), "*.sch");
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Nightly.sch", "ReadOnly.sch"}));
  EXPECT_TRUE(files_.ListOrdinaryFiles(folder_.path() + "\\missing", "*.sch").empty());
}

TEST_F(Win32FileSystemTest, SavedScheduleIsAnsiTextThatListsBack) {
  ScheduleRecord record;
  record.name = "Über Nacht";
  record.ItemType = "Shut Down";
  record.Enabled = true;
  record.StartDate = "12/1/2026";
  record.StartTime = "23:30:00";
  record.Repeat = true;
  record.SAccurancy = 0;
  ScriptedMessageBoxes messages;
  SaveScheduleFile(record, {files_, messages, Data()});
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_EQ(folder_.Read("data\\\xC3\x9C"
                         "ber Nacht.sch"),
            ComposeScheduleFile(record));
  EXPECT_FALSE(
      folder_.Exists("data\\\xC3\x9C"
                     "ber Nacht.sch.tmp"));

  // A non-ASCII value is stored in the ANSI code page and read back as the same text.
  record.ItemType = "Éteindre";
  SaveScheduleFile(record, {files_, messages, Data()});
  const std::string bytes = folder_.Read(
      "data\\\xC3\x9C"
      "ber Nacht.sch");
  EXPECT_EQ(bytes.find("\xC3\x89"), std::string::npos) << "not UTF-8 on disk";
  const auto text = files_.ReadAnsiFile(Data() +
                                            "\\\xC3\x9C"
                                            "ber Nacht.sch",
                                        65534);
  ASSERT_TRUE(text.has_value());
  EXPECT_NE(text->find("ItemType=Éteindre\r\n"), std::string::npos);
}

TEST_F(Win32FileSystemTest, ReplacingAReadOnlyFileFailsAndKeepsIt) {
  ScheduleRecord record;
  record.name = "ReadOnly";
  ScriptedMessageBoxes messages;
  SaveScheduleFile(record, {files_, messages, Data()});
  ASSERT_EQ(messages.shown().size(), 1U);
  EXPECT_EQ(messages.shown()[0].text, "Error 70 - Permission denied");
  EXPECT_EQ(folder_.Read("data\\ReadOnly.sch"), "x");
  EXPECT_FALSE(folder_.Exists("data\\ReadOnly.sch.tmp"));
}

TEST_F(Win32FileSystemTest, MissingDataFolderIsReported) {
  ScheduleRecord record;
  record.name = "Anything";
  ScriptedMessageBoxes messages;
  SaveScheduleFile(record, {files_, messages, folder_.path() + "\\missing"});
  ASSERT_EQ(messages.shown().size(), 1U);
  EXPECT_EQ(messages.shown()[0].text, "Error 76 - Path not found");
}

TEST_F(Win32FileSystemTest, ProgramFolderHoldsTheRunningProgram) {
  const std::string folder = files_.ProgramFolder();
  EXPECT_TRUE(files_.FolderExists(folder));
  EXPECT_TRUE(FileExists(files_, folder + "\\curfew_win32_tests.exe"));
  EXPECT_NE(folder.back(), '\\');
}

TEST_F(Win32FileSystemTest, ALongestNameDeepInAFolderIsWrittenListedAndReadBack) {
  // A data folder deep enough that its longest schedule file passes MAX_PATH by far.
  std::string deep = folder_.path();
  for (int level = 0; level < 2; ++level) {
    deep += "\\" + std::string(100, static_cast<char>('a' + level));
    ASSERT_EQ(files_.CreateFolder(deep), FileFault::None);
  }
  const std::string name(kLongestScheduleName, 'n');
  ScriptedMessageBoxes messages;
  ScheduleRecord record;
  record.name = name;
  record.ItemType = "Reboot";
  ASSERT_TRUE(SaveScheduleFile(record, {files_, messages, deep}));
  EXPECT_EQ(files_.ListOrdinaryFiles(deep, "*.sch"), std::vector<std::string>{name + ".sch"});
  EXPECT_EQ(ReadScheduleFile(files_, deep + "\\" + name + ".sch"), ComposeScheduleFile(record));
  EXPECT_EQ(files_.RemoveFile(deep + "\\" + name + ".sch"), FileFault::None);
}

}  // namespace
}  // namespace curfew::platform::win32
