#pragma once

#include <string>

#include "platform/files.h"

namespace curfew {

// The number and description by which a failed file step is reported to the user.
struct FileError {
  int number = 0;
  std::string description;
};

FileError DescribeFileFault(platform::FileFault fault);

// "Error ", the number, " - " and the description.
std::string FileErrorMessage(const FileError& error);

}  // namespace curfew
