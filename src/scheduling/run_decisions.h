#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/date_time.h"

namespace curfew {

// A decision of the user's about one coming run of a stored schedule that its file does not
// hold: the run left out, or moved to a later moment. It belongs to the schedule as its file
// was when it was made (the fingerprint): a schedule changed by any means drops it.
struct RunDecision {
  enum class Kind { Skip, Postpone };
  Kind kind = Kind::Skip;
  std::string name;
  std::uint64_t fingerprint = 0;
  LocalDateTime due;    // the run's minute
  LocalDateTime until;  // postponed: the moment the run moved to

  friend bool operator==(const RunDecision&, const RunDecision&) = default;
};

// What the state file beside the schedules keeps between two runs of the program.
struct KeptDecisions {
  std::vector<RunDecision> decisions;
  // The last moment the program is known to have run: runs due after it and before the next
  // start were missed.
  std::optional<LocalDateTime> seen;

  friend bool operator==(const KeptDecisions&, const KeptDecisions&) = default;
};

// The state file's name in the data folder; the schedules' reader lists only "*.sch" files.
inline constexpr std::string_view kDecisionsFileName = "decisions.txt";

// The file's text (UTF-8, one decision a line, tab-separated, the name last), and back:
// nullopt for a text that is not such a file.
std::string ComposeDecisions(const KeptDecisions& kept);
std::optional<KeptDecisions> ParseDecisions(std::string_view text);

}  // namespace curfew
