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
  ~HeadlessTimerPeer() override { runtime_.Cancel(&timer_); }
  void Sync(Aspect aspect) override {
    if (aspect != Aspect::Enabled && aspect != Aspect::Timer) return;
    if (timer_.Enabled() && timer_.Interval() > 0)
      runtime_.Schedule(&timer_, timer_.Interval(), [this] { timer_.Tick(); });
    else
      runtime_.Cancel(&timer_);
  }

 private:
  HeadlessRuntime& runtime_;
  Timer& timer_;
};

// A timer of the event loop on the runtime's clock.
class HeadlessEventTimer final : public platform::EventTimer {
 public:
  HeadlessEventTimer(HeadlessRuntime& runtime, std::function<void()> onTick)
      : runtime_(runtime), onTick_(std::move(onTick)) {}
  ~HeadlessEventTimer() override { runtime_.Cancel(this); }
  void Start(int intervalMs) override {
    runtime_.Schedule(this, intervalMs, [this] { onTick_(); });
    running_ = true;
  }
  void Stop() override {
    runtime_.Cancel(this);
    running_ = false;
  }
  bool Running() const override { return running_; }

 private:
  HeadlessRuntime& runtime_;
  std::function<void()> onTick_;
  bool running_ = false;
};

std::unique_ptr<platform::EventTimer> HeadlessRuntime::MakeTimer(std::function<void()> onTick) {
  return std::make_unique<HeadlessEventTimer>(*this, std::move(onTick));
}

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

namespace {

template <typename Map>
auto EarliestDue(Map& dueTimes) {
  return std::min_element(dueTimes.begin(), dueTimes.end(), [](const auto& a, const auto& b) {
    return a.second.due != b.second.due ? a.second.due < b.second.due : a.second.order < b.second.order;
  });
}

}  // namespace

void HeadlessRuntime::WaitForEvents() {
  const auto next = EarliestDue(dueTimes_);
  // Nothing can ever happen: a wait here would never end.
  if (next == dueTimes_.end()) throw std::logic_error("waiting for events with no timer running");
  Advance(next->second.due - nowMs_);
}

void HeadlessRuntime::Schedule(const void* timer, int interval, std::function<void()> tick) {
  dueTimes_[timer] = {nowMs_ + interval, ++started_, interval, std::move(tick)};
}

void HeadlessRuntime::Cancel(const void* timer) { dueTimes_.erase(timer); }

void HeadlessRuntime::Advance(std::int64_t milliseconds) {
  const std::int64_t target = nowMs_ + milliseconds;
  while (true) {
    const auto next = EarliestDue(dueTimes_);
    if (next == dueTimes_.end() || next->second.due > target) break;
    nowMs_ = next->second.due;
    next->second.due += next->second.interval;  // before the tick: the handler may stop or change it
    next->second.order = ++started_;
    const std::function<void()> tick = next->second.tick;  // the handler may stop the timer
    tick();
  }
  nowMs_ = target;
}

}  // namespace curfew::ui
