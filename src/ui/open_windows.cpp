#include "ui/open_windows.h"

#include <exception>

namespace curfew {

bool OpenWindows::BringForwardIfOpen(Place place) const {
  ui::Form* window = shown_[Index(place)];
  if (!window || !window->Loaded()) return false;
  window->BringToFront();
  return true;
}

void OpenWindows::UnloadAll() {
  for (ui::Form* window : shown_) {
    if (!window) continue;
    try {
      window->Unload();
    } catch (const std::exception&) {
    }
  }
}

}  // namespace curfew
