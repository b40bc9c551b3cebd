#include "win32/support/real_input.h"

#include <atomic>
#include <cstdlib>

#include "platform/win32/text_conversion.h"

namespace curfew::test {
namespace {

INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

}  // namespace

HWND WindowOf(const ui::Control& control) { return reinterpret_cast<HWND>(control.Handle()); }
HWND WindowOf(const ui::Form& form) { return reinterpret_cast<HWND>(form.Handle()); }
HWND Focus() { return GetFocus(); }

void DropQuitRequest() {
  MSG quit{};
  while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

void RealInput::Activate(const ui::Form& form) {
  SetForegroundWindow(WindowOf(form));
  SetActiveWindow(WindowOf(form));
  Settle();
}

void RealInput::Send(INPUT* inputs, UINT count) {
  SendInput(count, inputs, sizeof(INPUT));
  Settle();
}

void RealInput::Key(WORD key, int count) {
  for (int press = 0; press < count; ++press) {
    INPUT inputs[] = {KeyInput(key, false), KeyInput(key, true)};
    Send(inputs, 2);
  }
}

void RealInput::KeyWith(WORD modifier, WORD key) {
  INPUT inputs[] = {KeyInput(modifier, false), KeyInput(key, false), KeyInput(key, true), KeyInput(modifier, true)};
  Send(inputs, 4);
}

void RealInput::Type(std::string_view text) {
  for (const wchar_t unit : platform::win32::Utf8ToWide(text)) {
    INPUT inputs[2]{};
    for (int i = 0; i < 2; ++i) {
      inputs[i].type = INPUT_KEYBOARD;
      inputs[i].ki.wScan = unit;
      inputs[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
    }
    Send(inputs, 2);
  }
}

void RealInput::Click(HWND window, POINT point) { Press(window, point, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); }

void RealInput::RightClick(HWND window, POINT point) {
  Press(window, point, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
}

void RealInput::Press(HWND window, POINT point, DWORD down, DWORD up) {
  ClientToScreen(window, &point);
  // Two clicks on one spot within the double-click time would make a double click.
  if (std::abs(point.x - lastPoint_.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
      std::abs(point.y - lastPoint_.y) <= GetSystemMetrics(SM_CYDOUBLECLK)) {
    const DWORD since = GetTickCount() - lastClick_;
    if (since <= GetDoubleClickTime()) Sleep(GetDoubleClickTime() - since + 50);
  }
  SetCursorPos(point.x, point.y);
  INPUT inputs[2]{};
  for (int i = 0; i < 2; ++i) {
    inputs[i].type = INPUT_MOUSE;
    inputs[i].mi.dwFlags = i ? up : down;
  }
  Send(inputs, 2);
  lastClick_ = GetTickCount();
  lastPoint_ = point;
}

void RealInput::Click(HWND window) {
  RECT area{};
  GetClientRect(window, &area);
  Click(window, {area.right / 2, area.bottom / 2});
}

void RealInput::Settle() {
  // Input reaches the queue through the window server: look until two rounds find nothing.
  for (int quiet = 0; quiet < 2;) {
    Sleep(5);
    MSG message{};
    if (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
      quiet = 0;
      runtime_.DoEvents();
    } else {
      ++quiet;
    }
  }
}

}  // namespace curfew::test

namespace curfew::test {

struct MessageBoxAnswer::State {
  DWORD thread = GetCurrentThreadId();
  WORD key;
  std::wstring textBeginning;
  std::atomic<bool> stop{false};
  std::atomic<bool> answered{false};
  std::wstring text;
};

namespace {

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (std::wstring_view(name) == L"#32770" && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

MessageBoxAnswer::MessageBoxAnswer(WORD key, std::wstring textBeginning) : state_(std::make_shared<State>()) {
  state_->key = key;
  state_->textBeginning = std::move(textBeginning);
  watcher_ = std::thread([state = state_] {
    for (int step = 0; step < 1000 && !state->stop; ++step) {
      HWND box = nullptr;
      EnumThreadWindows(state->thread, FindBox, reinterpret_cast<LPARAM>(&box));
      wchar_t text[1024] = {};
      if (box) GetDlgItemTextW(box, 0xFFFF, text, 1024);
      if (box && std::wstring_view(text).starts_with(state->textBeginning)) {
        state->text = text;
        Sleep(100);  // the box takes the focus as it opens
        SetForegroundWindow(box);
        INPUT inputs[2]{};
        for (int i = 0; i < 2; ++i) {
          inputs[i].type = INPUT_KEYBOARD;
          inputs[i].ki.wVk = state->key;
          inputs[i].ki.dwFlags = i ? KEYEVENTF_KEYUP : 0;
        }
        SendInput(2, inputs, sizeof(INPUT));
        state->answered = true;
        return;
      }
      Sleep(10);
    }
  });
}

MessageBoxAnswer::~MessageBoxAnswer() {
  state_->stop = true;
  if (watcher_.joinable()) watcher_.join();
}

std::string MessageBoxAnswer::Text() {
  state_->stop = true;
  if (watcher_.joinable()) watcher_.join();
  return platform::win32::WideToUtf8(state_->text);
}

}  // namespace curfew::test

namespace curfew::test {

KeyLater::KeyLater(WORD key, int delayMilliseconds, std::wstring windowTitle)
    : presser_([key, delayMilliseconds, title = std::move(windowTitle)] {
        for (int step = 0; !title.empty() && step < 1000; ++step) {
          // "#32768" names the class of an open menu rather than a title.
          if (title == L"#32768") {
            const HWND menu = FindWindowW(title.c_str(), nullptr);
            if (menu && IsWindowVisible(menu)) break;
          } else {
            const HWND window = FindWindowW(nullptr, title.c_str());
            if (window && IsWindowVisible(window) && GetForegroundWindow() == window) break;
          }
          Sleep(10);
        }
        Sleep(static_cast<DWORD>(delayMilliseconds));
        INPUT inputs[] = {KeyInput(key, false), KeyInput(key, true)};
        SendInput(2, inputs, sizeof(INPUT));
      }) {}

}  // namespace curfew::test
