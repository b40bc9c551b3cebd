#include "platform/win32/windowing/win32_control_peer.h"

#include <stdexcept>

#include "platform/win32/callback_guard.h"
#include "platform/win32/text_conversion.h"
#include "platform/win32/windowing/win32_canvas.h"
#include "platform/win32/windowing/win32_field_edge.h"
#include "platform/win32/windowing/win32_form_peer.h"
#include "platform/win32/windowing/win32_gdi_scope.h"
#include "platform/win32/windowing/win32_runtime.h"
#include "platform/win32/windowing/win32_subclass.h"

namespace curfew::platform::win32 {
namespace {

using ui::ControlKind;

// The position in the form's client area: containers' positions add up.
ui::TwipsRect AbsolutePosition(const ui::Control& control) {
  ui::TwipsRect position = control.Position();
  for (const ui::Control* container = control.Container(); container && container->Kind() != ControlKind::Menu;
       container = container->Container()) {
    position.left += container->Position().left;
    position.top += container->Position().top;
  }
  return position;
}

// Arrow keys move among the option buttons of one container that follow each other; every
// other control stands in a group of its own.
bool StartsGroup(const ui::Control& control) {
  if (control.Kind() != ControlKind::OptionButton) return true;
  const ui::Control* previous = nullptr;
  for (const ui::Control* other : control.Parent().Controls()) {
    if (other == &control) break;
    if (other->Kind() != ControlKind::Menu && other->Kind() != ControlKind::Timer) previous = other;
  }
  return !previous || previous->Kind() != ControlKind::OptionButton || previous->Container() != control.Container();
}

// Key presses reach the control's KeyPress handler first; a key it sets to 0 is swallowed.
LRESULT PassKeyPress(const ui::Control& control, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // Dialog navigation would take Enter for the window's default button; a control whose
  // KeyPress handler may act on it (Enter in the action box is Go) keeps it.
  if (message == WM_GETDLGCODE && lParam) {
    const auto* key = reinterpret_cast<const MSG*>(lParam);
    if (control.OnKeyPress && key->message == WM_KEYDOWN && key->wParam == VK_RETURN)
      return PassOn(window, message, wParam, lParam) | DLGC_WANTMESSAGE;
  }
  // An edit in a window with a default button passes Enter on to that button by itself; for
  // a control whose KeyPress handler takes Enter, the key comes as its character alone (an
  // open drop-down list still closes on it).
  if (message == WM_KEYDOWN && wParam == VK_RETURN && control.OnKeyPress) {
    if (!SendMessageW(GetParent(window), CB_GETDROPPEDSTATE, 0, 0)) return 0;
  }
  if (message == WM_CHAR && control.OnKeyPress) {
    int key = static_cast<int>(wParam);
    control.OnKeyPress(key);
    if (key == 0) return 0;
    wParam = static_cast<WPARAM>(key);
  }
  return PassOn(window, message, wParam, lParam);
}

}  // namespace

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

Win32WindowedPeer::~Win32WindowedPeer() {
  form_.SetToolTip(window_.get(), "");
  form_.Unregister(*this);
}

void Win32WindowedPeer::Create(const wchar_t* className, DWORD style, DWORD extendedStyle) {
  // The window is made in its place, enabled or not, and shown at once while its form is still
  // hidden: each later call would cost a round trip to the window system for every control.
  // In a form already on screen it shows only once its state is in it.
  const bool showAtOnce = control_.Visible() && !IsWindowVisible(form_.Window());
  style |= WS_CHILD | WS_CLIPSIBLINGS | (StartsGroup(control_) ? WS_GROUP : 0) | (showAtOnce ? WS_VISIBLE : 0) |
           (control_.Enabled() ? 0 : WS_DISABLED);
  const struct Creating {
    bool& flag;
    explicit Creating(bool& f) : flag(f) { flag = true; }
    ~Creating() { flag = false; }
  } creating(creating_);
  Quietly([&] {
    const RECT place = PixelRect();
    window_.reset(CreateWindowExW(extendedStyle, className, L"", style, place.left, place.top, place.right - place.left,
                                  place.bottom - place.top, form_.Window(), nullptr, GetModuleHandleW(nullptr),
                                  nullptr));
    if (!window_) throw std::runtime_error("the control " + control_.Name() + " could not be created");
    const UINT id = form_.RegisterChild(window_.get(), *this);
    SetWindowLongPtrW(window_.get(), GWLP_ID, static_cast<LONG_PTR>(id));
    // A window created later stands behind the earlier ones, and a container is declared before
    // what it holds: a contained control goes just in front of its container, or the frame
    // would hide it. Just in front, not to the top: the order of the windows is the order Tab
    // follows.
    if (const ui::Control* container = control_.Container(); container && container->Handle()) {
      const HWND frame = reinterpret_cast<HWND>(container->Handle());
      const HWND above = GetWindow(frame, GW_HWNDPREV);
      SetWindowPos(window_.get(), above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  });
  // A field with a sunken edge takes the look's edge in a window that has one.
  if (GetWindowLongPtrW(window_.get(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) DrawEdgeInLook(window_.get(), control_);
  Prepare();
  ApplyFont();
  ApplyColours();
  for (ui::Aspect aspect : {ui::Aspect::Text, ui::Aspect::Items, ui::Aspect::Value, ui::Aspect::Selection})
    ShowOwn(aspect);
  Placed();
  if (!control_.ToolTipText().empty()) form_.SetToolTip(window_.get(), control_.ToolTipText());
  if (control_.Visible() && !showAtOnce) ShowWindow(window_.get(), SW_SHOWNA);
}

void Win32WindowedPeer::WatchKeys(HWND typing) {
  if (!Subclass<const ui::Control, PassKeyPress>::Install(typing, SubclassId::KeyPress, control_))
    throw std::runtime_error("the keys of the control " + control_.Name() + " could not be watched");
}

void Win32WindowedPeer::Sync(ui::Aspect aspect) {
  if (!window_) return;
  switch (aspect) {
    case ui::Aspect::Enabled: EnableWindow(window_.get(), control_.Enabled()); break;
    case ui::Aspect::Visible: ShowWindow(window_.get(), control_.Visible() ? SW_SHOWNA : SW_HIDE); break;
    case ui::Aspect::Position: Place(); break;
    case ui::Aspect::Colours: ApplyColours(); break;
    case ui::Aspect::Font: ApplyFont(); break;
    case ui::Aspect::Caption:
    case ui::Aspect::Text:
    case ui::Aspect::Value:
    case ui::Aspect::Items:
    case ui::Aspect::Selection:
    case ui::Aspect::Role: ShowOwn(aspect); break;
    case ui::Aspect::ToolTip: form_.SetToolTip(window_.get(), control_.ToolTipText()); break;
    case ui::Aspect::Timer: break;
  }
}

void Win32WindowedPeer::Refresh() {
  RedrawWindow(window_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
}

RECT Win32WindowedPeer::PixelRect() const {
  const UINT dpi = form_.Dpi();
  const ui::TwipsRect p = AbsolutePosition(control_);
  const int left = TwipsToPixels(p.left, dpi);
  const int top = TwipsToPixels(p.top, dpi);
  return {left, top, left + TwipsToPixels(p.width, dpi), top + TwipsToPixels(p.height, dpi)};
}

void Win32WindowedPeer::Place() {
  const RECT place = PixelRect();
  SetWindowPos(window_.get(), nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  Placed();
}

void Win32WindowedPeer::ApplyFont() {
  font_ = MakeFont(control_.GetFont(), form_.Dpi());
  // A window being made is drawn whole when it first shows.
  SendMessageW(window_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), !creating_);
}

void Win32WindowedPeer::ApplyColours() {
  brush_.reset(CreateSolidBrush(ToColorRef(control_.BackColor())));
  if (!creating_) InvalidateRect(window_.get(), nullptr, TRUE);
}

HBRUSH Win32WindowedPeer::OnControlColour(HDC dc, HWND /*asking*/) {
  SetTextColor(dc, ToColorRef(control_.ForeColor()));
  SetBkColor(dc, ToColorRef(control_.BackColor()));
  return brush_.get();
}

// The caption on one line in the font the window was given, the access key's "&" taking no room.
int Win32WindowedPeer::CaptionWidthTwips() const {
  if (!window_) return 0;
  const std::wstring caption = WindowText(window_.get());
  if (caption.empty()) return 0;
  const WindowDcScope screen(nullptr);
  const SelectedObject inFont(screen.Dc(),
                              font_ ? static_cast<HGDIOBJ>(font_.get()) : GetStockObject(DEFAULT_GUI_FONT));
  RECT measured{0, 0, 0, 0};
  DrawTextW(screen.Dc(), caption.c_str(), -1, &measured, DT_SINGLELINE | DT_CALCRECT);
  return PixelsToTwips(measured.right, form_.Dpi());
}

}  // namespace curfew::platform::win32
