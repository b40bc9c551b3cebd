#pragma once

#include <array>
#include <cstddef>
#include <memory>

#include "platform/windowing/form.h"

namespace curfew {

// The windows the program opens besides the main one, one of each at a time, held here by their
// place in the order the program's end unloads them.
class OpenWindows {
 public:
  enum class Place : std::size_t {
    Warning,
    History,
    Help,
    About,
    Language,
    Preferences,
    Splash,
    Reminder,
    Browser,
    Editor,
    kCount
  };

  // The window at its place, made anew (a window there before is destroyed).
  template <typename Window, typename... Arguments>
  Window& Open(Place place, Arguments&&... arguments) {
    auto window = std::make_unique<Window>(std::forward<Arguments>(arguments)...);
    Window& made = *window;
    owned_[Index(place)] = std::move(window);
    shown_[Index(place)] = &made;
    return made;
  }
  // A window that lives elsewhere (the splash) is only unloaded in its turn.
  void Keep(Place place, ui::Form& window) { shown_[Index(place)] = &window; }

  // The window at its place, loaded or not; null when none was ever opened there.
  template <typename Window>
  Window* Find(Place place) const {
    return dynamic_cast<Window*>(shown_[Index(place)]);
  }
  // The window at its place is loaded: it is brought to the front as it is.
  bool BringForwardIfOpen(Place place) const;

  // Every window in the order of its place, each on its own: a failing one never keeps the
  // others open.
  void UnloadAll();

 private:
  static std::size_t Index(Place place) { return static_cast<std::size_t>(place); }

  static constexpr std::size_t kPlaces = static_cast<std::size_t>(Place::kCount);
  std::array<std::unique_ptr<ui::Form>, kPlaces> owned_;
  std::array<ui::Form*, kPlaces> shown_{};
};

}  // namespace curfew
