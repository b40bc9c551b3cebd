#include "platform/headless/scripted_browser.h"

namespace curfew::ui {

ScriptedBrowser& ScriptedBrowser::Of(WebBrowser& control) {
  auto* engine = dynamic_cast<ScriptedBrowser*>(control.Peer());
  if (!engine) throw BrowserError("the browser " + control.Name() + " has no scripted engine");
  return *engine;
}

std::string ScriptedBrowser::CompleteAddress(const std::string& typed) {
  if (typed.find("://") != std::string::npos) return typed;
  return "http://" + typed + (typed.find('/') == std::string::npos ? "/" : "");
}

void ScriptedBrowser::Navigate(const std::string& address) {
  navigations.push_back(address);
  if (onNavigate_) onNavigate_(control_, address);
  pending_ = Request{CompleteAddress(address), -1};
}

void ScriptedBrowser::GoBack() {
  if (shown_ < 1) throw BrowserError("no page to go back to");
  pending_ = Request{history_[static_cast<std::size_t>(shown_ - 1)], shown_ - 1};
}

void ScriptedBrowser::GoForward() {
  if (shown_ < 0 || shown_ + 1 >= static_cast<int>(history_.size())) throw BrowserError("no page to go forward to");
  pending_ = Request{history_[static_cast<std::size_t>(shown_) + 1], shown_ + 1};
}

void ScriptedBrowser::Stop() { pending_.reset(); }

void ScriptedBrowser::Refresh() {
  if (shown_ < 0) throw BrowserError("no page to load again");
  pending_ = Request{history_[static_cast<std::size_t>(shown_)], shown_};
}

std::string ScriptedBrowser::LocationName() const {
  const std::string address = LocationURL();
  const auto page = pages_.find(address);
  return page != pages_.end() ? page->second : address;
}

bool ScriptedBrowser::LoadPending() {
  if (!pending_) return false;
  const Request request = *pending_;
  pending_.reset();
  control_.EngineDownloadBegin();
  control_.EngineStatusTextChange("Opening page " + request.address + "...");
  if (request.historyIndex >= 0) {
    shown_ = request.historyIndex;
  } else {
    // A new page drops the pages ahead of the one shown.
    history_.resize(static_cast<std::size_t>(shown_) + 1);
    history_.push_back(request.address);
    shown_ = static_cast<int>(history_.size()) - 1;
  }
  control_.EngineProgressChange(100, 100);
  control_.EngineStatusTextChange("Done");
  control_.EngineDownloadComplete();
  return true;
}

}  // namespace curfew::ui
