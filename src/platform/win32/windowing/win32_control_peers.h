#pragma once

#include <exdisp.h>
#include <ocidl.h>

#include <string>
#include <vector>

#include "platform/win32/windowing/win32_control_peer.h"
#include "platform/win32/windowing/win32_glyph_picture.h"
#include "platform/windowing/web_browser.h"

// One peer class per kind of control. The runtime's factory picks the class by the kind.
namespace curfew::platform::win32 {

// Push buttons, check boxes and option buttons: the system's BUTTON class.
class Win32ButtonPeer final : public Win32WindowedPeer {
 public:
  Win32ButtonPeer(Win32FormPeer& form, ui::Control& control);
  void OnCommand(WORD code) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  void OnDefaultButtonMoved() override { ShowDefaultRole(); }
  // A button the window draws in its look shows its caption in the look's font.
  int CaptionWidthTwips() const override;

 private:
  void ShowOwn(ui::Aspect aspect) override;
  void Placed() override;
  void KeepGroupReachable();
  // Loads the picture when it, or the size it is shown at, changed.
  void ShowPicture();
  void ShowSystemIcon();
  // A push button in a window with a look of its own is drawn by the peer; check boxes and
  // option buttons then take the window's text colour.
  void ApplyLook();
  // A push button's style: drawn by the peer in a look, else the system's default or plain one.
  void ShowDefaultRole();
  static LRESULT PushButtonMessage(Win32ButtonPeer& peer, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  int pictureResource_ = 0;
  int pictureSize_ = 0;
  GlyphPicture picture_;
  IconHandle systemIcon_;
  // The picture stands above the caption rather than beside it.
  bool stacked_ = false;
  bool hot_ = false;
};

class Win32EditPeer final : public Win32WindowedPeer {
 public:
  Win32EditPeer(Win32FormPeer& form, ui::Control& control);
  void OnCommand(WORD code) override;

 private:
  void ShowOwn(ui::Aspect aspect) override;
};

// List boxes and combo boxes: one string per entry, sent one at a time.
class Win32ListPeer final : public Win32PeerOf<ui::ListControl> {
 public:
  Win32ListPeer(Win32FormPeer& form, ui::ListControl& control);
  void OnCommand(WORD code) override;
  HBRUSH OnControlColour(HDC dc, HWND asking) override;
  void EntryAdded(int index) override;
  void EntryRemoved(int index) override;

 private:
  void ShowOwn(ui::Aspect aspect) override;
  RECT PixelRect() const override;
  bool IsCombo() const { return Model().Kind() == ui::ControlKind::ComboBox; }
};

// The report list: owner data, so the list view asks the model for the cells it shows.
class Win32ListViewPeer final : public Win32PeerOf<ui::ListView> {
 public:
  Win32ListViewPeer(Win32FormPeer& form, ui::ListView& control);
  LRESULT OnNotify(const NMHDR& header) override;
  void ListRowAdded(int row) override;
  void ListRowRemoved(int row) override;
  void ListCellChanged(int row, int column) override;
  bool OnContextMenu(LPARAM where) override;

 private:
  void Prepare() override { ListView_SetExtendedListViewStyle(Window(), LVS_EX_FULLROWSELECT); }
  void ShowOwn(ui::Aspect aspect) override;
  void ApplyColours() override;
  void ShowColumnsAndRows();
  void ShowSelection();
  void ShowSortArrows();
  void ShowCell(NMLVDISPINFOW& request);

  // The text of the cell shown last: the list view copies it at once.
  std::wstring cellText_;
};

class Win32TreeViewPeer final : public Win32PeerOf<ui::TreeView> {
 public:
  Win32TreeViewPeer(Win32FormPeer& form, ui::TreeView& control);
  LRESULT OnNotify(const NMHDR& header) override;
  void OnDeferredRead() override { ReadChecks(); }
  void NodeAdded(int node) override;
  void NodeTextChanged(int node) override;

 private:
  void Prepare() override;
  void ShowOwn(ui::Aspect aspect) override;
  void ApplyColours() override;
  void ReadChecks();
  void InsertNode(int node);
  void ClickNode(HTREEITEM item);
  void OnClick();

  std::vector<HTREEITEM> items_;
};

// Date pickers and time pickers.
class Win32DateTimePeer final : public Win32PeerOf<ui::DateTimePicker> {
 public:
  Win32DateTimePeer(Win32FormPeer& form, ui::DateTimePicker& control);
  LRESULT OnNotify(const NMHDR& header) override;
  HBRUSH OnControlColour(HDC dc, HWND asking) override;

 private:
  void ShowOwn(ui::Aspect aspect) override;
};

class Win32StatusBarPeer final : public Win32PeerOf<ui::StatusBar> {
 public:
  Win32StatusBarPeer(Win32FormPeer& form, ui::StatusBar& control);
  // A status bar keeps to the bottom edge only when told of each new size.
  void OnFormResized() override { Place(); }

