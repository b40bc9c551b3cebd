#pragma once

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/internet.h"

namespace curfew::platform {

// A web server as a test scripts it: an answer per address, or no connection at all.
class ScriptedInternet final : public Internet {
 public:
  struct Answer {
    int status = 200;
    std::string body;
    // The transfer breaks off after this many bytes of the body.
    std::optional<std::size_t> breaksAfter;
    // The length the server announces; none unless set.
    std::optional<std::uint64_t> announcedLength;
  };

  std::unique_ptr<UrlBody> OpenUrl(std::string_view agentName, std::string_view address) override {
    requests.push_back(std::string(agentName) + " " + std::string(address));
    const auto found = answers.find(std::string(address));
    if (found == answers.end()) return nullptr;
    return std::make_unique<Body>(found->second, *this);
  }

  std::map<std::string, Answer> answers;
  std::vector<std::string> requests;
  // Runs before each read: a test acts for the user during a transfer.
  std::function<void()> onRead;

 private:
  class Body final : public UrlBody {
   public:
    Body(Answer answer, ScriptedInternet& internet) : answer_(std::move(answer)), internet_(internet) {}
    int StatusCode() const override { return answer_.status; }
    std::optional<std::uint64_t> ContentLength() const override { return answer_.announcedLength; }
    std::optional<std::size_t> Read(char* buffer, std::size_t size) override {
      if (internet_.onRead) internet_.onRead();
      const std::size_t end = std::min(answer_.body.size(), answer_.breaksAfter.value_or(answer_.body.size()));
      if (position_ == end && answer_.breaksAfter && end < answer_.body.size()) return std::nullopt;
      const std::size_t count = std::min(size, end - position_);
      std::memcpy(buffer, answer_.body.data() + position_, count);
      position_ += count;
      return count;
    }

   private:
    Answer answer_;
    ScriptedInternet& internet_;
    std::size_t position_ = 0;
  };
};

}  // namespace curfew::platform
