#include "platform/win32/windowing/win32_form_peer.h"

#include "platform/win32/windowing/win32_gdi_scope.h"

#include <commctrl.h>
#include <dwmapi.h>
#include <windowsx.h>

#include <stdexcept>
#include <string_view>

#include "platform/win32/callback_guard.h"
#include "platform/win32/text_conversion.h"
#include "platform/win32/windowing/win32_canvas.h"
#include "platform/win32/windowing/win32_control_peer.h"
#include "platform/win32/windowing/win32_runtime.h"
#include "platform/windowing/access_keys.h"

namespace curfew::platform::win32 {
namespace {

constexpr wchar_t kFormClass[] = L"CurfewForm";
constexpr UINT kDeferredRead = WM_APP + 1;

void RegisterFormClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kFormClass;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  if (!registered) throw std::runtime_error("the window class of the program's windows could not be registered");
}

// The outer size in pixels of a window whose client area is that many pixels.
SIZE OuterSize(int clientWidth, int clientHeight, DWORD style, DWORD extendedStyle, bool menu, UINT dpi) {
  RECT rect{0, 0, clientWidth, clientHeight};
  AdjustWindowRectExForDpi(&rect, style, menu, extendedStyle, dpi);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

// Whether the window shows a menu bar: a visible menu entry that no other entry holds.
bool HasMenuBar(const ui::Form& form) {
  for (const ui::Control* control : form.Controls())
    if (control->Kind() == ui::ControlKind::Menu && !control->Container() && control->Visible()) return true;
  return false;
}

}  // namespace

Win32FormPeer::Win32FormPeer(Win32Runtime& runtime, ui::Form& form) : runtime_(runtime), form_(form) {
  RegisterFormClass(&WindowProc);
  const UINT dpi = GetDpiForSystem();
  const ui::TwipsRect& position = form_.Position();
  DWORD style = WS_OVERLAPPEDWINDOW;
  DWORD extendedStyle = 0;
  switch (form_.GetBorderStyle()) {
    case ui::BorderStyle::Sizable: break;
    case ui::BorderStyle::FixedDialog:
      style = WS_CAPTION | WS_SYSMENU;
      extendedStyle = WS_EX_DLGMODALFRAME;
      break;
    case ui::BorderStyle::None:
      style = WS_POPUP;
      extendedStyle = WS_EX_TOOLWINDOW;
      break;
  }
  if (!form_.ControlBox()) style &= ~static_cast<DWORD>(WS_SYSMENU);
  if (!form_.MinMaxButtons()) style &= ~static_cast<DWORD>(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  style_ = style;
  extendedStyle_ = extendedStyle;
  int width = TwipsToPixels(position.width, dpi);
  int height = TwipsToPixels(position.height, dpi);
  if (const auto& client = form_.RequestedClientSize()) {
    const SIZE outer = OuterSize(TwipsToPixels(client->width, dpi), TwipsToPixels(client->height, dpi), style,
                                 extendedStyle, HasMenuBar(form_), dpi);
    width = outer.cx;
    height = outer.cy;
  }
  int left = CW_USEDEFAULT;
  int top = CW_USEDEFAULT;
  if (form_.Centred() || form_.GetBorderStyle() == ui::BorderStyle::None) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    left = work.left + (work.right - work.left - width) / 2;
    top = work.top + (work.bottom - work.top - height) / 2;
  }
  // The procedure takes this peer from the creation parameters at WM_NCCREATE.
  const HWND created = CreateWindowExW(extendedStyle, kFormClass, Utf8ToWide(form_.Caption()).c_str(), style, left, top,
                                       width, height, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (!created) throw std::runtime_error("the window " + form_.Name() + " could not be created");
  Sync(ui::FormAspect::Colours);
  runtime_.FormLoaded(form_);
}

Win32FormPeer::~Win32FormPeer() {
  runtime_.FormUnloaded(form_);
  for (const auto& [id, timer] : timers_) KillTimer(window_.get(), id);
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);  // the window goes with window_, unheard
}

// The DPI the window was last told it moved to, or the one it was made at.
UINT Win32FormPeer::Dpi() const { return dpi_ ? dpi_ : GetDpiForWindow(window_.get()); }

ui::TwipsRect Win32FormPeer::ClientArea() const {
  RECT client{};
  GetClientRect(window_.get(), &client);
  const UINT dpi = Dpi();
  return {0, 0, PixelsToTwips(client.right, dpi), PixelsToTwips(client.bottom, dpi)};
}

ui::TwipsRect Win32FormPeer::WindowArea() const {
  RECT outer{};
  GetWindowRect(window_.get(), &outer);
  const UINT dpi = Dpi();
  return {PixelsToTwips(outer.left, dpi), PixelsToTwips(outer.top, dpi), PixelsToTwips(outer.right - outer.left, dpi),
          PixelsToTwips(outer.bottom - outer.top, dpi)};
}

HMENU Win32FormPeer::MenuBar() {
  if (!menuBar_) {
    menuBar_ = CreateMenu();
    SetMenu(window_.get(), menuBar_);
  }
  return menuBar_;
}

UINT Win32FormPeer::RegisterChild(HWND child, Win32ControlPeer& peer) {
  children_[child] = &peer;
  return nextId_++;
}

UINT Win32FormPeer::RegisterCommand(Win32ControlPeer& peer) {
  const UINT id = nextId_++;
  commands_[id] = &peer;
  return id;
}

void Win32FormPeer::Unregister(Win32ControlPeer& peer) {
  std::erase_if(children_, [&](const auto& entry) { return entry.second == &peer; });
  std::erase_if(commands_, [&](const auto& entry) { return entry.second == &peer; });
}

void Win32FormPeer::StartTimer(const ui::Timer& timer) {
  const auto id = reinterpret_cast<UINT_PTR>(&timer);
  timers_[id] = &timer;
  SetTimer(window_.get(), id, static_cast<UINT>(timer.Interval()), nullptr);
}

void Win32FormPeer::StopTimer(const ui::Timer& timer) {
  const auto id = reinterpret_cast<UINT_PTR>(&timer);
  if (timers_.erase(id) != 0) KillTimer(window_.get(), id);
}

void Win32FormPeer::PostDeferredRead(HWND child) {
  PostMessageW(window_.get(), kDeferredRead, 0, reinterpret_cast<LPARAM>(child));
}

void Win32FormPeer::SetToolTip(HWND child, const std::string& text) {
  if (!child || (!toolTips_ && text.empty())) return;
  if (!toolTips_) {
    toolTips_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_.get(), nullptr,
                                    GetModuleHandleW(nullptr), nullptr));
    if (!toolTips_) return;  // a window without tips still works
  }
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;  // what every version of the common controls takes
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window_.get();
  tool.uId = reinterpret_cast<UINT_PTR>(child);
  SendMessageW(toolTips_.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (text.empty()) return;
  std::wstring wide = Utf8ToWide(text);
  tool.lpszText = wide.data();
  SendMessageW(toolTips_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Win32FormPeer::PushButtonFocused(HWND button, bool focused) {
  const HWND before = focusedPushButton_;
  if (focused)
    focusedPushButton_ = button;
  else if (focusedPushButton_ == button)
    focusedPushButton_ = nullptr;
  if (before == focusedPushButton_) return;
  // The default outline moves: the buttons that lose or gain it are drawn again.
  const ui::Control* windowDefault = form_.DefaultButton();
  for (const auto& [child, peer] : children_) {
    const bool concerned = child == before || child == focusedPushButton_ ||
                           (windowDefault && reinterpret_cast<HWND>(windowDefault->Handle()) == child);
    if (concerned) peer->OnDefaultButtonMoved();
  }
}

std::string Win32FormPeer::ShowAccessKeys(const ui::Control* asking) {
  std::string askingCaption;
  for (auto& [control, caption] : ui::ControlAccessKeys(form_)) {
    if (control == asking) {
      askingCaption = std::move(caption);
      continue;
    }
    const auto window = reinterpret_cast<HWND>(control->Handle());
    const std::wstring shown = Utf8ToWide(caption);
    if (window && WindowText(window) != shown) SetWindowTextW(window, shown.c_str());
  }
  return askingCaption;
}

bool Win32FormPeer::ActsAsDefault(const ui::Control& button) const {
  if (focusedPushButton_) return reinterpret_cast<HWND>(button.Handle()) == focusedPushButton_;
  return &button == form_.DefaultButton();
}

void Win32FormPeer::RunCommand(UINT id) {
  const auto found = commands_.find(id);
  if (found != commands_.end()) found->second->OnMenuCommand();
}

void Win32FormPeer::ShowAsStated() {
  if (!form_.Visible()) {
    ShowWindow(window_.get(), SW_HIDE);
    return;
  }
  switch (form_.GetWindowState()) {
    case ui::WindowState::Minimized: ShowWindow(window_.get(), SW_SHOWMINIMIZED); break;
    case ui::WindowState::Maximized: ShowWindow(window_.get(), SW_SHOWMAXIMIZED); break;
    case ui::WindowState::Normal:
      ShowWindow(window_.get(), IsZoomed(window_.get()) || IsIconic(window_.get()) ? SW_RESTORE
                                : form_.ActivatesOnShow()                          ? SW_SHOW
                                                                                   : SW_SHOWNOACTIVATE);
  }
  // A window shown for the first time starts on its first tab stop.
  if (!focus_ && !IsIconic(window_.get())) FocusFirstTabStop();
}

void Win32FormPeer::FocusFirstTabStop() {
  if (const HWND first = GetNextDlgTabItem(window_.get(), nullptr, FALSE)) {
    focus_ = first;
    if (GetActiveWindow() == window_.get()) SetFocus(first);
  }
}

// Tab, Shift+Tab and the arrow keys of dialog navigation ask the window for the next control.
LRESULT Win32FormPeer::OnNextControl(WPARAM wParam, LPARAM lParam) {
  const HWND focus = GetFocus();
  const HWND next =
      LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                     : GetNextDlgTabItem(window_.get(), IsChild(window_.get(), focus) ? focus : nullptr, wParam != 0);
  if (!next) return 0;
  SetFocus(next);
  const LRESULT code = SendMessageW(next, WM_GETDLGCODE, 0, 0);
  if (code & DLGC_HASSETSEL) SendMessageW(next, EM_SETSEL, 0, -1);
  // An arrow key selects the option button it moves to, as a click would.
  if (LOWORD(lParam) && (code & DLGC_RADIOBUTTON)) SendMessageW(next, BM_CLICK, 0, 0);
  return 0;
}

// The smallest size the user may give the window: its minimum client area and the frame.
void Win32FormPeer::OnMinMaxInfo(MINMAXINFO& info) const {
  const auto& minimum = form_.MinimumClientSize();
  if (!minimum) return;
  const UINT dpi = Dpi();
  const SIZE outer = OuterSize(TwipsToPixels(minimum->width, dpi), TwipsToPixels(minimum->height, dpi), style_,
                               extendedStyle_, GetMenu(window_.get()) != nullptr, dpi);
  info.ptMinTrackSize = {outer.cx, outer.cy};
}

LRESULT Win32FormPeer::OnDefaultId() const {
  const ui::Control* button = form_.DefaultButton();
  if (!button || !button->Handle()) return 0;
  return MAKELRESULT(GetDlgCtrlID(reinterpret_cast<HWND>(button->Handle())), DC_HASDEFID);
}

// The focus leaves with the window and comes back with it.
bool Win32FormPeer::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    const HWND focus = GetFocus();
    if (IsChild(window_.get(), focus)) focus_ = focus;
    return false;
  }
  if (IsIconic(window_.get())) return false;
  if (focus_ && IsWindow(focus_) && IsWindowEnabled(focus_) && IsWindowVisible(focus_))
    SetFocus(focus_);
  else
    FocusFirstTabStop();
  return IsChild(window_.get(), GetFocus());  // otherwise the window itself takes the focus
}

