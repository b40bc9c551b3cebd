#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/date_time.h"
#include "platform/locale.h"

namespace curfew {

// Where a "Next Run Time" stands against the clock, to the minute.
enum class Due {
  No,          // empty text: no next run
  Yes,         // today, in the current minute
  Ahead,       // a later minute
  Missed,      // an earlier minute: it passed without a run (sleep, a clock change)
  Unreadable,  // not a date and a time
};

// The minute a "Next Run Time" text names.
struct RunMinute {
  std::chrono::year_month_day date;
  int hour = 0;
  int minute = 0;
};

// What detection knows of each row's "Next Run Time": the text it read last and the minute
// that text names. A text is split at its first blank into a date and a time (which may carry
// AM or PM); a date alone means midnight. A row's text is read again only when it differs from the remembered one,
// so a pass over an unchanged list only compares texts.
class NextRunWatch {
 public:
  Due Check(int row, const std::string& nextRunText, const LocalDateTime& now, const platform::Locale& locale);

 private:
  struct Seen {
    std::string text;
    std::optional<RunMinute> minute;
  };
  std::vector<Seen> rows_;
};

}  // namespace curfew
