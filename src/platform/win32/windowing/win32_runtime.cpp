#include "platform/win32/windowing/win32_runtime.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_event_timer.h"
#include "platform/win32/windowing/win32_control_peers.h"
#include "platform/win32/windowing/win32_form_peer.h"

namespace curfew::platform::win32 {

int TwipsToPixels(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }

int PixelsToTwips(int pixels, UINT dpi) { return MulDiv(pixels, 1440, static_cast<int>(dpi)); }

COLORREF ToColorRef(ui::Colour colour) {
  if (colour & ui::kSystemColour) return GetSysColor(static_cast<int>(colour & 0xFF));
  return static_cast<COLORREF>(colour & 0xFFFFFF);
}

Win32Runtime::Win32Runtime(std::string applicationTitle) : messages_(std::move(applicationTitle)) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  // A message box over one of the program's windows in a dark look is shown in that look.
  messages_.lookOf = [this](HWND owner) -> std::optional<MessageBoxLook> {
    for (const ui::Form* form : forms_) {
      if (reinterpret_cast<HWND>(form->Handle()) != owner) continue;
      const auto& look = form->Look();
      if (!look || !look->dark) return std::nullopt;
      const auto button = [](const ui::ButtonLook& b) {
        return MessageBoxLook::Button{ToColorRef(b.fill), ToColorRef(b.border), ToColorRef(b.text)};
      };
      return MessageBoxLook{ToColorRef(form->BackColor()), ToColorRef(look->normal.text), button(look->normal),
                            button(look->pressed),         button(look->defaultButton),   ToColorRef(look->focusRing)};
    }
    return std::nullopt;
  };
}

Win32Runtime::~Win32Runtime() = default;

std::unique_ptr<ui::FormPeer> Win32Runtime::CreateFormPeer(ui::Form& form) {
  return std::make_unique<Win32FormPeer>(*this, form);
}

// The one place that picks a peer class by the kind of control.
std::unique_ptr<ui::ControlPeer> Win32Runtime::CreateControlPeer(ui::Control& control) {
  auto& form = *static_cast<Win32FormPeer*>(control.Parent().Peer());
  using ui::ControlKind;
  switch (control.Kind()) {
    case ControlKind::CommandButton:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: return std::make_unique<Win32ButtonPeer>(form, control);
    case ControlKind::Frame: return std::make_unique<Win32FramePeer>(form, control);
    case ControlKind::TextBox: return std::make_unique<Win32EditPeer>(form, control);
    case ControlKind::ComboBox:
    case ControlKind::ListBox: return std::make_unique<Win32ListPeer>(form, static_cast<ui::ListControl&>(control));
    case ControlKind::ListView: return std::make_unique<Win32ListViewPeer>(form, static_cast<ui::ListView&>(control));
    case ControlKind::TreeView: return std::make_unique<Win32TreeViewPeer>(form, static_cast<ui::TreeView&>(control));
    case ControlKind::DatePicker:
    case ControlKind::TimePicker:
      return std::make_unique<Win32DateTimePeer>(form, static_cast<ui::DateTimePicker&>(control));
    case ControlKind::StatusBar:
      return std::make_unique<Win32StatusBarPeer>(form, static_cast<ui::StatusBar&>(control));
    case ControlKind::Label:
    case ControlKind::SkinLabel: return std::make_unique<Win32LabelPeer>(form, control);
    case ControlKind::PictureBox:
    case ControlKind::Image: return std::make_unique<Win32PicturePeer>(form, static_cast<ui::PictureBox&>(control));
    case ControlKind::Line: return std::make_unique<Win32LinePeer>(form, control);
    case ControlKind::TabStrip: return std::make_unique<Win32TabStripPeer>(form, static_cast<ui::TabStrip&>(control));
    case ControlKind::Menu: return std::make_unique<Win32MenuPeer>(form, control);
    case ControlKind::Timer: return std::make_unique<Win32TimerPeer>(form, static_cast<ui::Timer&>(control));
    case ControlKind::WebBrowser:
      return std::make_unique<Win32WebBrowserPeer>(form, static_cast<ui::WebBrowser&>(control));
  }
  throw std::invalid_argument("a control of no known kind: " + control.Name());
}

