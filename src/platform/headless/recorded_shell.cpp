#include "platform/headless/recorded_shell.h"

namespace curfew::platform {

bool RecordedTray::Add(std::string_view tip) {
  calls.push_back("add");
  if (refuseAdd) return false;
  shown_ = true;
  tip_ = std::string(tip);
  return true;
}

bool RecordedTray::Modify(std::string_view tip) {
  calls.push_back("modify");
  if (!shown_) return false;
  tip_ = std::string(tip);
  return true;
}

bool RecordedTray::Remove() {
  calls.push_back("delete");
  const bool wasShown = shown_;
  shown_ = false;
  return wasShown;
}

}  // namespace curfew::platform
