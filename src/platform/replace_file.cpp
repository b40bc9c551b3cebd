#include "platform/replace_file.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace curfew::platform {
namespace {

// A name no other writer is likely to have chosen; making the file new settles the rest.
std::string TemporaryName(std::string_view path, unsigned attempt) {
  static unsigned counter = 0;
  const auto ticks = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  char suffix[40];
  std::snprintf(suffix, sizeof suffix, ".~%08llx%02x.tmp",
                (ticks ^ (++counter * 0x9E3779B97F4A7C15ULL)) & 0xFFFFFFFFULL, attempt & 0xFFU);
  return std::string(path) + suffix;
}

}  // namespace

FileFault ReplaceFileBytes(FileSystem& files, std::string_view path, std::string_view bytes) {
  constexpr unsigned kAttempts = 8;
  for (unsigned attempt = 0; attempt < kAttempts; ++attempt) {
    const std::string temporary = TemporaryName(path, attempt);
    FileFault fault = files.WriteNewFile(temporary, bytes);
    if (fault == FileFault::Exists) continue;
    if (fault == FileFault::None) fault = files.MoveOver(temporary, path);
    if (fault != FileFault::None) files.RemoveFile(temporary);
    return fault;
  }
  return FileFault::Exists;
}

}  // namespace curfew::platform
