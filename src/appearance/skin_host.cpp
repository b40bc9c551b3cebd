#include "appearance/skin.h"

namespace curfew {

void SkinHost::Apply(ui::Form& form) {
  if (!skinObject_) throw SkinError("no skin has been set up yet");
  const SkinColours colours = skinObject_->Colours();
  SetSkinColours(form, colours);
  skinObject_->SkinWindow(form);
}

void SkinHost::ApplySkinToForm(ui::Form& form) {
  try {
    Apply(form);
    return;
  } catch (const std::exception&) {
    if (!loadSplash_) throw;
  }
  loadSplash_();
  Apply(form);
}

void SkinHost::FollowSchemeChange(const std::vector<ui::Form*>& forms) {
  if (!skinObject_) return;
  skinObject_->SchemeChanged();
  for (ui::Form* form : forms) ApplySkinToForm(*form);
}

}  // namespace curfew
