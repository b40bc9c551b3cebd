#pragma once

#include <cstdint>
#include <string>

#include "platform/version_info.h"

namespace curfew {

// The product's identity as every text and window uses it. The names are read from the
// program's version information, never written into texts.
struct ProductIdentity {
  std::string strProgramName;  // ProductName
  std::string strCompanyName;  // CompanyName
  std::string strWebsite;      // Comments: a host name without scheme
  std::int16_t ProductNumber = 0;
  bool SkinsEnabled = true;

  friend bool operator==(const ProductIdentity&, const ProductIdentity&) = default;
};

// Reads the three version entries and fixes the two build settings.
ProductIdentity LoadIdentity(const platform::VersionInfo& versionInfo);

}  // namespace curfew
