#pragma once

#include <future>
#include <string>
#include <vector>

#include "platform/date_time.h"
#include "platform/files.h"
#include "platform/locale.h"
#include "scheduling/schedule_model.h"

namespace curfew {

// The schedule files of a data folder read on a thread of their own, so that a start with many
// of them shows its window at once instead of after every file. The file system and the locale
// must outlive the load; dropping the load waits for the reading to end.
class ScheduleLoad {
 public:
  ScheduleLoad(const platform::FileSystem& files, std::string dataFolder, const LocalDateTime& now,
               const platform::Locale& locale);

  bool Finished() const;
  // The schedules, waiting for the reading if it is still under way; it raises what the reading
  // raised.
  std::vector<ScheduleEntry> Take() { return entries_.get(); }

 private:
  std::future<std::vector<ScheduleEntry>> entries_;
};

}  // namespace curfew
