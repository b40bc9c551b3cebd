#pragma once

#include "appearance/mirror_labels.h"
#include "localization/translated_window.h"
#include "platform/windowing/controls.h"
#include "platform/windowing/form.h"

namespace curfew {

class AppContext;

// The product's name, version, company and web site, read from the version information.
class frmAbout final : public ui::Form, public TranslatedWindow {
 public:
  // The product image among the program's resources.
  static constexpr int kProductImage = 101;

  explicit frmAbout(AppContext& context);

  ui::PictureBox Picture1{*this, "Picture1"};
  ui::SkinLabel Label1{*this, "Label1"};
  ui::Label Label2{*this, "Label2"};
  ui::SkinLabel lblVersion{*this, "lblVersion"};
  ui::Label Label3{*this, "Label3"};
  ui::SkinLabel lblCompany{*this, "lblCompany"};
  ui::Label Label4{*this, "Label4"};
  ui::SkinLabel lblWebsite{*this, "lblWebsite"};
  ui::SkinLabel SkinLabel1{*this, "SkinLabel1", 0};

  // The title and other catalogue texts, shown again when the language changes.
  void ShowCatalogueTexts() override;

 protected:
  void Form_Load() override;

 private:
  AppContext& context_;
  SkinLabelArray skinLabels1_{SkinLabel1};
};

// Opens the help file in the system's help viewer as it loads; never seen itself.
class Form8 final : public ui::Form {
 public:
  explicit Form8(AppContext& context);

 protected:
  void Form_Load() override;

 private:
  AppContext& context_;
};

}  // namespace curfew
