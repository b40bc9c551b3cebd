// The schedule list on real controls, driven as a person drives it: a click on a column header
// orders the rows and the header shows the way; a row's context menu opens on a right click, the
// context-menu key and Shift+F10, and its entries act on the row.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "platform/date_arithmetic.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_locale.h"
#include "scheduling/mod_globals.h"
#include "win32/support/running_program.h"

namespace curfew::test {
namespace {

// Daily schedules in the data folder while the test runs, each at that many hours from now
// (far from any warning), removed again after it.
class ListedSchedules {
 public:
  explicit ListedSchedules(std::vector<std::pair<std::string, int>> schedules) {
    for (const auto& [name, hours] : schedules) {
      const LocalDateTime at = date_arithmetic::AddSeconds(platform::win32::Win32Clock().Now(), hours * 3600LL);
      char time[16];
      std::snprintf(time, sizeof time, "%02d:%02d:00", at.time.hour, at.time.minute);
      std::ofstream(Path(name), std::ios::binary)
          << "<DATA>\r\nLastRunTime=\r\nItemType=Reboot\r\nEnabled=1\r\n</DATA>\r\n\r\n<SCHEDULER>\r\nStartDate="
          << platform::win32::Win32Locale().FormatShortDate(at.date) << "\r\nStartTime=" << time
          << "\r\nRepeat=0\r\nSAccurancy=0\r\nPeriod=\r\nRunOnStart=0\r\nRunOnEnd=0\r\n</SCHEDULER>\r\n\r\n";
      names_.push_back(name);
    }
  }
  ~ListedSchedules() {
    for (const std::string& name : names_) DeleteFileA(Path(name).c_str());
    DeleteFileA((Path("").substr(0, Path("").find_last_of('\\')) + "\\decisions.txt").c_str());
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Curfew Team\\Curfew\\Settings", L"ScheduleSort");
  }
  ListedSchedules(const ListedSchedules&) = delete;
  ListedSchedules& operator=(const ListedSchedules&) = delete;

  static std::string Path(const std::string& name) {
    static const std::string folder = [] {
      RunningProgram probe;
      return probe.main.DataFolderPath();
    }();
    return folder + "\\" + name + ".sch";
  }

