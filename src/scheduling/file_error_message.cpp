#include "scheduling/file_error_message.h"

namespace curfew {

FileError DescribeFileFault(platform::FileFault fault) {
  using platform::FileFault;
  switch (fault) {
    case FileFault::BadName: return {52, "Bad file name or number"};
    case FileFault::NotFound: return {53, "File not found"};
    case FileFault::DiskFull: return {61, "Disk full"};
    case FileFault::AccessDenied: return {70, "Permission denied"};
    case FileFault::PathNotFound: return {76, "Path not found"};
    case FileFault::Exists: return {58, "File already exists"};
    case FileFault::None:
    case FileFault::Other: break;
  }
  return {75, "Path/File access error"};
}

std::string FileErrorMessage(const FileError& error) {
  return "Error " + std::to_string(error.number) + " - " + error.description;
}

}  // namespace curfew
