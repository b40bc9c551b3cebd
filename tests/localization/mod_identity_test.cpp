#include "localization/mod_identity.h"

#include <gtest/gtest.h>

#include "platform/headless/fixed_version_info.h"

namespace curfew {
namespace {

TEST(LoadIdentity, TakesTheVersionEntriesUnchanged) {
  const platform::FixedVersionInfo versionInfo({" Night Owl ", "Owl & Co.", "owl.example.net", 3, 1});
  const ProductIdentity identity = LoadIdentity(versionInfo);
  EXPECT_EQ(identity.strProgramName, " Night Owl ") << "no trimming";
  EXPECT_EQ(identity.strCompanyName, "Owl & Co.");
  EXPECT_EQ(identity.strWebsite, "owl.example.net");
  EXPECT_EQ(identity.ProductNumber, 0);
  EXPECT_TRUE(identity.SkinsEnabled);
  EXPECT_EQ(LoadIdentity(versionInfo), identity) << "calling it again sets the same values";
}

TEST(LoadIdentity, BuildEntriesCarryTheConfiguredIdentity) {
  const ProductIdentity identity = LoadIdentity(platform::FixedVersionInfo(platform::BuildVersionEntries()));
  EXPECT_FALSE(identity.strProgramName.empty());
  EXPECT_FALSE(identity.strCompanyName.empty());
  EXPECT_EQ(identity.strWebsite.find("://"), std::string::npos) << "a host name without scheme";
}

}  // namespace
}  // namespace curfew
