#include "appearance/frm_website.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "appearance/button_pictures.h"
#include "ui/app_context.h"

namespace curfew {
namespace {

// A request the page engine refuses (no page to go back to, say) is no error for the user.
template <typename Request>
void IgnoringRefusal(Request&& request) {
  try {
    request();
  } catch (const ui::BrowserError&) {
  }
}

// Moves a control only where it is not already, so that a layout on every paint is free.
void Place(ui::Control& control, const ui::TwipsRect& position) {
  if (control.Position() != position) control.Move(position);
}

void SetPanelWidth(ui::StatusBar& bar, int panel, int width) {
  if (bar.GetPanel(panel).widthTwips != width) bar.SetPanelWidth(panel, width);
}

}  // namespace

frmWebsite::frmWebsite(AppContext& context) : ui::Form(context.Services().runtime, "frmWebsite"), context_(context) {
  SetClientSize(10545, 8580);
  StatusBar1.Move({0, 8205, 10545, 375});
  StatusBar1.AddPanel(1440);  // the one panel of the design
  frmBrowser.SetCaption("Browser");
  frmBrowser.Move({60, 0, 6375, 7215});
  Label5.SetCaption("URL:");
  Label5.Move({60, 270, 465, 255});
  Text1.Move({540, 240, 4875, 315});
  Command3.Move({5460, 240, 795, 315});
  Command3.SetToolTipText("browse the entered url");
  Command3.SetPicture(CURFEW_PICTURE_GO);
  const std::tuple<ui::CommandButton*, int, const char*, int> history[] = {
      {&Command4, 540, "back", CURFEW_PICTURE_BACK},
      {&Command5, 1020, "forward", CURFEW_PICTURE_FORWARD},
      {&Command6, 1500, "stop", CURFEW_PICTURE_CANCEL},
      {&Command7, 1980, "refresh", CURFEW_PICTURE_REFRESH}};
  for (const auto& [button, left, tip, picture] : history) {
    button->Move({left, 600, 435, 435});
    button->SetToolTipText(tip);
    button->SetPicture(picture);
  }
  WebBrowser1.Move({120, 1140, 6135, 5595});
  SkinLabel1.SetCaption("Windowed Label");
  SkinLabel1.SetVisible(false);

  Command3.OnClick = [this] { Command3_Click(); };
  Text1.OnKeyPress = [this](int& keyAscii) {
    if (keyAscii == 13) {
      keyAscii = 0;
      Command3_Click();
    }
  };
  Command4.OnClick = [this] { IgnoringRefusal([this] { WebBrowser1.GoBack(); }); };
  Command5.OnClick = [this] { IgnoringRefusal([this] { WebBrowser1.GoForward(); }); };
  Command6.OnClick = [this] { IgnoringRefusal([this] { WebBrowser1.Stop(); }); };
  Command7.OnClick = [this] { IgnoringRefusal([this] { WebBrowser1.Refresh(); }); };
  WebBrowser1.OnStatusTextChange = [this](const std::string& text) { StatusBar1.SetPanelText(1, text); };
  WebBrowser1.OnDownloadBegin = [this] { StatusBar1.SetPanelText(2, "Opening " + WebBrowser1.LocationURL()); };
  WebBrowser1.OnDownloadComplete = [this] { WebBrowser1_DownloadComplete(); };
}

void frmWebsite::Form_Load() {
  // The identity read anew: the web site's address may have changed with the version information.
  const ProductIdentity& identity = context_.ReadIdentity();
  // A second panel with the default properties.
  StatusBar1.AddPanel(1440);
  SetCaption(identity.strWebsite);
  // In front of everything while it loads.
  SetTopmost(true);
  // The skin's labels take the texts, then the look is applied over them.
  if (identity.SkinsEnabled) {
    SkinLabelArray* arrays[] = {&skinLabels1_};
    MirrorLabels(*this, arrays, MirrorRule::SameContainer);
    context_.ApplyLook(*this);
  }
  // The page of the key "Website". A failure to navigate is the browser's to show.
  IgnoringRefusal([&] { WebBrowser1.Navigate(identity.strWebsite); });
  SetWindowState(ui::WindowState::Maximized);
  // The next opening starts on the web site again, whatever page this one was opened on.
  context_.BrowserPageKey = "Website";
  // In front of the others, but not for good.
  SetTopmost(false);
}

void frmWebsite::Command3_Click() {
  IgnoringRefusal([this] { WebBrowser1.Navigate(Text1.Text()); });
}

void frmWebsite::WebBrowser1_DownloadComplete() {
  const std::string address = WebBrowser1.LocationURL();
  StatusBar1.SetPanelText(2, "Completed " + address);
  Text1.SetText(address);
  SetCaption(WebBrowser1.LocationName());
}

// Every size is taken as an absolute value: a window smaller than the margins gives no
// negative size.
void frmWebsite::LayoutBrowser() {
  const int width = Width();
  const int height = Height();
  // (A resize while the window is made comes before its load adds the second panel.)
  for (int panel = 1; panel <= std::min(StatusBar1.PanelCount(), 2); ++panel)
    SetPanelWidth(StatusBar1, panel, width / 2);
  ui::TwipsRect frame = frmBrowser.Position();
  frame.height = std::abs(height - StatusBar1.Position().height);
  frame.width = std::abs(width - 300);
  Place(frmBrowser, frame);
  ui::TwipsRect address = Text1.Position();
  address.width = std::abs(frame.width - address.left - 300 - Command3.Position().width);
  Place(Text1, address);
  ui::TwipsRect go = Command3.Position();
  go.left = std::abs(address.width + address.left + 100);
  Place(Command3, go);
  ui::TwipsRect page = WebBrowser1.Position();
  page.width = std::abs(frame.width - page.left - 100);
  page.height = std::abs(frame.height - page.top - 800 - StatusBar1.Position().height);
  Place(WebBrowser1, page);
}

}  // namespace curfew
