#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace curfew::platform {

// The answer to one request, read as it arrives.
class UrlBody {
 public:
  virtual ~UrlBody() = default;
  // The HTTP status of the answer; 0 for a protocol that has none.
  virtual int StatusCode() const = 0;
  // The body's length as the server announced it, when it did.
  virtual std::optional<std::uint64_t> ContentLength() const = 0;
  // Reads up to size bytes into buffer: how many arrived, 0 at the end of the body, nullopt
  // when the transfer broke off.
  virtual std::optional<std::size_t> Read(char* buffer, std::size_t size) = 0;
};

// Web requests.
class Internet {
 public:
  virtual ~Internet() = default;
  // Opens the address under that agent name, by direct access (no proxy), always from the
  // server and with a no-cache request; null when the transfer cannot start.
  virtual std::unique_ptr<UrlBody> OpenUrl(std::string_view agentName, std::string_view address) = 0;
};

}  // namespace curfew::platform
