#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace curfew::platform {

// Why a file operation failed, in the program's terms.
enum class FileFault {
  None,
  NotFound,
  PathNotFound,
  AccessDenied,
  BadName,
  DiskFull,
  Exists,  // a file that must be made new is there already
  Other,
};

// Attribute bits of a directory entry, as the file system reports them.
namespace file_attribute {
inline constexpr unsigned kReadOnly = 1;
inline constexpr unsigned kHidden = 2;
inline constexpr unsigned kSystem = 4;
inline constexpr unsigned kDirectory = 16;
}  // namespace file_attribute

// Files and folders. Paths are UTF-8 text with backslashes, as the program builds them.
// File contents are 8-bit text in the system's ANSI code page on disk and UTF-8 here.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The folder that holds the program file, without a trailing backslash.
  virtual std::string ProgramFolder() const = 0;
  // The user's own folder for programs' local data (%LOCALAPPDATA%); empty when unknown.
  virtual std::string LocalAppDataFolder() const = 0;
  virtual bool FolderExists(std::string_view path) const = 0;
  virtual FileFault CreateFolder(std::string_view path) = 0;

  // The whole file as UTF-8; nullopt when it cannot be read or holds more than maxBytes bytes.
  virtual std::optional<std::string> ReadAnsiFile(std::string_view path, std::size_t maxBytes) const = 0;
  // Creates or truncates the file and writes the text, flushed to the disk before it returns.
  virtual FileFault WriteAnsiFile(std::string_view path, std::string_view text) = 0;
  // The same for files whose bytes are taken as they are (UTF-8 text files).
  virtual std::optional<std::string> ReadFileBytes(std::string_view path, std::size_t maxBytes) const = 0;
  virtual FileFault WriteFileBytes(std::string_view path, std::string_view bytes) = 0;
  // Makes a file that is not there yet and writes the bytes, flushed: an existing file, or a
  // link in its place, is never opened (FileFault::Exists).
  virtual FileFault WriteNewFile(std::string_view path, std::string_view bytes) = 0;
  // Appends the bytes at the file's end in one write, making the file when it is missing,
  // flushed to the disk before it returns.
  virtual FileFault AppendFileBytes(std::string_view path, std::string_view bytes) = 0;
  // Moves source over target in one step, replacing target if it exists.
  virtual FileFault MoveOver(std::string_view source, std::string_view target) = 0;
  virtual FileFault RemoveFile(std::string_view path) = 0;

  // Names of the ordinary files (neither hidden, system nor folders) in folder that match
  // pattern ("*" and "?" wildcards), in the order the file system returns them.
  virtual std::vector<std::string> ListOrdinaryFiles(std::string_view folder, std::string_view pattern) const = 0;
  // The name of the first entry matching pathPattern whose hidden, system and directory
  // attributes are all allowed by attributeMask (read-only and normal files always are);
  // nullopt when there is none or the path cannot be listed.
  virtual std::optional<std::string> FindFirstMatch(std::string_view pathPattern, unsigned attributeMask) const = 0;
};

}  // namespace curfew::platform
