#pragma once

#include "platform/clock.h"

namespace curfew::platform::win32 {

class Win32Clock final : public Clock {
 public:
  LocalDateTime Now() const override;
  std::optional<UtcDateTime> ToUtc(const LocalDateTime& local) const override;
};

}  // namespace curfew::platform::win32
