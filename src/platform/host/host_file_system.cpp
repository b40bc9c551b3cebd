#include "platform/host/host_file_system.h"

#include "platform/ascii.h"

#include <algorithm>
#include <fstream>
#include <system_error>
#include <utility>

#include "platform/wildcard_match.h"

namespace curfew::platform {
namespace fs = std::filesystem;
namespace {

std::string AttributeKey(const fs::path& path) {
  return ascii::ToLower(HostFileSystem::FromHostPath(path.lexically_normal()));
}

// Windows refuses these characters in any file name.
bool HasForbiddenNameCharacter(const fs::path& path) {
  const std::string name = HostFileSystem::FromHostPath(path.filename());
  return name.find_first_of("*?\"<>|:") != std::string::npos;
}

}  // namespace

HostFileSystem::HostFileSystem(std::string programFolder, std::string localAppData)
    : programFolder_(std::move(programFolder)),
      localAppData_(localAppData.empty() ? programFolder_ + "\\AppData\\Local" : std::move(localAppData)) {}

void HostFileSystem::SetUnreadable(std::string_view path, bool unreadable) {
  const std::string key = AttributeKey(ToHostPath(path));
  if (unreadable)
    unreadable_.insert(key);
  else
    unreadable_.erase(key);
}

fs::path HostFileSystem::ToHostPath(std::string_view path) {
  std::u8string text(path.begin(), path.end());
  std::replace(text.begin(), text.end(), u8'\\', u8'/');
  return fs::path(text);
}

std::string HostFileSystem::FromHostPath(const fs::path& path) {
  const std::u8string text = path.generic_u8string();
  return std::string(text.begin(), text.end());
}

std::string HostFileSystem::ProgramFolder() const { return programFolder_; }

bool HostFileSystem::FolderExists(std::string_view path) const {
  std::error_code error;
  return fs::is_directory(ToHostPath(path), error);
}

FileFault HostFileSystem::CreateFolder(std::string_view path) {
  std::error_code error;
  if (fs::create_directory(ToHostPath(path), error)) return FileFault::None;
  return fs::is_directory(ToHostPath(path), error) ? FileFault::AccessDenied : FileFault::PathNotFound;
}

unsigned HostFileSystem::AttributesOf(const fs::path& path) const {
  const auto found = attributes_.find(AttributeKey(path));
  return found == attributes_.end() ? 0U : found->second;
}

void HostFileSystem::SetAttributes(std::string_view path, unsigned attributes) {
  attributes_[AttributeKey(ToHostPath(path))] = attributes;
}

FileFault HostFileSystem::CheckWritable(const fs::path& path) const {
  if (HasForbiddenNameCharacter(path)) return FileFault::BadName;
  std::error_code error;
  if (!fs::is_directory(path.parent_path().empty() ? fs::path(".") : path.parent_path(), error))
    return FileFault::PathNotFound;
  if (fs::is_directory(path, error)) return FileFault::AccessDenied;
  if (AttributesOf(path) & file_attribute::kReadOnly) return FileFault::AccessDenied;
  return FileFault::None;
}

std::optional<std::string> HostFileSystem::ReadAnsiFile(std::string_view path, std::size_t maxBytes) const {
  return ReadFileBytes(path, maxBytes);
}

FileFault HostFileSystem::WriteAnsiFile(std::string_view path, std::string_view text) {
  return WriteFileBytes(path, text);
}

std::optional<std::string> HostFileSystem::ReadFileBytes(std::string_view path, std::size_t maxBytes) const {
  const fs::path hostPath = ToHostPath(path);
  std::error_code error;
  if (!fs::is_regular_file(hostPath, error) || unreadable_.contains(AttributeKey(hostPath))) return std::nullopt;
  const auto size = fs::file_size(hostPath, error);
  if (error || size > maxBytes) return std::nullopt;
  std::ifstream in(hostPath, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text(static_cast<std::size_t>(size), '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.gcount() != static_cast<std::streamsize>(text.size())) return std::nullopt;
  return text;
}

namespace {

FileFault WriteStream(const fs::path& path, std::ios::openmode mode, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | mode);
  if (!out) return FileFault::Other;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  return out ? FileFault::None : FileFault::DiskFull;
}

}  // namespace

FileFault HostFileSystem::PrepareWrite(const fs::path& path) {
  if (const FileFault injected = std::exchange(nextWriteFault_, FileFault::None); injected != FileFault::None)
    return injected;
  return CheckWritable(path);
}

FileFault HostFileSystem::WriteFileBytes(std::string_view path, std::string_view text) {
  const fs::path hostPath = ToHostPath(path);
  if (const FileFault fault = PrepareWrite(hostPath); fault != FileFault::None) return fault;
  return WriteStream(hostPath, std::ios::trunc, text);
}

FileFault HostFileSystem::WriteNewFile(std::string_view path, std::string_view bytes) {
  const fs::path hostPath = ToHostPath(path);
  if (const FileFault fault = PrepareWrite(hostPath); fault != FileFault::None) return fault;
  // Any entry of that name, a link's included, is there already: nothing is opened through it.
  std::error_code error;
  if (fs::exists(fs::symlink_status(hostPath, error))) return FileFault::Exists;
  return WriteStream(hostPath, std::ios::trunc, bytes);
}

FileFault HostFileSystem::AppendFileBytes(std::string_view path, std::string_view bytes) {
  const fs::path hostPath = ToHostPath(path);
  if (const FileFault fault = PrepareWrite(hostPath); fault != FileFault::None) return fault;
  return WriteStream(hostPath, std::ios::app, bytes);
}

FileFault HostFileSystem::MoveOver(std::string_view source, std::string_view target) {
  if (const FileFault injected = std::exchange(nextMoveFault_, FileFault::None); injected != FileFault::None)
    return injected;
  const fs::path from = ToHostPath(source);
  const fs::path to = ToHostPath(target);
  std::error_code error;
  if (!fs::is_regular_file(from, error)) return FileFault::NotFound;
  if (const FileFault fault = CheckWritable(to); fault != FileFault::None) return fault;
  fs::rename(from, to, error);
  if (error) return FileFault::Other;
  attributes_.erase(AttributeKey(to));
  return FileFault::None;
}

FileFault HostFileSystem::RemoveFile(std::string_view path) {
  const fs::path hostPath = ToHostPath(path);
  std::error_code error;
  if (!fs::is_regular_file(hostPath, error)) return FileFault::NotFound;
  if (AttributesOf(hostPath) & file_attribute::kReadOnly) return FileFault::AccessDenied;
  if (!fs::remove(hostPath, error) || error) return FileFault::Other;
  attributes_.erase(AttributeKey(hostPath));
  return FileFault::None;
}

std::vector<std::string> HostFileSystem::ListOrdinaryFiles(std::string_view folder, std::string_view pattern) const {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(ToHostPath(folder), error), end; !error && it != end; it.increment(error)) {
    if (!it->is_regular_file(error)) continue;
    if (AttributesOf(it->path()) & (file_attribute::kHidden | file_attribute::kSystem)) continue;
    std::string name = FromHostPath(it->path().filename());
    if (MatchesWildcard(name, pattern)) names.push_back(std::move(name));
  }
  // A directory iterator's order is arbitrary; NTFS returns names in order, so do the same.
  std::sort(names.begin(), names.end());
  return names;
}

std::optional<std::string> HostFileSystem::FindFirstMatch(std::string_view pathPattern, unsigned attributeMask) const {
  const std::size_t cut = pathPattern.find_last_of("\\/");
  const std::string_view folder = cut == std::string_view::npos ? std::string_view(".") : pathPattern.substr(0, cut);
  const std::string_view pattern = cut == std::string_view::npos ? pathPattern : pathPattern.substr(cut + 1);
  if (pattern.empty()) return std::nullopt;

  std::vector<std::pair<std::string, unsigned>> entries;
  std::error_code error;
  for (fs::directory_iterator it(ToHostPath(folder.empty() ? "/" : folder), error), end; !error && it != end;
       it.increment(error)) {
    unsigned attributes = AttributesOf(it->path());
    if (it->is_directory(error)) attributes |= file_attribute::kDirectory;
    entries.emplace_back(FromHostPath(it->path().filename()), attributes);
  }
  std::sort(entries.begin(), entries.end());
  constexpr unsigned kGated = file_attribute::kHidden | file_attribute::kSystem | file_attribute::kDirectory;
  for (const auto& [name, attributes] : entries) {
    if ((attributes & kGated & ~attributeMask) != 0) continue;
    if (MatchesWildcard(name, pattern)) return name;
  }
  return std::nullopt;
}

}  // namespace curfew::platform
