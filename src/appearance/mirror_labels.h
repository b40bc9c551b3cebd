#pragma once

#include <memory>
#include <span>
#include <vector>

#include "platform/windowing/controls.h"

namespace curfew {

// A control array of skinned labels: element 0 is an invisible template placed in the
// container whose labels the array takes; further elements are loaded at run time.
class SkinLabelArray {
 public:
  explicit SkinLabelArray(ui::SkinLabel& first) : first_(first) {}

  ui::SkinLabel& First() const { return first_; }
  int HighestIndex() const { return static_cast<int>(loaded_.size()); }
  // The element at index 1 and up.
  ui::SkinLabel& Element(int index) const { return *loaded_.at(static_cast<std::size_t>(index - 1)); }
  // A new element, one above the highest index, in the container of element 0.
  ui::SkinLabel& LoadElement();
  // Back to element 0 alone, as a window loaded again starts.
  void UnloadElements() { loaded_.clear(); }

 private:
  ui::SkinLabel& first_;
  std::vector<std::unique_ptr<ui::SkinLabel>> loaded_;
};

// Which plain labels an array takes: every label of the window (to the first array), or the
// labels of a container, each to the first array whose element 0 lies in the label's own
// container (a label matching none is left alone).
enum class MirrorRule { EveryLabel, SameContainer };

// Copies each plain label of the window, in control order, into a new element of the array
// that takes it: position, font, caption and visibility. The labels themselves stay as they
// are. Elements of an earlier load are unloaded first.
void MirrorLabels(ui::Form& form, std::span<SkinLabelArray* const> arrays, MirrorRule rule);

}  // namespace curfew
