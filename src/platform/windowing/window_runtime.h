#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "platform/event_timer.h"
#include "platform/message_box.h"
#include "platform/windowing/form.h"

namespace curfew::ui {

class Menu;

// The windowing back end: creates the real side of windows and controls and provides the
// services the windows use, the event loop's own timers among them.
class WindowRuntime : public platform::EventTimers {
 public:
  ~WindowRuntime() override = default;

  virtual std::unique_ptr<FormPeer> CreateFormPeer(Form& form) = 0;
  virtual std::unique_ptr<ControlPeer> CreateControlPeer(Control& control) = 0;

  virtual platform::MessageBoxes& Messages() = 0;
  // Lets pending events run before the caller goes on.
  virtual void DoEvents() = 0;
  // The same for a loop that lets events run at every step: a back end for which each look at
  // its queue is costly looks only once a few milliseconds have passed since the last one.
  // Returns whether events may have run (and the clock may have moved on noticeably).
  virtual bool DoEventsInLoop() {
    DoEvents();
    return true;
  }
  // Sleeps until at least one event arrives and lets it run: a wait that uses no processor.
  virtual void WaitForEvents() = 0;
  // Ends the program's event loop; the process ends once the caller returns.
  virtual void EndProcess(int exitCode) = 0;
  // Runs events until the window is hidden or unloaded.
  virtual void RunModal(Form& form) = 0;
  // Shows the sub-entries of a menu as a pop-up at the mouse position and runs the chosen
  // entry's Click before it returns.
  virtual void PopupMenu(Menu& menu) = 0;
  // The windows that are loaded now, in the order they were loaded.
  virtual std::vector<Form*> LoadedForms() const = 0;
  // Brings a loaded window to the front as it is (a minimised one stays minimised).
  virtual void BringToFront(const Form& form) = 0;
};

}  // namespace curfew::ui
