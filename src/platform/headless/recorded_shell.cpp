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

bool RecordedTray::ShowNotification(std::string_view title, std::string_view text) {
  if (!shown_) return false;
  notifications.push_back(std::string(title) + ": " + std::string(text));
  return true;
}

bool RecordedTray::Remove() {
  calls.push_back("delete");
  const bool wasShown = shown_;
  shown_ = false;
  return wasShown;
}

}  // namespace curfew::platform
