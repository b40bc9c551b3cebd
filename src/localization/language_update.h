#pragma once

#include "localization/cls_languages.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/internet.h"

namespace curfew {

// A language file larger than this is no language file: its transfer counts as failed. The
// stored file gets CR LF more, and must still be one the reader takes.
inline constexpr std::size_t kMaxDownloadBytes = clsLanguages::kMaxLanguageFileBytes - 2;

// The newest language file of this product on the language server.
std::string LanguageUpdateAddress(std::string_view serverBase, int productNumber);

// The body of the answer, read in chunks of 256 bytes, asking goOn between chunks whether to
// go on; "" when the transfer cannot start, was stopped, or is no complete success: a status
// other than 200, a transfer that broke off or ended before the announced length, or a body
// larger than kMaxDownloadBytes.
std::string DownloadUrlText(platform::Internet& internet, std::string_view address, const std::function<bool()>& goOn);

// Replaces the language file with a downloaded body when it is a whole language file (language_file::IsWholeFile): from
// its first "<" on, followed by CR LF. The new file is written beside the
// old one first and then moved over it, so a failed write leaves the old file as it was.
// Returns whether the file was replaced.
bool StoreLanguageUpdate(platform::FileSystem& files, std::string_view languageFilePath, std::string_view body);

}  // namespace curfew
