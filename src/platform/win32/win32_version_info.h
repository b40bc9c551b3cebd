#pragma once

#include <string>

#include "platform/version_info.h"

namespace curfew::platform::win32 {

// The version resource of a program file: the running program's unless a path is given.
class Win32VersionInfo final : public VersionInfo {
 public:
  Win32VersionInfo() = default;
  explicit Win32VersionInfo(std::wstring programPath) : programPath_(std::move(programPath)) {}
  VersionEntries Read() const override;

 private:
  std::wstring programPath_;
};

}  // namespace curfew::platform::win32