void Win32Runtime::FormUnloaded(ui::Form& form) { std::erase(forms_, &form); }

namespace {

// How long an event may wait while a loop lets events run: far below what a user notices, and
// far above the cost of one look at the queue (a call to the window server).
constexpr auto kLoopEventLatency = std::chrono::milliseconds(4);

}  // namespace

bool Win32Runtime::DoEventsInLoop() {
  if (std::chrono::steady_clock::now() - lastDoEvents_ < kLoopEventLatency) return false;
  DoEvents();
  return true;
}

void Win32Runtime::DoEvents() {
  lastDoEvents_ = std::chrono::steady_clock::now();
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));  // for the loop that owns it
      return;
    }
    Handle(message);
  }
}

int Win32Runtime::AddMessageFilter(MessageFilter filter) {
  filters_.emplace_back(nextFilterId_, std::move(filter));
  return nextFilterId_++;
}

void Win32Runtime::RemoveMessageFilter(int id) {
  std::erase_if(filters_, [id](const auto& entry) { return entry.first == id; });
}

bool Win32Runtime::Filtered(MSG& message) {
  for (const auto& [id, filter] : filters_)
    if (filter(message)) return true;
  // Dialog navigation in the program's windows: Tab, the arrow keys, Enter and Esc.
  const HWND root = GetAncestor(message.hwnd, GA_ROOT);
  if (!root) return false;
  const bool ours = std::any_of(forms_.begin(), forms_.end(), [root](const ui::Form* form) {
    return reinterpret_cast<HWND>(form->Handle()) == root;
  });
  return ours && IsDialogMessageW(root, &message);
}

void Win32Runtime::Handle(MSG& message) {
  if (Filtered(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

void Win32Runtime::WaitForEvents() {
  WaitMessage();
  DoEvents();
}

int Win32Runtime::Run() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) Handle(message);
  return static_cast<int>(message.wParam);
}

void Win32Runtime::RunModal(ui::Form& form) {
  // The other windows of the program wait while the modal one is shown.
  std::vector<HWND> disabled;
  for (ui::Form* other : forms_) {
    const auto window = reinterpret_cast<HWND>(other->Handle());
    if (other != &form && window && IsWindowEnabled(window)) {
      EnableWindow(window, FALSE);
      disabled.push_back(window);
    }
  }
  MSG message{};
  while (form.Loaded() && form.Visible()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    Handle(message);
  }
  for (HWND window : disabled) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
}

void Win32Runtime::PopupMenu(ui::Menu& menu) {
  auto* peer = static_cast<Win32ControlPeer*>(menu.Peer());
  auto* form = static_cast<Win32FormPeer*>(menu.Parent().Peer());
  if (!peer || !form || !peer->Popup()) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  // Without this the pop-up of a window in the background would not close on a click elsewhere.
  SetForegroundWindow(form->Window());
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenuEx(peer->Popup(), TPM_RETURNCMD | TPM_RIGHTBUTTON, cursor.x, cursor.y, form->Window(), nullptr));
  PostMessageW(form->Window(), WM_NULL, 0, 0);
  if (chosen != 0) form->RunCommand(chosen);
}

std::unique_ptr<platform::EventTimer> Win32Runtime::MakeTimer(std::function<void()> onTick) {
  return std::make_unique<Win32EventTimer>(std::move(onTick));
}

void Win32Runtime::BringToFront(const ui::Form& form) {
  // Only to the front: a minimised window stays minimised, as it was when it was hidden.
  if (const auto window = reinterpret_cast<HWND>(form.Handle())) SetForegroundWindow(window);
}

}  // namespace curfew::platform::win32
