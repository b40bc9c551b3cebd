#include "scheduling/schedule_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "platform/headless/scripted_message_boxes.h"
#include "platform/host/host_file_system.h"
#include "support/temp_folder.h"

namespace curfew {
namespace {

using platform::FileFault;

class ScheduleWriterTest : public testing::Test {
 protected:
  ScheduleWriterTest() { folder_.Write("data/.keep", ""); }

  ScheduleWriterServices Services() { return {files_, messages_, folder_.path() + "\\data"}; }

  std::set<std::string> DataFiles() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.host() / "data"))
      names.insert(entry.path().filename().string());
    return names;
  }

  static ScheduleRecord Record(std::string name) {
    ScheduleRecord record;
    record.name = std::move(name);
    record.ItemType = "Shut Down";
    record.Enabled = true;
    record.StartDate = "12/8/2026";
    record.StartTime = "23:30:00";
    record.Repeat = true;
    record.SAccurancy = 1;
    record.Period = "mon,fri";
    return record;
  }

  test::TempFolder folder_;
  platform::HostFileSystem files_{folder_.path()};
  platform::ScriptedMessageBoxes messages_;
};

TEST_F(ScheduleWriterTest, WritesTheSixteenLines) {
  SaveScheduleFile(Record("Weekdays"), Services());
  EXPECT_EQ(folder_.Read("data/Weekdays.sch"),
            "<DATA>\r\nLastRunTime=\r\nItemType=Shut Down\r\nEnabled=1\r\n</DATA>\r\n\r\n"
            "<SCHEDULER>\r\nStartDate=12/8/2026\r\nStartTime=23:30:00\r\nRepeat=-1\r\nSAccurancy=1\r\n"
            "Period=mon,fri\r\nRunOnStart=0\r\nRunOnEnd=0\r\n</SCHEDULER>\r\n\r\n");
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_EQ(DataFiles(), (std::set<std::string>{".keep", "Weekdays.sch"}));
}

TEST_F(ScheduleWriterTest, FlagsUseTheirTwoEncodings) {
  ScheduleRecord record;
  record.name = "Flags";
  record.RunOnStart = true;
  const std::string text = ComposeScheduleFile(record);
  EXPECT_NE(text.find("\r\nEnabled=0\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nRepeat=0\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nRunOnStart=-1\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nSAccurancy=0\r\n"), std::string::npos);
}

TEST_F(ScheduleWriterTest, ReplacesAnExistingFileCompletely) {
  folder_.Write("data/Weekdays.sch", "<DATA>\r\nOldKey=1\r\n</DATA>\r\n" + std::string(5000, 'x'));
  SaveScheduleFile(Record("Weekdays"), Services());
  const std::string text = folder_.Read("data/Weekdays.sch");
  EXPECT_EQ(text, ComposeScheduleFile(Record("Weekdays")));
  EXPECT_EQ(DataFiles(), (std::set<std::string>{".keep", "Weekdays.sch"}));
}

struct FailureCase {
  const char* description;
  bool failWrite;
  FileFault fault;
  const char* message;
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.description; }

class ScheduleWriterFailure : public ScheduleWriterTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(ScheduleWriterFailure, KeepsTheOldFileAndReportsTheError) {
  const std::string old = ComposeScheduleFile(Record("Old"));
  folder_.Write("data/Weekdays.sch", old);
  if (GetParam().failWrite)
    files_.FailNextWrite(GetParam().fault);
  else
    files_.FailNextMove(GetParam().fault);

  SaveScheduleFile(Record("Weekdays"), Services());

  EXPECT_EQ(folder_.Read("data/Weekdays.sch"), old);
  EXPECT_EQ(DataFiles(), (std::set<std::string>{".keep", "Weekdays.sch"})) << "no temporary file stays behind";
  ASSERT_EQ(messages_.shown().size(), 1U);
  EXPECT_EQ(messages_.shown()[0].text, GetParam().message);
  EXPECT_EQ(messages_.shown()[0].buttons, platform::MessageButtons::Ok);
  EXPECT_EQ(messages_.shown()[0].title, "");
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ScheduleWriterFailure,
    testing::Values(FailureCase{"disk full while writing", true, FileFault::DiskFull, "Error 61 - Disk full"},
                    FailureCase{"write refused", true, FileFault::AccessDenied, "Error 70 - Permission denied"},
                    FailureCase{"replace refused", false, FileFault::AccessDenied, "Error 70 - Permission denied"},
                    FailureCase{"unexpected failure", false, FileFault::Other, "Error 75 - Path/File access error"}));

TEST_F(ScheduleWriterTest, ReadOnlyFileIsNotReplaced) {
  folder_.Write("data/Locked.sch", "old");
  files_.SetAttributes(folder_.path() + "\\data\\Locked.sch", platform::file_attribute::kReadOnly);
  SaveScheduleFile(Record("Locked"), Services());
  EXPECT_EQ(folder_.Read("data/Locked.sch"), "old");
  ASSERT_EQ(messages_.shown().size(), 1U);
  EXPECT_EQ(messages_.shown()[0].text, "Error 70 - Permission denied");
}

TEST_F(ScheduleWriterTest, MissingDataFolderIsReported) {
  SaveScheduleFile(Record("Weekdays"), {files_, messages_, folder_.path() + "\\missing"});
  ASSERT_EQ(messages_.shown().size(), 1U);
  EXPECT_EQ(messages_.shown()[0].text, "Error 76 - Path not found");
  EXPECT_FALSE(folder_.Exists("missing"));
}

class UnsafeScheduleName : public ScheduleWriterTest, public testing::WithParamInterface<const char*> {};

TEST_P(UnsafeScheduleName, IsRefusedWithoutTouchingAnyFile) {
  folder_.Write("x.sch", "outside");
  SaveScheduleFile(Record(GetParam()), Services());
  ASSERT_EQ(messages_.shown().size(), 1U);
  EXPECT_EQ(messages_.shown()[0].text, "Error 52 - Bad file name or number");
  EXPECT_EQ(DataFiles(), std::set<std::string>{".keep"});
  EXPECT_EQ(folder_.Read("x.sch"), "outside");
}

INSTANTIATE_TEST_SUITE_P(Names, UnsafeScheduleName,
                         testing::Values("..\\x", "../x", "sub\\x", "c:x", "a*", "a?", "say \"hi\"", "<a>", "a|b",
                                         "tab\there", "line\nend", ".", "..", "CON", "con", "Con.txt", "PRN", "AUX",
                                         "NUL", "NUL ", "COM1", "com9.log", "LPT1", "LPT9"));

class SafeScheduleName : public ScheduleWriterTest, public testing::WithParamInterface<const char*> {};

TEST_P(SafeScheduleName, IsWrittenUnderItsName) {
  SaveScheduleFile(Record(GetParam()), Services());
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_TRUE(folder_.Exists(std::string("data/") + GetParam() + ".sch"));
}

TEST_F(ScheduleWriterTest, TheLongestLegalNameIsWrittenAndNoTemporaryFileStays) {
  const std::string name(250, 'n');  // with ".sch", 254 characters: a legal file name
  SaveScheduleFile(Record(name), Services());
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_TRUE(folder_.Exists("data/" + name + ".sch"));
  EXPECT_FALSE(folder_.Exists("data/~schedule.tmp"));
}

INSTANTIATE_TEST_SUITE_P(Names, SafeScheduleName,
                         testing::Values("Nightly shut down", "CONSOLE", "COM0", "COM10", "LPT", "a.b", "...x",
                                         "Über Nacht", "Ночь", "x.sch"));

}  // namespace
}  // namespace curfew
