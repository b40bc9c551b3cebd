#include "build_identity.h"
#include "platform/headless/fixed_version_info.h"

namespace curfew::platform {

VersionEntries BuildVersionEntries() {
  return {CURFEW_PRODUCT_NAME, CURFEW_COMPANY_NAME, CURFEW_WEBSITE, CURFEW_VERSION_MAJOR, CURFEW_VERSION_MINOR};
}

}  // namespace curfew::platform
