#pragma once

#include <string_view>

#include "platform/date_time.h"
#include "platform/locale.h"

namespace curfew {

enum class Due { No, Yes, Unreadable };

// Whether a "Next Run Time" text names today and the current minute. The text is split at its
// first blank into a date and a time (which may carry AM or PM); a date alone means midnight.
Due IsDue(std::string_view nextRunText, const LocalDateTime& now, const platform::Locale& locale);

}  // namespace curfew
