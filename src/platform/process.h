#pragma once

#include <string_view>

namespace curfew::platform {

// The running program among others.
class ProcessServices {
 public:
  virtual ~ProcessServices() = default;
  // Whether another copy of the program runs already (for the same user session).
  virtual bool AnotherInstanceRunning() = 0;
  // Starts a command line in a normal, focused window and returns at once.
  virtual void StartCommandLine(std::string_view commandLine) = 0;
};

}  // namespace curfew::platform