 private:
  std::vector<std::string> names_;
};

std::wstring RowText(HWND list, int row) {
  wchar_t text[256] = {};
  ListView_GetItemText(list, row, 0, text, 256);
  return text;
}

int RowNamed(HWND list, const std::wstring& name) {
  for (int row = 0; row < ListView_GetItemCount(list); ++row)
    if (RowText(list, row) == name) return row;
  return -1;
}

POINT MiddleOfRow(HWND list, int row) {
  RECT area{};
  ListView_GetItemRect(list, row, &area, LVIR_LABEL);
  return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

int HeaderFormat(HWND list, int column) {
  HDITEMW item{};
  item.mask = HDI_FORMAT;
  Header_GetItem(ListView_GetHeader(list), column, &item);
  return item.fmt;
}

std::string FileKey(const std::string& name, const char* section, const char* key) {
  std::ifstream file(ListedSchedules::Path(name), std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(file)), {});
  return GetKeyValue(GetSection(text, section), key);
}

TEST(Win32ScheduleList, AClickOnAColumnHeaderOrdersTheRowsEitherWay) {
  ListedSchedules schedules({{"Order Later", 5}, {"Order Sooner", 2}});
  RunningProgram program;
  const HWND list = WindowOf(program.main.lstSchedules);
  const HWND header = ListView_GetHeader(list);
  RECT column{};
  Header_GetItemRect(header, 3, &column);  // Next Run Time
  const POINT middle{(column.left + column.right) / 2, (column.top + column.bottom) / 2};
  program.input.Click(header, middle);
  EXPECT_LT(RowNamed(list, L"Order Sooner"), RowNamed(list, L"Order Later"));
  EXPECT_TRUE(HeaderFormat(list, 3) & HDF_SORTUP);
  program.input.Click(header, middle);
  EXPECT_GT(RowNamed(list, L"Order Sooner"), RowNamed(list, L"Order Later"));
  EXPECT_TRUE(HeaderFormat(list, 3) & HDF_SORTDOWN);
  EXPECT_FALSE(HeaderFormat(list, 0) & (HDF_SORTUP | HDF_SORTDOWN));
}

TEST(Win32ScheduleList, TheRowMenuOpensByMouseAndByKeysAndActsOnItsRow) {
  ListedSchedules schedules({{"Menu Row", 3}});
  RunningProgram program;
  const HWND list = WindowOf(program.main.lstSchedules);
  const int row = RowNamed(list, L"Menu Row");
  ASSERT_GE(row, 0);
  {
    // Run now, Skip next run, then Disable: the third entry.
    KeyLater down1(VK_DOWN, 50, KeyLater::kOpenMenu), down2(VK_DOWN, 150, KeyLater::kOpenMenu),
        down3(VK_DOWN, 250, KeyLater::kOpenMenu), enter(VK_RETURN, 400, KeyLater::kOpenMenu);
    program.input.RightClick(list, MiddleOfRow(list, row));
  }
  program.input.Settle();
  EXPECT_EQ(FileKey("Menu Row", "DATA", "Enabled"), "0") << "a right click's menu switched it off";
  program.input.Click(list, MiddleOfRow(list, row));
  {
    KeyLater down1(VK_DOWN, 50, KeyLater::kOpenMenu), down2(VK_DOWN, 150, KeyLater::kOpenMenu),
        down3(VK_DOWN, 250, KeyLater::kOpenMenu), enter(VK_RETURN, 400, KeyLater::kOpenMenu);
    program.input.KeyWith(VK_SHIFT, VK_F10);
  }
  program.input.Settle();
  EXPECT_EQ(FileKey("Menu Row", "DATA", "Enabled"), "1") << "Shift+F10's menu switched it on again";
  {
    KeyLater escape(VK_ESCAPE, 100, KeyLater::kOpenMenu);
    program.input.Key(VK_APPS);
  }
  program.input.Settle();
  EXPECT_EQ(FileKey("Menu Row", "DATA", "Enabled"), "1") << "Esc closes the menu, nothing chosen";
  EXPECT_TRUE(program.main.Loaded());
}

// A file Windows will not delete (read-only): the row menu's Delete asks, is answered Yes, and
// the user is told why; the file and its row stay.
TEST(Win32ScheduleList, ADeleteThatFailsSaysWhyAndKeepsTheRow) {
  ListedSchedules schedules({{"Read Only", 4}});
  const std::string path = ListedSchedules::Path("Read Only");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  RunningProgram program;
  const HWND list = WindowOf(program.main.lstSchedules);
  const int row = RowNamed(list, L"Read Only");
  ASSERT_GE(row, 0);
  std::string told;
  {
    // Run now, Skip next run, Disable, Edit, then Delete.
    KeyLater down1(VK_DOWN, 50, KeyLater::kOpenMenu), down2(VK_DOWN, 100, KeyLater::kOpenMenu),
        down3(VK_DOWN, 150, KeyLater::kOpenMenu), down4(VK_DOWN, 200, KeyLater::kOpenMenu),
        down5(VK_DOWN, 250, KeyLater::kOpenMenu), enter(VK_RETURN, 400, KeyLater::kOpenMenu);
    MessageBoxAnswer yes('Y', L"Are you sure");
    MessageBoxAnswer ok(VK_RETURN, L"Error");
    program.input.RightClick(list, MiddleOfRow(list, row));
    program.input.Settle();
    told = ok.Text();
  }
  EXPECT_EQ(told, "Error 70 - Permission denied");
  EXPECT_TRUE(std::ifstream(path).good());
  EXPECT_EQ(RowNamed(list, L"Read Only"), row) << "the row stays";
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace curfew::test
