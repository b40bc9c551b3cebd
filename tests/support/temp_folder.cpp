#include "support/temp_folder.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>

namespace curfew::test {
namespace fs = std::filesystem;
namespace {

fs::path Relative(std::string_view text) { return fs::path(std::u8string(text.begin(), text.end())); }

}  // namespace

TempFolder::TempFolder() {
  static std::atomic<unsigned> counter{0};
  std::random_device random;
  root_ = fs::temp_directory_path() /
          ("curfew-test-" + std::to_string(random()) + "-" + std::to_string(counter.fetch_add(1)));
  fs::create_directories(root_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

std::string TempFolder::path() const {
  const std::u8string text = root_.u8string();
  return std::string(text.begin(), text.end());
}

void TempFolder::Write(std::string_view relativePath, std::string_view bytes) const {
  const fs::path target = root_ / Relative(relativePath);
  fs::create_directories(target.parent_path());
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempFolder::Read(std::string_view relativePath) const {
  std::ifstream in(root_ / Relative(relativePath), std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool TempFolder::Exists(std::string_view relativePath) const { return fs::exists(root_ / Relative(relativePath)); }

}  // namespace curfew::test
