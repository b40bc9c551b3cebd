#pragma once

#include "appearance/mirror_labels.h"
#include "platform/windowing/controls.h"
#include "platform/windowing/form.h"
#include "platform/windowing/web_browser.h"

namespace curfew {

class AppContext;

// A small web browser inside the program: an address box with a go button, back, forward,
// stop and refresh, the page, and a status bar. It opens on the page the opener chose with
// BrowserPageKey (the web site for "Website"). It is not translated.
class frmWebsite final : public ui::Form {
 public:
  explicit frmWebsite(AppContext& context);

  ui::StatusBar StatusBar1{*this, "StatusBar1"};
  ui::Frame frmBrowser{*this, "frmBrowser"};
  ui::Label Label5{*this, "Label5", std::nullopt, &frmBrowser};
  ui::TextBox Text1{*this, "Text1", std::nullopt, &frmBrowser};
  ui::CommandButton Command3{*this, "Command3", std::nullopt, &frmBrowser};
  ui::CommandButton Command4{*this, "Command4", std::nullopt, &frmBrowser};
  ui::CommandButton Command5{*this, "Command5", std::nullopt, &frmBrowser};
  ui::CommandButton Command6{*this, "Command6", std::nullopt, &frmBrowser};
  ui::CommandButton Command7{*this, "Command7", std::nullopt, &frmBrowser};
  ui::WebBrowser WebBrowser1{*this, "WebBrowser1", &frmBrowser};
  ui::SkinLabel SkinLabel1{*this, "SkinLabel1", 0, &frmBrowser};

  // Fits the frame, the address box, the go button and the page to the window's size.
  void LayoutBrowser();

 protected:
  void Form_Load() override;
  void Form_Resize() override { LayoutBrowser(); }
  void Form_Paint(ui::Canvas&) override { LayoutBrowser(); }

 private:
  void Command3_Click();
  void WebBrowser1_DownloadComplete();

  AppContext& context_;
  SkinLabelArray skinLabels1_{SkinLabel1};
};

}  // namespace curfew
