#pragma once

#include <windows.h>
#include <commctrl.h>

#include "platform/win32/callback_guard.h"

namespace curfew::platform::win32 {

// The program's subclass procedures, each under an id of its own: one window may carry several.
enum class SubclassId : UINT_PTR { KeyPress = 1, FieldEdge, FramePaint, PushButton, DarkRecolouring, PowerBroadcast };

// The one way the program subclasses a window. Handler sees each message before the window's
// own procedure and passes it on with DefSubclassProc where it should go on. The procedure is
// guarded (no exception reaches the system) and removes itself when the window is destroyed,
// so the context need only outlive the window.
template <typename Context, LRESULT (*Handler)(Context&, HWND, UINT, WPARAM, LPARAM)>
class Subclass {
 public:
  static bool Install(HWND window, SubclassId id, Context& context) {
    return window &&
           SetWindowSubclass(window, &Procedure, static_cast<UINT_PTR>(id), reinterpret_cast<DWORD_PTR>(&context));
  }
  static void Remove(HWND window, SubclassId id) {
    RemoveWindowSubclass(window, &Procedure, static_cast<UINT_PTR>(id));
  }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                    DWORD_PTR context) {
    // Removed first: the handler still passes this last message on to the window's procedure.
    if (message == WM_NCDESTROY) RemoveWindowSubclass(window, &Procedure, id);
    return Guarded<LRESULT>(
        0, [&] { return Handler(*reinterpret_cast<Context*>(context), window, message, wParam, lParam); });
  }
};

}  // namespace curfew::platform::win32
