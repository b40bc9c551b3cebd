#pragma once

#include <windows.h>

#include <exception>
#include <string>

namespace curfew::platform::win32 {

// Runs the program's side of a callback from the system (a window, subclass or timer
// procedure, the program's entry point) so that no exception crosses into the system's code:
// a failing handler ends quietly with the given result, as the program's handlers ignore
// failing steps, and the program goes on. What failed is told to a debugger.
template <typename Result, typename Callback>
Result Guarded(Result onFailure, Callback&& callback) noexcept {
  try {
    return callback();
  } catch (const std::exception& failure) {
    OutputDebugStringA(("curfew: a handler failed: " + std::string(failure.what()) + "\n").c_str());
  } catch (...) {
    OutputDebugStringA("curfew: a handler failed\n");
  }
  return onFailure;
}

}  // namespace curfew::platform::win32
