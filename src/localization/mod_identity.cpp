#include "localization/mod_identity.h"

namespace curfew {

ProductIdentity LoadIdentity(const platform::VersionInfo& versionInfo) {
  const platform::VersionEntries entries = versionInfo.Read();
  return {entries.productName, entries.companyName, entries.comments, 0, true};
}

}  // namespace curfew
