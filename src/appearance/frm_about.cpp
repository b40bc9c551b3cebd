#include "appearance/frm_about.h"

#include "scheduling/xfile_exists.h"
#include "settings/setting_table.h"
#include "ui/app_context.h"

namespace curfew {

frmAbout::frmAbout(AppContext& context) : ui::Form(context.Services().runtime, "frmAbout"), context_(context) {
  SetClientSize(7455, 2925);
  SetClosesOnEscape(true);
  SetBorderStyle(ui::BorderStyle::FixedDialog);
  SetCentred(true);
  Picture1.Move({0, 0, 7515, 1035});
  Picture1.SetPicture(kProductImage);
  ui::Font bold;
  bold.bold = true;
  bold.points = 12;
  Label1.SetCaption("YourProgramName");
  Label1.Move({120, 1200, 7095, 435});
  Label1.SetFont(bold);
  const std::pair<ui::Control*, const char*> fields[] = {
      {&Label2, "Version:"}, {&Label3, "Owned By:"}, {&Label4, "Website:"}};
  int top = 1680;
  for (const auto& [label, caption] : fields) {
    label->SetCaption(caption);
    label->Move({180, top, 2295, 315});
    top += 420;
  }
  top = 1680;
  for (ui::SkinLabel* value : {&lblVersion, &lblCompany, &lblWebsite}) {
    value->SetCaption("Version");
    value->Move({2580, top, 4635, 315});
    top += 420;
  }
  SkinLabel1.SetCaption("Windowed Label");
  SkinLabel1.SetVisible(false);
}

void frmAbout::Form_Load() { context_.ShowInLanguage(*this, *this); }

void frmAbout::ShowCatalogueTexts() {
  SetCaption(context_.Languages().getMessages("MSG_TITLEABOUT"));
  // The version information has the last word over any translation of these four.
  const platform::VersionEntries entries = context_.Services().versionInfo.Read();
  Label1.SetCaption(entries.productName);
  lblCompany.SetCaption(entries.companyName);
  lblVersion.SetCaption(std::to_string(entries.majorVersion) + "." + std::to_string(entries.minorVersion));
  lblWebsite.SetCaption(entries.comments);
  // The skin's labels take the texts just set, then the look is applied over them.
  SkinLabelArray* arrays[] = {&skinLabels1_};
  MirrorLabels(*this, arrays, MirrorRule::EveryLabel);
  context_.ApplyLook(*this);
}

Form8::Form8(AppContext& context) : ui::Form(context.Services().runtime, "Form8"), context_(context) {
  // A borderless tool window of no size: no frame, no task bar button, nothing to see.
  SetBorderStyle(ui::BorderStyle::None);
  Move({0, 0, 0, 0});
}

void Form8::Form_Load() {
  const std::string path = context_.Services().files.ProgramFolder() + "\\Help.chm";
  if (!FileExists(context_.Services().files, path)) return;
  context_.Services().process.OpenDocument(path, Handle(), 1);
  WriteSetting(context_.Settings(), "showHelp", SettingStore::Machine, "0");
}

}  // namespace curfew
