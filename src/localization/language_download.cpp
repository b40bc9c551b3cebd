#include "localization/language_download.h"

#include "localization/language_update.h"

namespace curfew {

LanguageDownload::LanguageDownload(platform::Internet& internet, std::string address)
    : shared_(std::make_shared<Shared>()) {
  worker_ = std::thread([&internet, address = std::move(address), shared = shared_] {
    std::string body;
    try {
      body = DownloadUrlText(internet, address, [&shared] { return !shared->cancelled.load(); });
    } catch (...) {
      body.clear();  // a transfer that failed in any way is a failed update
    }
    const std::lock_guard lock(shared->mutex);
    shared->body = std::move(body);
    shared->finished = true;
  });
}

LanguageDownload::~LanguageDownload() {
  Cancel();
  worker_.join();
}

bool LanguageDownload::Finished() const {
  const std::lock_guard lock(shared_->mutex);
  return shared_->finished;
}

std::string LanguageDownload::TakeBody() {
  const std::lock_guard lock(shared_->mutex);
  return std::move(shared_->body);
}

void LanguageDownload::Cancel() { shared_->cancelled = true; }

}  // namespace curfew
