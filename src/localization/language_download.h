#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "platform/internet.h"

namespace curfew {

// The download of a language update on a thread of its own, so that the windows stay
// responsive and the scheduler's timers keep firing however slow the server is. The window
// that started it looks at it from its timer; cancelling or dropping it stops the transfer
// at the next chunk (the platform's time-outs bound a transfer that sends nothing).
class LanguageDownload {
 public:
  LanguageDownload(platform::Internet& internet, std::string address);
  ~LanguageDownload();
  LanguageDownload(const LanguageDownload&) = delete;
  LanguageDownload& operator=(const LanguageDownload&) = delete;

  bool Finished() const;
  // Once finished: the body, "" when the transfer failed or was cancelled (DownloadUrlText).
  std::string TakeBody();
  void Cancel();

 private:
  struct Shared {
    std::mutex mutex;
    bool finished = false;
    std::string body;
    std::atomic<bool> cancelled{false};
  };
  std::shared_ptr<Shared> shared_;
  std::thread worker_;
};

}  // namespace curfew
