#include "platform/headless/headless_runtime.h"

#include <algorithm>
#include <stdexcept>

namespace curfew::ui {

class HeadlessFormPeer final : public FormPeer {
 public:
  HeadlessFormPeer(HeadlessRuntime& runtime, Form& form) : runtime_(runtime), form_(form) {
    runtime_.forms_.push_back(&form_);
  }
  ~HeadlessFormPeer() override { std::erase(runtime_.forms_, &form_); }
  void Sync(FormAspect) override {}
  // No frame: the window is all client area.
  TwipsRect ClientArea() const override { return {0, 0, form_.Position().width, form_.Position().height}; }
  TwipsRect WindowArea() const override { return form_.Position(); }

 private:
  HeadlessRuntime& runtime_;
  Form& form_;
};

class HeadlessControlPeer final : public ControlPeer {
 public:
  void Sync(Aspect) override {}
};

// Keeps a timer on the runtime's clock while it is enabled and its window loaded.
class HeadlessTimerPeer final : public ControlPeer {
 public:
  HeadlessTimerPeer(HeadlessRuntime& runtime, Timer& timer) : runtime_(runtime), timer_(timer) { Sync(Aspect::Timer); }
  ~HeadlessTimerPeer() override { runtime_.Cancel(timer_); }
  void Sync(Aspect aspect) override {
    if (aspect != Aspect::Enabled && aspect != Aspect::Timer) return;
    if (timer_.Enabled() && timer_.Interval() > 0)
      runtime_.Schedule(timer_);
    else
      runtime_.Cancel(timer_);
  }

 private:
  HeadlessRuntime& runtime_;
  Timer& timer_;
};

std::unique_ptr<FormPeer> HeadlessRuntime::CreateFormPeer(Form& form) {
  return std::make_unique<HeadlessFormPeer>(*this, form);
}

std::unique_ptr<ControlPeer> HeadlessRuntime::CreateControlPeer(Control& control) {
  if (control.Kind() == ControlKind::Timer)
    return std::make_unique<HeadlessTimerPeer>(*this, static_cast<Timer&>(control));
  if (control.Kind() == ControlKind::WebBrowser)
    return std::make_unique<ScriptedBrowser>(static_cast<WebBrowser&>(control), browserPages, onNavigate);
  return std::make_unique<HeadlessControlPeer>();
}

void HeadlessRuntime::DoEvents() {
  ++doEventsCalls;
  if (!onDoEvents || inDoEvents_) return;
  inDoEvents_ = true;
  try {
    onDoEvents();
  } catch (...) {
    inDoEvents_ = false;
    throw;
  }
  inDoEvents_ = false;
}

void HeadlessRuntime::RunModal(Form& form) {
  if (onModal) onModal(form);
}

void HeadlessRuntime::PopupMenu(Menu& menu) {
  if (onPopup) onPopup(menu);
}

void HeadlessRuntime::BringToFront(const Form& form) {
  if (form.Loaded()) broughtToFront.push_back(form.Caption());
}

void HeadlessRuntime::WaitForEvents() {
  const auto next = std::min_element(dueTimes_.begin(), dueTimes_.end(),
                                     [](const auto& a, const auto& b) { return a.second < b.second; });
  // Nothing can ever happen: a wait here would never end.
  if (next == dueTimes_.end()) throw std::logic_error("waiting for events with no timer running");
  Advance(next->second - nowMs_);
}

void HeadlessRuntime::Schedule(const Timer& timer) { dueTimes_[&timer] = nowMs_ + timer.Interval(); }

void HeadlessRuntime::Cancel(const Timer& timer) { dueTimes_.erase(&timer); }

void HeadlessRuntime::Advance(std::int64_t milliseconds) {
  const std::int64_t target = nowMs_ + milliseconds;
  while (true) {
    const auto next = std::min_element(dueTimes_.begin(), dueTimes_.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    if (next == dueTimes_.end() || next->second > target) break;
    const Timer* timer = next->first;
    nowMs_ = next->second;
    next->second += timer->Interval();  // before the tick: the handler may stop or change it
    timer->Tick();
  }
  nowMs_ = target;
}

}  // namespace curfew::ui
