#pragma once

#include <functional>
#include <string_view>

namespace curfew::platform {

// The program's icon in the notification area. Each call answers whether the shell took it.
class TrayIcon {
 public:
  virtual ~TrayIcon() = default;
  virtual bool Add(std::string_view tip) = 0;
  // Changes the tip of an icon that is there; false when the shell has no such icon.
  virtual bool Modify(std::string_view tip) = 0;
  virtual bool Remove() = 0;
  // A notification beside the icon (a balloon or toast) with a title and a text; false when the
  // shell has no such icon.
  virtual bool ShowNotification(std::string_view title, std::string_view text) = 0;
  // The icon's picture: the program's own, or its variant that says the computer is kept
  // awake. An icon added later shows the picture last chosen.
  virtual bool ShowKeptAwake(bool awake) = 0;
  // Receives the mouse message (512 move, 513 left down, 514 left up, 515 left double click,
  // 516 right down, 517 right up) that happened on the icon.
  std::function<void(int mouseMessage)> onNotify;
  // The task bar was made anew (Explorer restarted): every icon it showed is gone.
  std::function<void()> onShellRestarted;
};

}  // namespace curfew::platform
