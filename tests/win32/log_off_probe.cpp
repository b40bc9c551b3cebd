// Runs the scheduled action "Log Off" with force through the real power object, as the
// scheduler would. With "--wait" it only waits, standing for another program of the session.
#include <windows.h>

#include <cstring>
#include <optional>

#include "platform/win32/win32_power_broadcast.h"
#include "platform/win32/win32_power_system.h"
#include "power/cpower.h"
#include "power/run_scheduled_action.h"

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--wait") == 0) {
    Sleep(120 * 1000);
    return 3;  // still running: the session did not end
  }
  curfew::platform::win32::Win32PowerSystem power;
  curfew::platform::win32::Win32PowerBroadcastFilter filter;
  std::optional<curfew::CPower> objPower;
  curfew::RunScheduledAction("Log Off", true, [&]() -> curfew::CPower& {
    if (!objPower) objPower.emplace(power, filter);
    return *objPower;
  });
  Sleep(30 * 1000);  // the session ends this process as well
  return 4;
}
