#pragma once

#include <functional>

namespace curfew::platform {

// Tells a single left click on the notification icon from a double click. The shell reports a
// double click as button-up, double click, button-up; were the first button-up to open the
// tray menu at once, the second click would land on one of its entries ("Exit", when the menu
// opens upwards from a bottom task bar). So a left button-up counts only once the system's
// double-click time has passed without a double click; a double click in that time takes its
// place. The button-up that ends the double click is dropped however long the button was held
// (a slow release would otherwise open the menu after the window): one gesture, one result.
// Only a new button-down before it shows that it never came. Other notifications pass at once.
class TrayClickFilter {
 public:
  // deliver receives the notifications that count; wait(true) starts the double-click wait,
  // after which the owner calls WaitOver, and wait(false) stops it.
  TrayClickFilter(std::function<void(int mouseMessage)> deliver, std::function<void(bool start)> wait)
      : deliver_(std::move(deliver)), wait_(std::move(wait)) {}

  void Notify(int mouseMessage);
  void WaitOver();

 private:
  std::function<void(int)> deliver_;
  std::function<void(bool)> wait_;
  bool clickPending_ = false;
  bool dropNextLeftUp_ = false;
};

}  // namespace curfew::platform
