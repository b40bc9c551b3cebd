#pragma once

#include <windows.h>

#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_message_boxes.h"

namespace curfew::platform::win32 {

// While it lives, the next message box this thread shows is drawn in a dark look: its
// background and texts through the colours it asks its owner for, its push buttons drawn by
// the program, its title bar dark where the system allows.
class DarkMessageBox {
 public:
  explicit DarkMessageBox(const MessageBoxLook& look);
  ~DarkMessageBox();
  DarkMessageBox(const DarkMessageBox&) = delete;
  DarkMessageBox& operator=(const DarkMessageBox&) = delete;

 private:
  friend struct DarkMessageBoxProcedure;
  static LRESULT CALLBACK OnWindowEvent(int code, WPARAM wParam, LPARAM lParam);
  void Dress(HWND box);

  MessageBoxLook look_;
  BrushObject background_;
  HHOOK hook_ = nullptr;
  HWND box_ = nullptr;
};

}  // namespace curfew::platform::win32
