#pragma once

#include <string>

namespace curfew::platform {

// The entries of the running program's version information.
struct VersionEntries {
  std::string productName;
  std::string companyName;
  std::string comments;
  int majorVersion = 0;
  int minorVersion = 0;
};

class VersionInfo {
 public:
  virtual ~VersionInfo() = default;
  virtual VersionEntries Read() const = 0;
};

}  // namespace curfew::platform
