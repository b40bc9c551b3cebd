#pragma once

#include <cstdint>
#include <string>

namespace curfew {

// One stored schedule: the file's name and the keys of its DATA and SCHEDULER sections.
struct ScheduleRecord {
  std::string name;         // the file name without ".sch"
  std::string ItemType;     // an action name such as "Shut Down"
  std::string LastRunTime;  // shown as it is; nothing writes it but the editor (empty)
  bool Enabled = false;     // whether the schedule has a start date and time at all
  std::string StartDate;    // the short date form
  std::string StartTime;    // "HH:MM:SS", 24-hour clock
  bool Repeat = false;
  std::int16_t SAccurancy = 0;  // 0 daily, 1 weekly, 2 monthly
  std::string Period;           // "mon,fri" or "1,15"
  bool RunOnStart = false;      // carried through, never acted on
  bool RunOnEnd = false;        // carried through, never acted on

  friend bool operator==(const ScheduleRecord&, const ScheduleRecord&) = default;
};

}  // namespace curfew
