#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/scripted_browser.h"
#include "platform/headless/scripted_message_boxes.h"
#include "platform/windowing/controls.h"
#include "platform/windowing/window_runtime.h"

namespace curfew::ui {

// Windows without a screen: their state lives in the model alone, message boxes are answered
// from a script, and timers fire when the test advances a virtual clock.
class HeadlessRuntime final : public WindowRuntime {
 public:
  std::unique_ptr<FormPeer> CreateFormPeer(Form& form) override;
  std::unique_ptr<ControlPeer> CreateControlPeer(Control& control) override;
  platform::MessageBoxes& Messages() override { return messages; }
  // Counts the call and runs onDoEvents (not again inside itself), as pending events would.
  void DoEvents() override;
  // Events run only where a test put some in onDoEvents.
  bool DoEventsInLoop() override {
    DoEvents();
    return static_cast<bool>(onDoEvents);
  }
  // Moves the virtual clock to the next timer due and fires it.
  void WaitForEvents() override;
  void EndProcess(int exitCode) override { endedWith = exitCode; }
  void RunModal(Form& form) override;
  void PopupMenu(Menu& menu) override;
  void BringToFront(const Form& form) override;
  std::unique_ptr<platform::EventTimer> MakeTimer(std::function<void()> onTick) override;

  // Moves the virtual clock on, firing every timer that falls due on the way, in time order.
  void Advance(std::int64_t milliseconds);
  std::int64_t NowMs() const { return nowMs_; }
  std::vector<Form*> LoadedForms() const override { return forms_; }

  platform::ScriptedMessageBoxes messages;
  // Acts for the user while a window is shown modally; without it the window stays shown.
  std::function<void(Form&)> onModal;
  // Chooses the entry of a pop-up menu; without it the pop-up is dismissed.
  std::function<void(Menu&)> onPopup;
  // The titles of the windows brought to the front, in turn.
  std::vector<std::string> broughtToFront;
  int doEventsCalls = 0;
  // What happens while a handler lets events run: a test rebuilds or deletes rows here.
  std::function<void()> onDoEvents;
  std::optional<int> endedWith;
  // The pages web browser controls can load, and what a test hears of each navigation.
  ScriptedPages browserPages;
  std::function<void(WebBrowser&, const std::string& address)> onNavigate;

 private:
  friend class HeadlessTimerPeer;
  friend class HeadlessFormPeer;
  friend class HeadlessEventTimer;
  // A running timer: a window's or the event loop's own, by its address.
  struct Running {
    std::int64_t due = 0;
    std::uint64_t order = 0;  // of two timers due at once, the one started first ticks first
    int interval = 0;
    std::function<void()> tick;
  };
  void Schedule(const void* timer, int interval, std::function<void()> tick);
  void Cancel(const void* timer);

  std::int64_t nowMs_ = 0;
  bool inDoEvents_ = false;
  std::uint64_t started_ = 0;
  std::map<const void*, Running> dueTimes_;
  std::vector<Form*> forms_;
};

}  // namespace curfew::ui
