#pragma once

#include <functional>
#include <stdexcept>
#include <string>

#include "platform/windowing/control.h"

namespace curfew::ui {

// The engine refused a request: no page to go back or forward to, or no engine at all.
class BrowserError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What a web browser control asks of the engine behind it: the back end's page engine, which
// loads and shows pages and reports what it does to the control.
class BrowserEngine {
 public:
  virtual ~BrowserEngine() = default;
  // Starts loading the address as the user typed it (the engine completes a bare host name).
  virtual void Navigate(const std::string& address) = 0;
  // Each throws BrowserError when the engine cannot do it.
  virtual void GoBack() = 0;
  virtual void GoForward() = 0;
  virtual void Stop() = 0;
  virtual void Refresh() = 0;
  // The page shown: its full address, and its name (its title, or its address without one).
  virtual std::string LocationURL() const = 0;
  virtual std::string LocationName() const = 0;
};

// A web page inside a window. The back end's side of the control is its engine; requests
// made while the window is not loaded throw BrowserError.
class WebBrowser : public Control {
 public:
  WebBrowser(Form& form, std::string name, Control* container = nullptr)
      : Control(form, ControlKind::WebBrowser, std::move(name), std::nullopt, container) {}

  void Navigate(const std::string& address) { Engine().Navigate(address); }
  void GoBack() { Engine().GoBack(); }
  void GoForward() { Engine().GoForward(); }
  void Stop() { Engine().Stop(); }
  void Refresh() { Engine().Refresh(); }
  std::string LocationURL() const { return Engine().LocationURL(); }
  std::string LocationName() const { return Engine().LocationName(); }

  std::function<void(const std::string& text)> OnStatusTextChange;
  std::function<void(long progress, long maximum)> OnProgressChange;
  std::function<void()> OnDownloadBegin;
  std::function<void()> OnDownloadComplete;

  // What the engine reports.
  void EngineStatusTextChange(const std::string& text) const {
    if (OnStatusTextChange) OnStatusTextChange(text);
  }
  void EngineProgressChange(long progress, long maximum) const {
    if (OnProgressChange) OnProgressChange(progress, maximum);
  }
  void EngineDownloadBegin() const { Raise(OnDownloadBegin); }
  void EngineDownloadComplete() const { Raise(OnDownloadComplete); }

 private:
  BrowserEngine& Engine() const {
    auto* engine = dynamic_cast<BrowserEngine*>(Peer());
    if (!engine) throw BrowserError("the browser " + Name() + " has no engine: its window is not loaded");
    return *engine;
  }
};

}  // namespace curfew::ui
