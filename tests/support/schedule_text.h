#pragma once

#include <string>

#include "scheduling/schedule_record.h"
#include "scheduling/schedule_writer.h"

namespace curfew::test {

// A schedule as the editor composes it.
inline ScheduleRecord Schedule(const std::string& type, const std::string& startDate, const std::string& startTime,
                               bool repeat, int mode, const std::string& period = "", bool enabled = true) {
  ScheduleRecord record;
  record.ItemType = type;
  record.Enabled = enabled;
  record.StartDate = startDate;
  record.StartTime = startTime;
  record.Repeat = repeat;
  record.SAccurancy = static_cast<std::int16_t>(mode);
  record.Period = period;
  return record;
}

// Its file's text as the editor writes it.
inline std::string ScheduleText(const std::string& type, const std::string& startDate, const std::string& startTime,
                                bool repeat, int mode, const std::string& period = "", bool enabled = true) {
  return ComposeScheduleFile(Schedule(type, startDate, startTime, repeat, mode, period, enabled));
}

}  // namespace curfew::test
