#pragma once

#include "platform/version_info.h"

namespace curfew::platform {

// Version entries given by the test or by the build (see BuildVersionEntries).
class FixedVersionInfo final : public VersionInfo {
 public:
  explicit FixedVersionInfo(VersionEntries entries) : entries_(std::move(entries)) {}
  VersionEntries Read() const override { return entries_; }

 private:
  VersionEntries entries_;
};

// The identity this build was configured with, the same texts the Windows version resource holds.
VersionEntries BuildVersionEntries();

}  // namespace curfew::platform