 private:
  void ShowOwn(ui::Aspect aspect) override;
  void Place() override { Placed(); }
  void Placed() override;
};

// Labels and skinned labels: text that a click reaches.
class Win32LabelPeer final : public Win32WindowedPeer {
 public:
  Win32LabelPeer(Win32FormPeer& form, ui::Control& control);
  void OnCommand(WORD code) override;

 private:
  void ShowOwn(ui::Aspect aspect) override;
};

// A frame: a captioned group box drawn around the controls it holds.
class Win32FramePeer final : public Win32WindowedPeer {
 public:
  Win32FramePeer(Win32FormPeer& form, ui::Control& control);

 private:
  void ShowOwn(ui::Aspect aspect) override;
  // In a window with a look of its own the frame draws itself: a rounded edge in the look's
  // border colour and the caption in the frame's text colour (the system's group box takes
  // the caption colour from its theme, or from nowhere at all).
  static LRESULT PaintMessage(Win32FramePeer& peer, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc);
};

// Picture boxes and images: an area that clicks reach (and that paints its picture).
class Win32PicturePeer final : public Win32PeerOf<ui::PictureBox> {
 public:
  Win32PicturePeer(Win32FormPeer& form, ui::PictureBox& control);
  void OnCommand(WORD code) override;

 private:
  void ShowOwn(ui::Aspect aspect) override;
  BitmapObject picture_;
};

// A line: an etched line across its rectangle, horizontal when it is wider than high.
class Win32LinePeer final : public Win32WindowedPeer {
 public:
  Win32LinePeer(Win32FormPeer& form, ui::Control& control);

 private:
  void ShowOwn(ui::Aspect) override {}
};

class BrowserSite;

// The web browser: the system's WebBrowser object (IWebBrowser2), in-place active in a host
// window that is the control's window, in a site of the program's own.
class Win32WebBrowserPeer final : public Win32PeerOf<ui::WebBrowser>, public ui::BrowserEngine {
 public:
  Win32WebBrowserPeer(Win32FormPeer& form, ui::WebBrowser& control);
  ~Win32WebBrowserPeer() override;

  void Navigate(const std::string& address) override;
  void GoBack() override;
  void GoForward() override;
  void Stop() override;
  void Refresh() override;
  std::string LocationURL() const override;
  std::string LocationName() const override;

 private:
  void ShowOwn(ui::Aspect) override {}
  void Placed() override;
  void Release();
  bool TranslatePageKey(MSG& message);
  IWebBrowser2& Browser() const;

  ComPtr<IOleObject> object_;
  ComPtr<IWebBrowser2> browser_;
  ComPtr<BrowserSite> site_;
  ComPtr<IConnectionPoint> events_;
  DWORD cookie_ = 0;
  int filter_ = 0;
};

class Win32TabStripPeer final : public Win32PeerOf<ui::TabStrip> {
 public:
  Win32TabStripPeer(Win32FormPeer& form, ui::TabStrip& control);
  LRESULT OnNotify(const NMHDR& header) override;

 private:
  void ShowOwn(ui::Aspect aspect) override;
};

// A menu entry: an item of its menu, or of the form's menu bar; an entry with entries of its
// own holds a sub-menu.
class Win32MenuPeer final : public Win32ControlPeer {
 public:
  Win32MenuPeer(Win32FormPeer& form, ui::Control& control);
  ~Win32MenuPeer() override;
  void Sync(ui::Aspect aspect) override;
  void Refresh() override;
  void OnMenuCommand() override { control_.UserClick(); }
  HMENU Popup() const override { return popup_; }
  // In a dark look the entry is drawn by the program, in the look's colours.
  bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  std::wstring MenuCaption() const override { return ShownCaption(); }

 private:
  // The caption with "&" before its access key, as the entry's menu shows it.
  std::wstring ShownCaption() const;
  bool Separator() const { return control_.Caption() == "-"; }
  bool InMenuBar() const;

  Win32FormPeer& form_;
  ui::Control& control_;
  UINT commandId_ = 0;
  HMENU owner_ = nullptr;
  HMENU popup_ = nullptr;
  // A sub-menu that no menu holds (a pop-up menu) is the entry's own; a held one goes with the
  // menu that holds it.
  MenuHandle ownPopup_;
};

// A timer of the form's window.
class Win32TimerPeer final : public Win32ControlPeer {
 public:
  Win32TimerPeer(Win32FormPeer& form, ui::Timer& timer);
  ~Win32TimerPeer() override;
  void Sync(ui::Aspect aspect) override;

 private:
  Win32FormPeer& form_;
  ui::Timer& timer_;
};

}  // namespace curfew::platform::win32
