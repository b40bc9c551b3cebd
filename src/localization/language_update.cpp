#include "localization/language_update.h"

#include <array>

#include "localization/language_file_format.h"
#include "platform/ascii.h"

namespace curfew {

std::string LanguageUpdateAddress(std::string_view serverBase, int productNumber) {
  return std::string(serverBase) + "/Languages/" + std::to_string(productNumber) + "/Localization.xml";
}

std::string DownloadUrlText(platform::Internet& internet, std::string_view address, const std::function<bool()>& goOn) {
  if (goOn && !goOn()) return {};
  const std::unique_ptr<platform::UrlBody> answer = internet.OpenUrl("Mozilla", address);
  if (!answer || answer->StatusCode() != 200) return {};
  const auto announced = answer->ContentLength();
  if (announced && *announced > kMaxDownloadBytes) return {};
  std::string body;
  std::array<char, 256> chunk{};
  while (true) {
    const auto received = answer->Read(chunk.data(), chunk.size());
    if (!received) return {};
    if (*received == 0) break;
    if (body.size() + *received > kMaxDownloadBytes) return {};
    body.append(chunk.data(), *received);
    if (goOn && !goOn()) return {};
  }
  if (announced && body.size() != *announced) return {};
  return body;
}

bool StoreLanguageUpdate(platform::FileSystem& files, std::string_view languageFilePath, std::string_view body) {
  if (!language_file::IsWholeFile(body)) return false;
  // A byte order mark or blank lines before the first "<" are dropped.
  body.remove_prefix(body.find('<'));
  const std::string temporary = std::string(languageFilePath) + ".download";
  if (files.WriteFileBytes(temporary, std::string(body) + "\r\n") != platform::FileFault::None ||
      files.MoveOver(temporary, languageFilePath) != platform::FileFault::None) {
    files.RemoveFile(temporary);
    return false;
  }
  return true;
}

}  // namespace curfew
