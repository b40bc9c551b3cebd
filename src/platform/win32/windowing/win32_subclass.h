#pragma once

#include <windows.h>

#include "platform/win32/callback_guard.h"

namespace curfew::platform::win32 {

// The program's subclasses, each under an id of its own: one window may carry several.
enum class SubclassId {
  KeyPress = 1,
  FieldEdge,
  FramePaint,
  PushButton,
  DarkRecolouring,
  PowerBroadcast,
  DarkMessageBox,
  DarkScrollBars
};

namespace subclass_chain {

using Link = LRESULT (*)(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Puts the link in front of the window's procedure and of the links added before it.
bool Add(HWND window, SubclassId id, Link link, void* context);
void Remove(HWND window, SubclassId id);

}  // namespace subclass_chain

// Inside a subclass handler: the message goes on to the links added before this one and then
// to the window's own procedure.
LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The one way the program subclasses a window. Handler sees each message before the window's
// own procedure and passes it on with PassOn where it should go on. The handler is guarded (no
// exception reaches the system), and the chain leaves the window when it is destroyed, so the
// context need only outlive the window. The chain is held by the program, not in window
// properties: a message costs no look-up in the window system.
template <typename Context, LRESULT (*Handler)(Context&, HWND, UINT, WPARAM, LPARAM)>
class Subclass {
 public:
  static bool Install(HWND window, SubclassId id, Context& context) {
    return subclass_chain::Add(window, id, &Call, const_cast<void*>(static_cast<const void*>(&context)));
  }
  static void Remove(HWND window, SubclassId id) { subclass_chain::Remove(window, id); }

 private:
  static LRESULT Call(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Guarded<LRESULT>(0,
                            [&] { return Handler(*static_cast<Context*>(context), window, message, wParam, lParam); });
  }
};

}  // namespace curfew::platform::win32
