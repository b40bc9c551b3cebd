#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <thread>

#include "platform/win32/windowing/win32_runtime.h"
#include "platform/windowing/form.h"

namespace curfew::test {

// Drives the program's windows as a person does: keys and clicks go into the system's input
// queue (SendInput), so they reach the control with the focus, or the control under the
// pointer, through the program's own message loop and its filters (dialog navigation, default
// and cancel buttons, access keys). Each call lets the loop run until the input has been
// handled.
class RealInput {
 public:
  explicit RealInput(platform::win32::Win32Runtime& runtime) : runtime_(runtime) {}

  // Brings the window to the front with the keyboard focus, as a click on its title would.
  void Activate(const ui::Form& form);
  // Presses and releases a key count times; with a modifier (VK_SHIFT, VK_MENU, VK_CONTROL)
  // held down meanwhile.
  void Key(WORD key, int count = 1);
  void KeyWith(WORD modifier, WORD key);
  // Alt and a letter: the control or menu whose access key it is.
  void Alt(char letter) { KeyWith(VK_MENU, static_cast<WORD>(letter)); }
  void Type(std::string_view text);
  // A left click at a point of a window's client area, or at its middle; a right click there.
  void Click(HWND window, POINT point);
  void Click(HWND window);
  void RightClick(HWND window, POINT point);
  // Lets the program handle what is queued.
  void Settle();

 private:
  void Press(HWND window, POINT point, DWORD down, DWORD up);
  void Send(INPUT* inputs, UINT count);

  platform::win32::Win32Runtime& runtime_;
  // The last click of the process: the next one on the same spot waits out the double-click
  // time, whichever test made it.
  static inline DWORD lastClick_ = 0;
  static inline POINT lastPoint_{-1, -1};
};

HWND WindowOf(const ui::Control& control);
HWND WindowOf(const ui::Form& form);
// The control with the keyboard focus.
HWND Focus();
// Takes away the request to quit that a program's end left in the thread's queue: the next
// test's program has a loop of its own, and would otherwise let no event run.
void DropQuitRequest();

}  // namespace curfew::test

namespace curfew::test {

// Waits, on a thread of its own, for the next message box of the program and answers it with
// a key as a person would (Enter takes its default button, Esc its cancel button), keeping its
// text. The program's thread is held by the box meanwhile. Given the beginning of a text, it
// answers only a box whose text begins so (one of several boxes that follow each other).
class MessageBoxAnswer {
 public:
  explicit MessageBoxAnswer(WORD key, std::wstring textBeginning = {});
  ~MessageBoxAnswer();
  MessageBoxAnswer(const MessageBoxAnswer&) = delete;
  MessageBoxAnswer& operator=(const MessageBoxAnswer&) = delete;
  // The text of the box once it was answered; empty when none came.
  std::string Text();

 private:
  struct State;
  std::shared_ptr<State> state_;
  std::thread watcher_;
};

}  // namespace curfew::test

namespace curfew::test {

// Presses a key from a thread of its own a moment from now: for a menu or a modal window,
// whose own loop holds the program's thread while it is open.
class KeyLater {
 public:
  static constexpr const wchar_t* kOpenMenu = L"#32768";
  // With a window title, the key waits (10 s at most) until that window is the one in front;
  // with kOpenMenu, until a menu is open.
  KeyLater(WORD key, int delayMilliseconds = 300, std::wstring windowTitle = {});
  ~KeyLater() { presser_.join(); }
  KeyLater(const KeyLater&) = delete;
  KeyLater& operator=(const KeyLater&) = delete;

 private:
  std::thread presser_;
};

}  // namespace curfew::test
