#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "platform/files.h"

namespace curfew::platform {

// Files in a real folder of the host (where the ANSI code page is UTF-8 itself), addressed with the program's backslash
// paths. Hidden, system and read-only attributes are kept beside the files, and a test can make the next write or move
// fail, so that every path of the program's file handling can be exercised.
class HostFileSystem final : public FileSystem {
 public:
  // The user's local application data folder is "AppData\Local" in the program folder unless
  // another is given.
  explicit HostFileSystem(std::string programFolder, std::string localAppData = {});

  std::string ProgramFolder() const override;
  std::string LocalAppDataFolder() const override { return localAppData_; }
  bool FolderExists(std::string_view path) const override;
  FileFault CreateFolder(std::string_view path) override;
  std::optional<std::string> ReadAnsiFile(std::string_view path, std::size_t maxBytes) const override;
  FileFault WriteAnsiFile(std::string_view path, std::string_view text) override;
  std::optional<std::string> ReadFileBytes(std::string_view path, std::size_t maxBytes) const override;
  FileFault WriteFileBytes(std::string_view path, std::string_view bytes) override;
  FileFault WriteNewFile(std::string_view path, std::string_view bytes) override;
  FileFault AppendFileBytes(std::string_view path, std::string_view bytes) override;
  FileFault MoveOver(std::string_view source, std::string_view target) override;
  FileFault RemoveFile(std::string_view path) override;
  std::vector<std::string> ListOrdinaryFiles(std::string_view folder, std::string_view pattern) const override;
  std::optional<std::string> FindFirstMatch(std::string_view pathPattern, unsigned attributeMask) const override;

  void SetAttributes(std::string_view path, unsigned attributes);
  // The next write or move fails with this fault, without touching any file.
  void FailNextWrite(FileFault fault) { nextWriteFault_ = fault; }
  void FailNextMove(FileFault fault) { nextMoveFault_ = fault; }
  // The file cannot be read (another program holds it locked) until this is called with false.
  void SetUnreadable(std::string_view path, bool unreadable);

  static std::filesystem::path ToHostPath(std::string_view path);
  static std::string FromHostPath(const std::filesystem::path& path);

 private:
  unsigned AttributesOf(const std::filesystem::path& path) const;
  FileFault CheckWritable(const std::filesystem::path& path) const;
  // A write about to be made: the fault a test injected, or why the file cannot be written.
  FileFault PrepareWrite(const std::filesystem::path& path);

  std::string programFolder_;
  std::string localAppData_;
  std::map<std::string, unsigned> attributes_;
  std::set<std::string> unreadable_;
  FileFault nextWriteFault_ = FileFault::None;
  FileFault nextMoveFault_ = FileFault::None;
};

}  // namespace curfew::platform
