#include "appearance/mirror_labels.h"

#include "platform/windowing/form.h"

namespace curfew {

ui::SkinLabel& SkinLabelArray::LoadElement() {
  const int index = HighestIndex() + 1;
  loaded_.push_back(std::make_unique<ui::SkinLabel>(first_.Parent(), first_.Name(), index, first_.Container()));
  return *loaded_.back();
}

void MirrorLabels(ui::Form& form, std::span<SkinLabelArray* const> arrays, MirrorRule rule) {
  if (arrays.empty()) return;
  for (SkinLabelArray* array : arrays) array->UnloadElements();
  // The labels first: loading elements adds controls to the window's list.
  std::vector<const ui::Control*> labels;
  for (const ui::Control* control : form.Controls())
    if (control->Kind() == ui::ControlKind::Label) labels.push_back(control);

  for (const ui::Control* label : labels) {
    SkinLabelArray* taker = rule == MirrorRule::EveryLabel ? arrays.front() : nullptr;
    for (std::size_t i = 0; !taker && i < arrays.size(); ++i)
      if (arrays[i]->First().Container() == label->Container()) taker = arrays[i];
    if (!taker) continue;
    ui::SkinLabel& copy = taker->LoadElement();
    copy.Move(label->Position());
    copy.SetFont(label->GetFont());
    copy.SetCaption(label->Caption());
    copy.SetVisible(label->Visible());
    form.LoadControl(copy);
  }
}

}  // namespace curfew
