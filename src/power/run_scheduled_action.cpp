#include "power/run_scheduled_action.h"

#include "power/mod_power.h"

namespace curfew {

std::optional<PowerRefusal> RunScheduledAction(std::string_view actionName, bool force,
                                               const std::function<CPower&()>& obtainPower) {
  const auto code = PowerActionCodeOf(actionName);
  if (!code) return std::nullopt;
  return obtainPower().ShutDown(*code, force);
}

}  // namespace curfew
