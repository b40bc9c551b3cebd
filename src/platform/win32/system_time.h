#pragma once

#include <windows.h>

#include "platform/date_time.h"

namespace curfew::platform::win32 {

SYSTEMTIME ToSystemTime(const LocalDateTime& value);
LocalDateTime FromSystemTime(const SYSTEMTIME& time);

}  // namespace curfew::platform::win32
