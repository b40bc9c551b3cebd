#include "appearance/skin_colours.h"

#include <array>
#include <string_view>

#include "platform/windowing/control.h"

namespace curfew {
namespace {

// The field types by type name, as the skin knows them (some are kinds no window of the
// program has).
constexpr std::array<std::string_view, 7> kFieldTypes = {"TextBox",      "ComboBox", "FileListBox", "DirListBox",
                                                         "DriveListBox", "ListBox",  "ListView"};

}  // namespace

void SetSkinColours(ui::Form& form, const SkinColours& colours) {
  for (ui::Control* control : form.Controls()) {
    const std::string_view type = ui::TypeNameOf(control->Kind());
    if (type == "CommandButton") {
      control->SetColours(colours.buttonAndField, control->ForeColor());
    } else if (type == "PictureBox") {
      control->SetColours(colours.pictureBack, control->ForeColor());
    } else {
      for (std::string_view field : kFieldTypes) {
        if (type == field) control->SetColours(colours.buttonAndField, colours.fieldText);
      }
    }
  }
}

}  // namespace curfew
