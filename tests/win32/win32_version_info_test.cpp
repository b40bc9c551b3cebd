#include "platform/win32/win32_version_info.h"

#include <gtest/gtest.h>

#include "build_identity.h"
#include "localization/mod_identity.h"
#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_file_system.h"

namespace curfew::platform::win32 {
namespace {

void ExpectBuildIdentity(const ProductIdentity& identity) {
  EXPECT_EQ(identity.strProgramName, CURFEW_PRODUCT_NAME);
  EXPECT_EQ(identity.strCompanyName, CURFEW_COMPANY_NAME);
  EXPECT_EQ(identity.strWebsite, CURFEW_WEBSITE);
  EXPECT_EQ(identity.ProductNumber, 0);
  EXPECT_TRUE(identity.SkinsEnabled);
}

TEST(Win32VersionInfo, LoadIdentityReadsTheRunningProgram) {
  ExpectBuildIdentity(LoadIdentity(Win32VersionInfo{}));
  const VersionEntries entries = Win32VersionInfo{}.Read();
  EXPECT_EQ(entries.majorVersion, CURFEW_VERSION_MAJOR);
  EXPECT_EQ(entries.minorVersion, CURFEW_VERSION_MINOR);
}

TEST(Win32VersionInfo, LoadIdentityReadsTheBuiltProgramFile) {
  const std::string curfewExe = Win32FileSystem{}.ProgramFolder() + "\\curfew.exe";
  ExpectBuildIdentity(LoadIdentity(Win32VersionInfo{Utf8ToWide(curfewExe)}));
}

TEST(Win32VersionInfo, AFileWithoutVersionGivesEmptyEntries) {
  const VersionEntries entries = Win32VersionInfo{L"C:\\no\\such\\program.exe"}.Read();
  EXPECT_EQ(entries.productName, "");
  EXPECT_EQ(entries.companyName, "");
}

}  // namespace
}  // namespace curfew::platform::win32
