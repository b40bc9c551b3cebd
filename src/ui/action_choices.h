#pragma once

#include "platform/windowing/controls.h"

namespace curfew {

// The actions a window offers to choose from, first selected: "Hibernate" first only where
// hibernation is available. The names stay as they are: schedule files and the engine use them.
inline void FillActionChoices(ui::ComboBox& box, bool hibernation) {
  box.Clear();
  if (hibernation) box.AddItem("Hibernate");
  for (const char* action : {"Shut Down", "Reboot", "Log Off", "Stand by"}) box.AddItem(action);
  box.SetListIndex(0);
}

}  // namespace curfew
