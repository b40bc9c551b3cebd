#include "power/run_scheduled_action.h"

#include "power/mod_power.h"

namespace curfew {

void RunScheduledAction(std::string_view actionName, bool force, const std::function<CPower&()>& obtainPower) {
  const auto code = PowerActionCodeOf(actionName);
  if (!code) return;
  obtainPower().ShutDown(*code, force);
}

}  // namespace curfew
