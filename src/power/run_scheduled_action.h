#pragma once

#include <functional>
#include <string_view>

#include "power/cpower.h"

namespace curfew {

// Runs the action a schedule names. obtainPower gives the power object, creating it on first
// use; it is asked only for a name in the action table. Any other name does nothing.
void RunScheduledAction(std::string_view actionName, bool force, const std::function<CPower&()>& obtainPower);

}  // namespace curfew
