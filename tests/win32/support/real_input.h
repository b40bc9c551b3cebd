#pragma once

#include <windows.h>

#include <string_view>

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
  // A left click at a point of a window's client area, or at its middle.
  void Click(HWND window, POINT point);
  void Click(HWND window);
  // Lets the program handle what is queued.
  void Settle();

 private:
  void Send(INPUT* inputs, UINT count);

  platform::win32::Win32Runtime& runtime_;
  DWORD lastClick_ = 0;
  POINT lastPoint_{-1, -1};
};

HWND WindowOf(const ui::Control& control);
HWND WindowOf(const ui::Form& form);
// The control with the keyboard focus.
HWND Focus();

}  // namespace curfew::test
