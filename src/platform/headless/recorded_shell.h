#pragma once

#include <string>
#include <vector>

#include "platform/process.h"
#include "platform/tray.h"

namespace curfew::platform {

// A notification area that keeps one icon, and can be told to refuse or to lose it.
class RecordedTray final : public TrayIcon {
 public:
  bool Add(std::string_view tip) override;
  bool Modify(std::string_view tip) override;
  bool Remove() override;
  bool ShowNotification(std::string_view title, std::string_view text) override;
  bool ShowKeptAwake(bool awake) override {
    keptAwake_ = awake;
    return shown_;
  }
  bool KeptAwake() const { return keptAwake_; }

  // What the shell does with the next Add calls, as at log-on before the task bar runs.
  bool refuseAdd = false;
  // The task bar restarted: the icon is gone without the program's doing.
  void LoseIcon() { shown_ = false; }
  // Explorer restarted: the icon is gone, and the new task bar says so.
  void RestartShell() {
    shown_ = false;
    if (onShellRestarted) onShellRestarted();
  }
  bool Shown() const { return shown_; }
  const std::string& Tip() const { return tip_; }
  void Notify(int mouseMessage) const {
    if (onNotify) onNotify(mouseMessage);
  }
  std::vector<std::string> calls;
  // Each notification shown, as "title: text".
  std::vector<std::string> notifications;

 private:
  bool shown_ = false;
  bool keptAwake_ = false;
  std::string tip_;
};

class RecordedProcess final : public ProcessServices {
 public:
  bool AnotherInstanceRunning() override { return anotherInstance; }
  bool StartCommandLine(std::string_view commandLine) override {
    started.emplace_back(commandLine);
    return startSucceeds;
  }
  bool startSucceeds = true;
  std::string ExeName() const override { return "curfew"; }
  int OpenDocument(std::string_view path, NativeWindow owner, int showMode) override {
    opened.push_back({std::string(path), owner, showMode});
    return 42;
  }

  struct OpenedDocument {
    std::string path;
    NativeWindow owner;
    int showMode;
  };
  bool anotherInstance = false;
  std::vector<std::string> started;
  std::vector<OpenedDocument> opened;
};

}  // namespace curfew::platform
