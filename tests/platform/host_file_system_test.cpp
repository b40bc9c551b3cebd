#include "platform/host/host_file_system.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace curfew::platform {
namespace {

class HostFileSystemTest : public testing::Test {
 protected:
  std::string At(const std::string& relative) const { return folder_.path() + "\\" + relative; }

  test::TempFolder folder_;
  HostFileSystem files_{folder_.path()};
};

TEST_F(HostFileSystemTest, MoveOverReplacesTheTarget) {
  folder_.Write("new.tmp", "new");
  folder_.Write("target.sch", "old");
  EXPECT_EQ(files_.MoveOver(At("new.tmp"), At("target.sch")), FileFault::None);
  EXPECT_EQ(folder_.Read("target.sch"), "new");
  EXPECT_FALSE(folder_.Exists("new.tmp"));
  EXPECT_EQ(files_.MoveOver(At("new.tmp"), At("target.sch")), FileFault::NotFound);
}

TEST_F(HostFileSystemTest, ReadRefusesFilesOverTheLimit) {
  folder_.Write("ten.txt", "0123456789");
  EXPECT_EQ(files_.ReadAnsiFile(At("ten.txt"), 10), "0123456789");
  EXPECT_EQ(files_.ReadAnsiFile(At("ten.txt"), 9), std::nullopt);
  EXPECT_EQ(files_.ReadAnsiFile(At("missing.txt"), 10), std::nullopt);
  EXPECT_EQ(files_.ReadAnsiFile(folder_.path(), 10), std::nullopt);
}

TEST_F(HostFileSystemTest, FindFirstMatchHonoursTheAttributeMask) {
  folder_.Write("hidden.sch", "x");
  folder_.Write("folder/x", "x");
  files_.SetAttributes(At("hidden.sch"), file_attribute::kHidden);
  EXPECT_EQ(files_.FindFirstMatch(At("hidden.sch"), 0), std::nullopt);
  EXPECT_EQ(files_.FindFirstMatch(At("hidden.sch"), file_attribute::kHidden), "hidden.sch");
  EXPECT_EQ(files_.FindFirstMatch(At("folder"), 7), std::nullopt);
  EXPECT_EQ(files_.FindFirstMatch(At("folder"), file_attribute::kDirectory), "folder");
}

TEST_F(HostFileSystemTest, RemoveFileReportsWhatStoppedIt) {
  folder_.Write("locked.sch", "x");
  files_.SetAttributes(At("locked.sch"), file_attribute::kReadOnly);
  EXPECT_EQ(files_.RemoveFile(At("locked.sch")), FileFault::AccessDenied);
  EXPECT_EQ(files_.RemoveFile(At("missing.sch")), FileFault::NotFound);
  files_.SetAttributes(At("locked.sch"), 0);
  EXPECT_EQ(files_.RemoveFile(At("locked.sch")), FileFault::None);
  EXPECT_FALSE(folder_.Exists("locked.sch"));
}

}  // namespace
}  // namespace curfew::platform
