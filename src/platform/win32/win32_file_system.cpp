#include "platform/win32/win32_file_system.h"

#include "platform/wildcard_match.h"
#include "platform/win32/text_conversion.h"
#include "platform/win32/unique_handle.h"

namespace curfew::platform::win32 {
namespace {

FileFault FaultOf(DWORD error) {
  switch (error) {
    case ERROR_SUCCESS: return FileFault::None;
    case ERROR_FILE_NOT_FOUND: return FileFault::NotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH: return FileFault::PathNotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT: return FileFault::AccessDenied;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY: return FileFault::BadName;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return FileFault::DiskFull;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return FileFault::Exists;
    default: return FileFault::Other;
  }
}

FileFault LastFault() { return FaultOf(GetLastError()); }

// Writes all the bytes to an open file and flushes them to the disk.
FileFault WriteAllAndFlush(HANDLE file, std::string_view bytes) {
  DWORD written = 0;
  if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) return LastFault();
  if (written != bytes.size()) return FileFault::DiskFull;
  if (!FlushFileBuffers(file)) return LastFault();
  return FileFault::None;
}

// A path as the file functions take it past MAX_PATH: a full path of that length gets the
// "\\?\" form, which the system passes on unchanged, so its separators are made backslashes
// first. Shorter and relative paths stay as they are. (The manifest's long-path awareness
// does the same only where the system's long-path setting is on.)
std::wstring FilePath(std::string_view utf8) {
  std::wstring path = Utf8ToWide(utf8);
  constexpr std::size_t kShortestLong = MAX_PATH - 12;  // a folder's limit is 12 below a file's
  if (path.size() < kShortestLong || path.starts_with(L"\\\\?\\")) return path;
  for (wchar_t& unit : path)
    if (unit == L'/') unit = L'\\';
  if (path.size() > 2 && path[1] == L':' && path[2] == L'\\') return L"\\\\?\\" + path;
  if (path.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + path.substr(2);
  return path;
}

}  // namespace

std::wstring ModuleFileName(HMODULE module) {
  std::wstring path(MAX_PATH, L'\0');
  while (true) {
    const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::string Win32FileSystem::ProgramFolder() const {
  if (!programFolder_.empty()) return programFolder_;
  const std::wstring path = ModuleFileName(nullptr);
  return WideToUtf8(path.substr(0, path.find_last_of(L'\\')));
}

// Read from the environment rather than the shell, which the program need not load for it.
std::string Win32FileSystem::LocalAppDataFolder() const {
  wchar_t folder[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return WideToUtf8(std::wstring_view(folder, length));
}

bool Win32FileSystem::FolderExists(std::string_view path) const {
  const DWORD attributes = GetFileAttributesW(FilePath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

FileFault Win32FileSystem::CreateFolder(std::string_view path) {
  return CreateDirectoryW(FilePath(path).c_str(), nullptr) ? FileFault::None : LastFault();
}

std::optional<std::string> Win32FileSystem::ReadAnsiFile(std::string_view path, std::size_t maxBytes) const {
  auto bytes = ReadFileBytes(path, maxBytes);
  if (!bytes) return std::nullopt;
  return AnsiToUtf8(*bytes);
}

FileFault Win32FileSystem::WriteAnsiFile(std::string_view path, std::string_view text) {
  return WriteFileBytes(path, Utf8ToAnsi(text));
}

std::optional<std::string> Win32FileSystem::ReadFileBytes(std::string_view path, std::size_t maxBytes) const {
  const FileHandle file(CreateFileW(FilePath(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || static_cast<unsigned long long>(size.QuadPart) > maxBytes)
    return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &read, nullptr)) {
      return std::nullopt;
    }
    if (read == 0) break;
    done += read;
  }
  bytes.resize(done);
  return bytes;
}

FileFault Win32FileSystem::WriteFileBytes(std::string_view path, std::string_view bytes) {
  const FileHandle file(
      CreateFileW(FilePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return LastFault();
  return WriteAllAndFlush(file.get(), bytes);
}

// CREATE_NEW fails on any name that is taken, a link's included, so nothing is opened through
// one.
FileFault Win32FileSystem::WriteNewFile(std::string_view path, std::string_view bytes) {
  const FileHandle file(
      CreateFileW(FilePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return LastFault();
  return WriteAllAndFlush(file.get(), bytes);
}

// With append access alone every write goes to the end, whoever else appends meanwhile.
FileFault Win32FileSystem::AppendFileBytes(std::string_view path, std::string_view bytes) {
  const FileHandle file(CreateFileW(FilePath(path).c_str(), FILE_APPEND_DATA | SYNCHRONIZE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                    nullptr));
  if (!file) return LastFault();
  return WriteAllAndFlush(file.get(), bytes);
}

FileFault Win32FileSystem::MoveOver(std::string_view source, std::string_view target) {
  const std::wstring targetPath = FilePath(target);
  // A read-only file is one the user protected. Windows refuses to replace it; say so before
  // moving, so that file systems that would allow it (Samba shares, Wine) behave the same.
  const DWORD targetAttributes = GetFileAttributesW(targetPath.c_str());
  if (targetAttributes != INVALID_FILE_ATTRIBUTES && (targetAttributes & FILE_ATTRIBUTE_READONLY))
    return FileFault::AccessDenied;
  if (!MoveFileExW(FilePath(source).c_str(), targetPath.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return LastFault();
  }
  return FileFault::None;
}

FileFault Win32FileSystem::RemoveFile(std::string_view path) {
  return DeleteFileW(FilePath(path).c_str()) ? FileFault::None : LastFault();
}

std::vector<std::string> Win32FileSystem::ListOrdinaryFiles(std::string_view folder, std::string_view pattern) const {
  std::vector<std::string> names;
  const std::wstring query = FilePath(std::string(folder) + "\\" + std::string(pattern));
  WIN32_FIND_DATAW entry{};
  const FindHandle find(FindFirstFileExW(query.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr, 0));
  if (!find) return names;
  constexpr DWORD kNotOrdinary = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  do {
    if (entry.dwFileAttributes & kNotOrdinary) continue;
    std::string name = WideToUtf8(entry.cFileName);
    // The system also matches 8.3 short names ("notes.schedule" is NOTES~1.SCH); only long
    // names that really match count.
    if (MatchesWildcard(name, pattern)) names.push_back(std::move(name));
  } while (FindNextFileW(find.get(), &entry));
  return names;
}

std::optional<std::string> Win32FileSystem::FindFirstMatch(std::string_view pathPattern, unsigned attributeMask) const {
  WIN32_FIND_DATAW entry{};
  const FindHandle find(FindFirstFileW(FilePath(pathPattern).c_str(), &entry));
  if (!find) return std::nullopt;
  constexpr DWORD kGated = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
  do {
    if ((entry.dwFileAttributes & kGated & ~static_cast<DWORD>(attributeMask)) == 0) return WideToUtf8(entry.cFileName);
  } while (FindNextFileW(find.get(), &entry));
  return std::nullopt;
}

}  // namespace curfew::platform::win32