void Win32FormPeer::Sync(ui::FormAspect aspect) {
  switch (aspect) {
    case ui::FormAspect::Caption: SetWindowTextW(window_.get(), Utf8ToWide(form_.Caption()).c_str()); break;
    case ui::FormAspect::Visible:
    case ui::FormAspect::WindowState: ShowAsStated(); break;
    case ui::FormAspect::Position: {
      const UINT dpi = Dpi();
      const ui::TwipsRect& p = form_.Position();
      SetWindowPos(window_.get(), nullptr, TwipsToPixels(p.left, dpi), TwipsToPixels(p.top, dpi),
                   TwipsToPixels(p.width, dpi), TwipsToPixels(p.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case ui::FormAspect::ClientSize: {
      const auto& client = form_.RequestedClientSize();
      if (!client) break;
      const UINT dpi = Dpi();
      const SIZE outer = OuterSize(TwipsToPixels(client->width, dpi), TwipsToPixels(client->height, dpi), style_,
                                   extendedStyle_, GetMenu(window_.get()) != nullptr, dpi);
      SetWindowPos(window_.get(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case ui::FormAspect::Colours:
      background_.reset(CreateSolidBrush(ToColorRef(form_.BackColor())));
      InvalidateRect(window_.get(), nullptr, TRUE);
      break;
    case ui::FormAspect::Font: break;  // each control carries its own font
    case ui::FormAspect::Look: ApplyLook(); break;
    case ui::FormAspect::Topmost:
      SetWindowPos(window_.get(), form_.Topmost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      break;
  }
}

LRESULT CALLBACK Win32FormPeer::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<Win32FormPeer*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    created->window_.reset(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* peer = reinterpret_cast<Win32FormPeer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!peer) return DefWindowProcW(window, message, wParam, lParam);
  return Guarded<LRESULT>(0, [&] { return peer->Handle(message, wParam, lParam); });
}

LRESULT Win32FormPeer::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_CONTEXTMENU:
      if (const auto found = children_.find(reinterpret_cast<HWND>(wParam));
          found != children_.end() && found->second->OnContextMenu(lParam))
        return 0;
      break;
    case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_HSCROLL:  // a control's scroll goes to its peer; the window's own scroll bars pass on
    case WM_VSCROLL:
      if (const auto found = children_.find(reinterpret_cast<HWND>(lParam));
          lParam && found != children_.end() && found->second->OnScroll(message, LOWORD(wParam)))
        return 0;
      break;
    case WM_TIMER: {
      const auto found = timers_.find(wParam);
      if (found != timers_.end()) found->second->Tick();
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND:
      if (OnEraseBackground(reinterpret_cast<HDC>(wParam))) return 1;
      break;
    case WM_SIZE: return OnSize(wParam);
    case WM_PAINT: {
      Win32PaintCanvas canvas(window_.get(), Dpi());
      form_.Painted(canvas);
      return 0;
    }
    case WM_NCPAINT:
    case WM_NCACTIVATE: {
      const LRESULT answer = DefWindowProcW(window_.get(), message, wParam, lParam);
      PaintMenuBarRest();
      return answer;
    }
    case WM_MENUCHAR:
      if (menuBackground_) return OnMenuChar(static_cast<wchar_t>(LOWORD(wParam)), reinterpret_cast<HMENU>(lParam));
      break;
    case WM_DRAWITEM:
      if (OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_MEASUREITEM:
      if (OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case kDeferredRead: {
      const auto found = children_.find(reinterpret_cast<HWND>(lParam));
      if (found != children_.end()) found->second->OnDeferredRead();
      return 0;
    }
    case WM_CLOSE: form_.UserClose(ui::UnloadMode::ControlMenu); return 0;
    case WM_QUERYENDSESSION: return TRUE;
    case DM_GETDEFID: return OnDefaultId();
    case WM_GETMINMAXINFO: OnMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam)); return 0;
    case WM_NEXTDLGCTL: return OnNextControl(wParam, lParam);
    case WM_ACTIVATE:
      if (OnActivate(wParam)) return 0;
      break;
    case WM_POWERBROADCAST:
      if (wParam == PBT_APMRESUMEAUTOMATIC) form_.SystemChanged(ui::SystemChange::Resumed);
      break;
    case WM_TIMECHANGE: form_.SystemChanged(ui::SystemChange::ClockChanged); return 0;
    // Light or dark mode switched, or high contrast turned on or off.
    case WM_SETTINGCHANGE:
      if (lParam && std::wstring_view(reinterpret_cast<const wchar_t*>(lParam)) == L"ImmersiveColorSet")
        form_.SystemChanged(ui::SystemChange::ColourSchemeChanged);
      else if (wParam == SPI_SETHIGHCONTRAST)
        form_.SystemChanged(ui::SystemChange::ColourSchemeChanged);
      break;
    case WM_ENDSESSION:
      if (wParam)
        form_.UserClose(ui::UnloadMode::AppWindows);
      else
        form_.SystemChanged(ui::SystemChange::SessionEndCancelled);
      return 0;
    case WM_DPICHANGED: {
      dpi_ = LOWORD(wParam);
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window_.get(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      for (ui::Control* control : form_.Controls()) {
        if (control->Peer()) {
          control->Peer()->Sync(ui::Aspect::Font);
          control->Peer()->Sync(ui::Aspect::Position);
        }
      }
      if (menuBar_) DrawMenuBar(window_.get());  // its entries measured again at the new size
      form_.SystemChanged(ui::SystemChange::DpiChanged);
      return 0;
    }
    default: break;
  }
  return DefWindowProcW(window_.get(), message, wParam, lParam);
}

LRESULT Win32FormPeer::OnCommand(WPARAM wParam, LPARAM lParam) {
  const auto child = reinterpret_cast<HWND>(lParam);
  if (child) {
    const auto found = children_.find(child);
    if (found != children_.end()) found->second->OnCommand(HIWORD(wParam));
  } else if (LOWORD(wParam) == IDCANCEL) {
    form_.UserPressEscape();  // Esc, as dialog navigation reports it
  } else if (HIWORD(wParam) == 0) {
    RunCommand(LOWORD(wParam));
  }
  return 0;
}

LRESULT Win32FormPeer::OnNotify(const NMHDR& header) {
  auto found = children_.find(header.hwndFrom);
  // A list view's column header reports through the list view.
  if (found == children_.end()) found = children_.find(GetParent(header.hwndFrom));
  return found == children_.end() ? 0 : found->second->OnNotify(header);
}

LRESULT Win32FormPeer::OnControlColour(HDC dc, HWND child) {
  auto found = children_.find(child);
  // The edit field of a combo box asks through the combo box: it takes the combo's colours.
  if (found == children_.end()) found = children_.find(GetParent(child));
  if (found != children_.end()) {
    if (HBRUSH brush = found->second->OnControlColour(dc, child)) return reinterpret_cast<LRESULT>(brush);
  }
  SetBkColor(dc, ToColorRef(form_.BackColor()));
  return reinterpret_cast<LRESULT>(background_.get());
}

bool Win32FormPeer::OnEraseBackground(HDC dc) {
  RECT client{};
  GetClientRect(window_.get(), &client);
  FillRect(dc, &client, background_.get());
  return true;
}

LRESULT Win32FormPeer::OnSize(WPARAM wParam) {
  const ui::WindowState state = wParam == SIZE_MINIMIZED   ? ui::WindowState::Minimized
                                : wParam == SIZE_MAXIMIZED ? ui::WindowState::Maximized
                                                           : ui::WindowState::Normal;
  for (const auto& [child, peer] : children_) peer->OnFormResized();
  // Sizes reported while the window is still hidden are the system's, not the user's.
  if (IsWindowVisible(window_.get()))
    form_.StateChangedByUser(state);
  else
    form_.Resized();
  return 0;
}

}  // namespace curfew::platform::win32
