#include "appearance/skin_colours.h"

#include "platform/windowing/control.h"

namespace curfew {

void SetSkinColours(ui::Form& form, const SkinColours& colours) {
  for (ui::Control* control : form.Controls()) {
    switch (ui::TraitsOf(control->Kind()).skinColours) {
      case ui::SkinColourRole::Keep: break;
      case ui::SkinColourRole::Button: control->SetColours(colours.buttonAndField, control->ForeColor()); break;
      case ui::SkinColourRole::Picture: control->SetColours(colours.pictureBack, control->ForeColor()); break;
      case ui::SkinColourRole::Field: control->SetColours(colours.buttonAndField, colours.fieldText); break;
    }
  }
}

}  // namespace curfew
