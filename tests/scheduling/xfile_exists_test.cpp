#include "scheduling/xfile_exists.h"

#include <gtest/gtest.h>

#include "platform/host/host_file_system.h"
#include "support/temp_folder.h"

namespace curfew {
namespace {

class FileExistsTest : public testing::Test {
 protected:
  FileExistsTest() {
    folder_.Write("data/Nightly.sch", "x");
    folder_.Write("data/Hidden.sch", "x");
    folder_.Write("data/ReadOnly.sch", "x");
    folder_.Write("data/Sub/inner.txt", "x");
    files_.SetAttributes(Data() + "\\Hidden.sch",
                         platform::file_attribute::kHidden | platform::file_attribute::kSystem);
    files_.SetAttributes(Data() + "\\ReadOnly.sch", platform::file_attribute::kReadOnly);
  }
  std::string Data() const { return folder_.path() + "\\data"; }

  test::TempFolder folder_;
  platform::HostFileSystem files_{folder_.path()};
};

TEST_F(FileExistsTest, AnswersLikeTheWindowsListing) {
  EXPECT_TRUE(FileExists(files_, Data() + "\\Nightly.sch"));
  EXPECT_TRUE(FileExists(files_, Data() + "\\NIGHTLY.SCH")) << "letter case does not matter";
  EXPECT_TRUE(FileExists(files_, Data() + "\\Hidden.sch"));
  EXPECT_TRUE(FileExists(files_, Data() + "\\ReadOnly.sch"));
  EXPECT_FALSE(FileExists(files_, Data() + "\\Missing.sch"));
  EXPECT_FALSE(FileExists(files_, Data() + "\\Sub")) << "a folder is not a file";
  EXPECT_FALSE(FileExists(files_, Data() + "\\*.sch")) << "a wildcard that matches another file";
  EXPECT_FALSE(FileExists(files_, Data() + "\\Night?y.sch"));
  EXPECT_FALSE(FileExists(files_, Data() + "/Nightly.sch")) << "forward slashes";
  EXPECT_FALSE(FileExists(files_, folder_.path() + "\\nowhere\\Nightly.sch"));
  EXPECT_FALSE(FileExists(files_, ""));
  EXPECT_FALSE(FileExists(files_, Data() + "\\"));
}

}  // namespace
}  // namespace curfew
