#include "scheduling/schedule_load.h"

#include <chrono>

#include "scheduling/schedule_list.h"

namespace curfew {

ScheduleLoad::ScheduleLoad(const platform::FileSystem& files, std::string dataFolder, const LocalDateTime& now,
                           const platform::Locale& locale)
    : entries_(std::async(std::launch::async, [&files, folder = std::move(dataFolder), now, &locale] {
        return LoadScheduleEntries(files, folder, now, locale);
      })) {}

bool ScheduleLoad::Finished() const { return entries_.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }

}  // namespace curfew
