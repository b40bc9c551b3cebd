#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/windowing/web_browser.h"

namespace curfew::ui {

// The pages a scripted browser can load: full address (scheme, host and path) to title.
using ScriptedPages = std::map<std::string, std::string>;

// A page engine for tests. It completes a typed address as a browser does ("host" becomes
// "http://host/"), keeps a history for back and forward, and loads a request only when the
// test lets it (LoadPending), reporting as a real engine does from its message loop: download
// begin, a status text, download complete. An address missing from the pages loads as the
// browser's error page, named after the address.
class ScriptedBrowser final : public ControlPeer, public BrowserEngine {
 public:
  ScriptedBrowser(WebBrowser& control, const ScriptedPages& pages,
                  const std::function<void(WebBrowser&, const std::string&)>& onNavigate)
      : control_(control), pages_(pages), onNavigate_(onNavigate) {}

  // The engine behind a browser control of a loaded window on the headless back end.
  static ScriptedBrowser& Of(WebBrowser& control);

  void Sync(Aspect) override {}
  void Navigate(const std::string& address) override;
  void GoBack() override;
  void GoForward() override;
  void Stop() override;
  void Refresh() override;
  std::string LocationURL() const override { return shown_ < 0 ? "" : history_[static_cast<std::size_t>(shown_)]; }
  std::string LocationName() const override;

  // Loads the request made last, if any; false when there was none.
  bool LoadPending();
  // Every address the window asked to navigate to, as it asked.
  std::vector<std::string> navigations;

  // "http://host/" for a bare host, the address itself when it has a scheme.
  static std::string CompleteAddress(const std::string& typed);

 private:
  struct Request {
    std::string address;
    int historyIndex;  // where in the history the page lands; -1 for a new page
  };

  WebBrowser& control_;
  const ScriptedPages& pages_;
  const std::function<void(WebBrowser&, const std::string&)>& onNavigate_;
  std::vector<std::string> history_;
  int shown_ = -1;
  std::optional<Request> pending_;
};

}  // namespace curfew::ui
