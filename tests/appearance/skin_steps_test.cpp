// The program's side of skinning: the colour table over a window's controls and the copying
// of plain labels into skinned-label arrays.
#include <gtest/gtest.h>

#include "appearance/mirror_labels.h"
#include "appearance/skin_colours.h"
#include "appearance/skin_description.h"
#include "platform/headless/headless_runtime.h"
#include "support/shipped_skins.h"

namespace curfew {
namespace {

constexpr SkinColours kSkin{0x111111, 0x222222, 0x333333};
constexpr ui::Colour kDesignBack = 0x0A0A0A;
constexpr ui::Colour kDesignFore = 0x0B0B0B;

// A window with a control of every kind, one of them hidden inside a hidden frame.
class frmEveryKind final : public ui::Form {
 public:
  explicit frmEveryKind(ui::WindowRuntime& runtime) : ui::Form(runtime, "frmEveryKind") {
    frHidden.SetVisible(false);
    for (ui::Control* control : Controls()) control->SetColours(kDesignBack, kDesignFore);
  }
  ui::CommandButton cmd{*this, "cmd"};
  ui::TextBox txt{*this, "txt"};
  ui::ComboBox cbo{*this, "cbo"};
  ui::ListBox lst{*this, "lst"};
  ui::ListView lvw{*this, "lvw"};
  ui::PictureBox pic{*this, "pic"};
  ui::Label lbl{*this, "lbl"};
  ui::SkinLabel skl{*this, "skl"};
  ui::CheckBox chk{*this, "chk"};
  ui::OptionButton opt{*this, "opt"};
  ui::TreeView tvw{*this, "tvw"};
  ui::DatePicker dtp{*this, "dtp"};
  ui::Timer tmr{*this, "tmr", 100};
  ui::Frame frHidden{*this, "frHidden"};
  ui::TextBox txtHidden{*this, "txtHidden", std::nullopt, &frHidden};
};

struct ColourCase {
  const char* control;
  ui::Colour back;
  ui::Colour fore;
};

class SkinColoursTest : public testing::TestWithParam<ColourCase> {};

TEST_P(SkinColoursTest, EachTypeTakesTheColoursOfItsRow) {
  ui::HeadlessRuntime runtime;
  frmEveryKind form(runtime);
  SetSkinColours(form, kSkin);
  for (const ui::Control* control : form.Controls()) {
    if (control->Name() != GetParam().control) continue;
    EXPECT_EQ(control->BackColor(), GetParam().back);
    EXPECT_EQ(control->ForeColor(), GetParam().fore);
    return;
  }
  FAIL() << "no control " << GetParam().control;
}

INSTANTIATE_TEST_SUITE_P(
    TypeTable, SkinColoursTest,
    testing::Values(ColourCase{"cmd", 0x111111, kDesignFore}, ColourCase{"txt", 0x111111, 0x222222},
                    ColourCase{"cbo", 0x111111, 0x222222}, ColourCase{"lst", 0x111111, 0x222222},
                    ColourCase{"lvw", 0x111111, 0x222222}, ColourCase{"txtHidden", 0x111111, 0x222222},
                    ColourCase{"pic", 0x333333, kDesignFore}, ColourCase{"lbl", kDesignBack, kDesignFore},
                    ColourCase{"skl", kDesignBack, kDesignFore}, ColourCase{"chk", kDesignBack, kDesignFore},
                    ColourCase{"opt", kDesignBack, kDesignFore}, ColourCase{"tvw", kDesignBack, kDesignFore},
                    ColourCase{"dtp", kDesignBack, kDesignFore}, ColourCase{"frHidden", kDesignBack, kDesignFore}),
    [](const testing::TestParamInfo<ColourCase>& param) { return std::string(param.param.control); });

// The preferences window's pattern: two arrays in one frame, one in another, labels in both
// frames and one on the window itself.
class frmFrames final : public ui::Form {
 public:
  explicit frmFrames(ui::WindowRuntime& runtime) : ui::Form(runtime, "frmFrames") {
    lblMail.Move({100, 200, 3000, 250});
    lblMail.SetCaption("Mail Server:");
    lblHiddenTip.SetVisible(false);
    lblHiddenTip.SetCaption("TIP");
    ui::Font bold;
    bold.bold = true;
    lblPort.SetFont(bold);
  }
  ui::Frame Frame4{*this, "Frame4"};
  ui::Frame Frame5{*this, "Frame5"};
  ui::SkinLabel SkinLabel1{*this, "SkinLabel1", 0, &Frame4};
  ui::SkinLabel SkinLabel3{*this, "SkinLabel3", 0, &Frame4};
  ui::SkinLabel SkinLabel4{*this, "SkinLabel4", 0, &Frame5};
  ui::Label lblMail{*this, "lblMail", std::nullopt, &Frame4};
  ui::Label lblFolder{*this, "lblFolder", std::nullopt, &Frame5};
  ui::Label lblHiddenTip{*this, "lblHiddenTip", std::nullopt, &Frame4};
  ui::Label lblPort{*this, "lblPort", std::nullopt, &Frame5};
  ui::Label lblOnTheWindow{*this, "lblOnTheWindow"};
  SkinLabelArray array1{SkinLabel1}, array3{SkinLabel3}, array4{SkinLabel4};
};

TEST(MirrorLabelsTest, EachLabelGoesToTheFirstArrayOfItsOwnContainer) {
  ui::HeadlessRuntime runtime;
  frmFrames form(runtime);
  form.Load();
  SkinLabelArray* arrays[] = {&form.array1, &form.array3, &form.array4};
  MirrorLabels(form, arrays, MirrorRule::SameContainer);

  EXPECT_EQ(form.array1.HighestIndex(), 2) << "the lower-numbered array of the frame takes all its labels";
  EXPECT_EQ(form.array3.HighestIndex(), 0);
  EXPECT_EQ(form.array4.HighestIndex(), 2);
  const ui::SkinLabel& mail = form.array1.Element(1);
  EXPECT_EQ(mail.Caption(), "Mail Server:");
  EXPECT_EQ(mail.Position(), form.lblMail.Position());
  EXPECT_EQ(mail.Container(), &form.Frame4);
  EXPECT_EQ(mail.Index(), 1);
  EXPECT_TRUE(mail.Peer()) << "loaded with the window";
  EXPECT_FALSE(form.array1.Element(2).Visible()) << "a hidden label makes a hidden copy";
  EXPECT_TRUE(form.array4.Element(2).GetFont().bold);
  EXPECT_EQ(form.lblMail.Caption(), "Mail Server:") << "the label itself stays";

  MirrorLabels(form, arrays, MirrorRule::SameContainer);
  EXPECT_EQ(form.array1.HighestIndex(), 2) << "a second load starts from element 0 again";
}

TEST(MirrorLabelsTest, OneArrayCanTakeEveryLabel) {
  ui::HeadlessRuntime runtime;
  frmFrames form(runtime);
  SkinLabelArray* arrays[] = {&form.array4};
  MirrorLabels(form, arrays, MirrorRule::EveryLabel);
  EXPECT_EQ(form.array4.HighestIndex(), 5);
  EXPECT_EQ(form.array4.Element(5).Caption(), form.lblOnTheWindow.Caption());
  EXPECT_EQ(form.array4.Element(1).Container(), &form.Frame5) << "copies lie in element 0's container";
}

// Skin descriptions ----------------------------------------------------------------------------

TEST(SkinDescriptionTest, TheShippedSkinsAreCompleteAndReadable) {
  std::string error;
  const auto light = ParseSkinDescription(test::ShippedSkinText("light"), error);
  ASSERT_TRUE(light) << error;
  const auto dark = ParseSkinDescription(test::ShippedSkinText("dark"), error);
  ASSERT_TRUE(dark) << error;
  EXPECT_FALSE(light->look.dark);
  EXPECT_TRUE(dark->look.dark);
  EXPECT_EQ(light->colours.pictureBack, 0x823F1Eu) << "#1E3F82 as Windows stores it";
  EXPECT_EQ(dark->look.buttonFont.name, "Segoe UI");
  // Every visible text stands out from what it is drawn on, in both skins.
  for (const SkinDescription* skin : {&*light, &*dark}) {
    EXPECT_NE(skin->text, skin->windowBack) << skin->name;
    EXPECT_NE(skin->colours.fieldText, skin->fieldBack) << skin->name;
    EXPECT_NE(skin->look.normal.text, skin->look.normal.fill) << skin->name;
    EXPECT_NE(skin->look.defaultButton.text, skin->look.defaultButton.fill) << skin->name;
    EXPECT_NE(skin->look.focusRing, skin->look.normal.fill) << skin->name;
    EXPECT_NE(skin->look.defaultButton.text, skin->look.defaultButton.fill) << "the default button's ring";
  }
}

struct BrokenSkin {
  const char* name;
  const char* change;  // a line added to the light skin, or the key whose line is removed
  bool remove;
  const char* error;
};

class BrokenSkinTest : public testing::TestWithParam<BrokenSkin> {};

TEST_P(BrokenSkinTest, IsRefusedWithItsReason) {
  std::string text(test::ShippedSkinText("light"));
  if (GetParam().remove) {
    const std::size_t at = text.find(std::string("\n") + GetParam().change);
    text.erase(at + 1, text.find('\n', at + 1) - at);
  } else {
    text += GetParam().change;
  }
  std::string error;
  EXPECT_FALSE(ParseSkinDescription(text, error));
  EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, BrokenSkinTest,
    testing::Values(BrokenSkin{"MissingKey", "accent", true, "'accent' is missing"},
                    BrokenSkin{"GivenTwice", "accent = #000000\n", false, "'accent' is given twice"},
                    BrokenSkin{"UnknownKey", "shadow = #000000\n", false, "'shadow' is no key of a skin"},
                    BrokenSkin{"NoEquals", "just words\n", false, "line 21 has no '='"}),
    [](const testing::TestParamInfo<BrokenSkin>& param) { return std::string(param.param.name); });

TEST(SkinDescriptionTest, ValuesThatCannotBeReadAreNamed) {
  const std::pair<const char*, const char*> cases[] = {
      {"accent = 1E5BC6", "'accent' cannot be read: 1E5BC6"},
      {"label.font = Segoe UI, huge", "'label.font' cannot be read: Segoe UI, huge"},
      {"button.hot = fill #FFFFFF, text #000000", "'button.hot' cannot be read: fill #FFFFFF, text #000000"},
      {"dark = maybe", "'dark' cannot be read: maybe"}};
  for (const auto& [line, reason] : cases) {
    std::string text(test::ShippedSkinText("light"));
    const std::string key = std::string(line).substr(0, std::string(line).find(' '));
    const std::size_t at = text.find("\n" + key + " ");
    text.replace(at + 1, text.find('\n', at + 1) - at - 1, line);
    std::string error;
    EXPECT_FALSE(ParseSkinDescription(text, error)) << line;
    EXPECT_EQ(error, reason);
  }
}

TEST(DressWindowTest, GivesTheWindowItsBackgroundTextAndFieldColoursAndItsLook) {
  ui::HeadlessRuntime runtime;
  frmEveryKind form(runtime);
  std::string error;
  const auto parsed = ParseSkinDescription(test::ShippedSkinText("dark"), error);
  ASSERT_TRUE(parsed) << error;
  const SkinDescription& dark = *parsed;
  DressWindow(form, dark);
  EXPECT_EQ(form.BackColor(), dark.windowBack);
  for (const ui::Control* control : {static_cast<ui::Control*>(&form.lbl), static_cast<ui::Control*>(&form.chk),
                                     static_cast<ui::Control*>(&form.opt), static_cast<ui::Control*>(&form.frHidden)}) {
    EXPECT_EQ(control->BackColor(), dark.windowBack) << control->Name();
    EXPECT_EQ(control->ForeColor(), dark.text) << control->Name();
  }
  EXPECT_EQ(form.tvw.BackColor(), dark.fieldBack);
  EXPECT_EQ(form.dtp.ForeColor(), dark.colours.fieldText);
  EXPECT_EQ(form.cmd.BackColor(), kDesignBack) << "buttons are the program's own colour step";
  EXPECT_EQ(form.skl.GetFont().name, "Segoe UI");
  EXPECT_EQ(form.lbl.GetFont().name, "Verdana") << "a plain label keeps its design font";
  ASSERT_TRUE(form.Look());
  EXPECT_TRUE(form.Look()->dark);

  // In high contrast the window goes back to the system's colours and drawing.
  DressInSystemColours(form);
  EXPECT_EQ(form.BackColor(), ui::kButtonFace);
  EXPECT_EQ(form.chk.ForeColor(), ui::kButtonText);
  EXPECT_EQ(form.tvw.BackColor(), ui::kWindowBackground);
  EXPECT_FALSE(form.Look());
}

TEST(DressWindowTest, AWindowWithoutAFrameKeepsItsDesign) {
  ui::HeadlessRuntime runtime;
  frmEveryKind form(runtime);
  form.SetBorderStyle(ui::BorderStyle::None);
  std::string error;
  const auto dark = ParseSkinDescription(test::ShippedSkinText("dark"), error);
  ASSERT_TRUE(dark) << error;
  for (const auto dress : {+[](ui::Form&f, const SkinDescription&s) { DressWindow(f, s); },
                           +[](ui::Form&f, const SkinDescription&) { DressInSystemColours(f); }}) {
    dress(form, *dark);
    EXPECT_EQ(form.lbl.BackColor(), kDesignBack);
    EXPECT_EQ(form.lbl.ForeColor(), kDesignFore);
    EXPECT_EQ(form.BackColor(), ui::kButtonFace);
    EXPECT_FALSE(form.Look());
  }
}

}  // namespace
}  // namespace curfew
