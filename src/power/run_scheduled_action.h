#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "power/cpower.h"

namespace curfew {

// Runs the action a schedule names. obtainPower gives the power object, creating it on first
// use; it is asked only for a name in the action table. Any other name does nothing. A refused
// action comes back with the system's reason.
std::optional<PowerRefusal> RunScheduledAction(std::string_view actionName, bool force,
                                               const std::function<CPower&()>& obtainPower);

}  // namespace curfew
