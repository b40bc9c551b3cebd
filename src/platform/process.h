#pragma once

#include <string>
#include <string_view>

#include "platform/native_window.h"

namespace curfew::platform {

// The running program among others.
class ProcessServices {
 public:
  virtual ~ProcessServices() = default;
  // Whether another copy of the program runs already (for the same user session).
  virtual bool AnotherInstanceRunning() = 0;
  // Starts a command line in a normal, focused window and returns at once; false when it could
  // not be started.
  virtual bool StartCommandLine(std::string_view commandLine) = 0;
  // The program file's name without folder and extension ("curfew").
  virtual std::string ExeName() const = 0;
  // Asks the shell to "open" the file (the program the system associates with it), owned by
  // owner (0 for none), with no parameters, in a window of showMode (1: normal). Returns the
  // shell's result code: above 32 when it succeeded.
  virtual int OpenDocument(std::string_view path, NativeWindow owner, int showMode) = 0;
};

}  // namespace curfew::platform
