#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace curfew::test {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();

  const std::filesystem::path& host() const { return root_; }
  // The folder as UTF-8 text in the form the program's paths take.
  std::string path() const;
  // Writes a file below the folder, bytes exactly as given.
  void Write(std::string_view relativePath, std::string_view bytes) const;
  std::string Read(std::string_view relativePath) const;
  bool Exists(std::string_view relativePath) const;

 private:
  std::filesystem::path root_;
};

}  // namespace curfew::test
