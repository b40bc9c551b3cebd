#include "scheduling/schedule_list.h"

#include <gtest/gtest.h>

#include "platform/headless/scripted_message_boxes.h"
#include "platform/host/host_file_system.h"
#include "platform/host/pattern_locale.h"
#include "scheduling/schedule_writer.h"
#include "support/temp_folder.h"

namespace curfew {
namespace {

using namespace std::chrono;

const LocalDateTime kNow{year_month_day{year(2026), month(12), day(8)}, {10, 0, 0}};

std::string File(const std::string& data, const std::string& scheduler) {
  return "<DATA>\r\n" + data + "</DATA>\r\n\r\n<SCHEDULER>\r\n" + scheduler + "</SCHEDULER>\r\n\r\n";
}

const std::string kDaily = "StartDate=12/1/2026\r\nStartTime=23:30:00\r\nRepeat=-1\r\nSAccurancy=0\r\n";

class ScheduleListTest : public testing::Test {
 protected:
  std::vector<ScheduleRow> Rows() const { return LoadScheduleRows(files_, DataFolder(), kNow, locale_); }
  std::string DataFolder() const { return folder_.path() + "\\data"; }
  void WriteSchedule(const std::string& name, const std::string& text) const { folder_.Write("data/" + name, text); }

  test::TempFolder folder_;
  platform::HostFileSystem files_{folder_.path()};
  platform::PatternLocale locale_;
};

TEST_F(ScheduleListTest, MissingFolderGivesNoRows) { EXPECT_TRUE(Rows().empty()); }

TEST_F(ScheduleListTest, FillsTheFiveColumnsOfEveryScheduleFile) {
  WriteSchedule("Backup.sch", File("LastRunTime=12/7/2026 23:30:00\r\nItemType=Reboot\r\nEnabled=1\r\n", kDaily));
  WriteSchedule("Later.sch", File("LastRunTime=\r\nItemType=Hibernate\r\nEnabled=0\r\n",
                                  "StartDate=\r\nStartTime=\r\nRepeat=0\r\nSAccurancy=0\r\n"));
  EXPECT_EQ(Rows(), (std::vector<ScheduleRow>{
                        {"Backup", "Reboot", "12/7/2026 23:30:00", "12/8/2026 23:30:00", "Yes"},
                        {"Later", "Hibernate", "", "", "No"},
                    }));
}

class EnabledColumn : public ScheduleListTest,
                      public testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(EnabledColumn, ShowsYesOnlyForOne) {
  WriteSchedule("S.sch", File(std::string("ItemType=Log Off\r\nEnabled=") + GetParam().first + "\r\n", kDaily));
  ASSERT_EQ(Rows().size(), 1U);
  EXPECT_EQ(Rows()[0].enabled, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Values, EnabledColumn,
                         testing::Values(std::pair{"1", "Yes"}, std::pair{"-1", "No"}, std::pair{"yes", "No"},
                                         std::pair{"0", "No"}, std::pair{" 1", "No"}, std::pair{"", "No"}));

TEST_F(ScheduleListTest, ListsOnlyOrdinaryScheduleFiles) {
  WriteSchedule("Visible.sch", File("ItemType=Reboot\r\n", kDaily));
  WriteSchedule("Hidden.sch", File("ItemType=Reboot\r\n", kDaily));
  WriteSchedule("System.sch", File("ItemType=Reboot\r\n", kDaily));
  WriteSchedule("notes.txt", "not a schedule");
  WriteSchedule("Visible.sch.tmp", "an unfinished save");
  WriteSchedule("Folder.sch/inner.sch", "a folder is no schedule");
  files_.SetAttributes(DataFolder() + "\\Hidden.sch", platform::file_attribute::kHidden);
  files_.SetAttributes(DataFolder() + "\\System.sch", platform::file_attribute::kSystem);
  const auto rows = Rows();
  ASSERT_EQ(rows.size(), 1U);
  EXPECT_EQ(rows[0].name, "Visible");
}

TEST_F(ScheduleListTest, MissingKeysGiveEmptyColumns) {
  WriteSchedule("NoType.sch", File("LastRunTime=\r\nEnabled=1\r\n", kDaily));
  WriteSchedule("NoSections.sch", "ItemType=Reboot\r\nEnabled=1\r\n" + kDaily);
  const auto rows = Rows();
  ASSERT_EQ(rows.size(), 2U);
  EXPECT_EQ(rows[0], (ScheduleRow{"NoSections", "", "", "", "No"}));
  EXPECT_EQ(rows[1], (ScheduleRow{"NoType", "", "", "12/8/2026 23:30:00", "Yes"}));
}

struct BadFileCase {
  const char* description;
  std::string content;
};

void PrintTo(const BadFileCase& c, std::ostream* out) { *out << c.description; }

class UnusableScheduleFile : public ScheduleListTest, public testing::WithParamInterface<BadFileCase> {};

TEST_P(UnusableScheduleFile, GivesARowWithItsNameOnly) {
  WriteSchedule("Bad.sch", GetParam().content);
  EXPECT_EQ(Rows(), (std::vector<ScheduleRow>{{"Bad", "", "", "", "No"}}));
}

std::string BinaryBytes() {
  std::string bytes;
  for (int i = 0; i < 4096; ++i) bytes += static_cast<char>((i * 7919) % 256);
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnusableScheduleFile,
    testing::Values(BadFileCase{"empty", ""}, BadFileCase{"binary", BinaryBytes()},
                    BadFileCase{"NUL bytes only", std::string(100, '\0')},
                    BadFileCase{"unclosed sections", "<DATA>\r\nItemType=Reboot\r\n<SCHEDULER>\r\n" + kDaily},
                    BadFileCase{"longer than the format",
                                File("ItemType=Reboot\r\nEnabled=1\r\n", kDaily) + std::string(40000, ' ')},
                    BadFileCase{"lower-case tags", "<data>\r\nItemType=Reboot\r\nEnabled=1\r\n</data>\r\n"}));

TEST_F(ScheduleListTest, AFileOfExactlyTheLongestLengthIsRead) {
  const std::string base = File("ItemType=Reboot\r\nEnabled=1\r\n", kDaily);
  WriteSchedule("Longest.sch", base + std::string(kMaxScheduleFileCharacters - base.size(), ' '));
  WriteSchedule("TooLong.sch", base + std::string(kMaxScheduleFileCharacters - base.size() + 1, ' '));
  const auto rows = Rows();
  ASSERT_EQ(rows.size(), 2U);
  EXPECT_EQ(rows[0], (ScheduleRow{"Longest", "Reboot", "", "12/8/2026 23:30:00", "Yes"}));
  EXPECT_EQ(rows[1], (ScheduleRow{"TooLong", "", "", "", "No"}));
}

TEST_F(ScheduleListTest, LengthIsCountedInCharactersNotBytes) {
  // 20,000 two-byte characters are 40,000 bytes, 22,000 three-byte ones ("€" where the ANSI
  // code page is UTF-8) 66,000 bytes; both are far fewer characters than the limit.
  for (const auto& [character, count] : {std::pair{"\xC3\xA9", 20000}, std::pair{"\xE2\x82\xAC", 22000}}) {
    std::string padding;
    for (int i = 0; i < count; ++i) padding += character;
    WriteSchedule("Accents.sch", File("ItemType=Reboot\r\nEnabled=1\r\n", kDaily) + padding);
    ASSERT_EQ(Rows().size(), 1U);
    EXPECT_EQ(Rows()[0].type, "Reboot") << count << " characters";
  }
}

TEST_F(ScheduleListTest, ShowsWhatTheWriterSaved) {
  folder_.Write("data/.keep", "");
  platform::ScriptedMessageBoxes messages;
  ScheduleRecord record;
  record.name = "Friday evening";
  record.ItemType = "Stand by";
  record.Enabled = true;
  record.StartDate = "12/1/2026";
  record.StartTime = "19:00:00";
  record.Repeat = true;
  record.SAccurancy = 1;
  record.Period = "fri";
  SaveScheduleFile(record, {files_, messages, DataFolder()});
  EXPECT_EQ(Rows(), (std::vector<ScheduleRow>{{"Friday evening", "Stand by", "", "12/11/2026 19:00:00", "Yes"}}));
}

}  // namespace
}  // namespace curfew
