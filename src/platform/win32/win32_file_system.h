#pragma once

#include <windows.h>

#include <string>

#include "platform/files.h"

namespace curfew::platform::win32 {

// Files through the W functions; file contents converted between the ANSI code page and UTF-8.
class Win32FileSystem final : public FileSystem {
 public:
  // The program folder is the running program's unless another is given.
  explicit Win32FileSystem(std::string programFolder = {}) : programFolder_(std::move(programFolder)) {}
  std::string ProgramFolder() const override;
  std::string LocalAppDataFolder() const override;
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

 private:
  std::string programFolder_;
};

// The full path of a module's file (the running program for null).
std::wstring ModuleFileName(HMODULE module);

}  // namespace curfew::platform::win32
