#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/win32_message_boxes.h"
#include "platform/windowing/window_runtime.h"

namespace curfew::platform::win32 {

// Windows and controls as real windows of the system, driven by the thread's message loop.
class Win32Runtime final : public ui::WindowRuntime {
 public:
  explicit Win32Runtime(std::string applicationTitle);
  ~Win32Runtime() override;

  std::unique_ptr<ui::FormPeer> CreateFormPeer(ui::Form& form) override;
  std::unique_ptr<ui::ControlPeer> CreateControlPeer(ui::Control& control) override;
  platform::MessageBoxes& Messages() override { return messages_; }
  void DoEvents() override;
  bool DoEventsInLoop() override;
  void WaitForEvents() override;
  void EndProcess(int exitCode) override { PostQuitMessage(exitCode); }
  void RunModal(ui::Form& form) override;
  void PopupMenu(ui::Menu& menu) override;
  std::vector<ui::Form*> LoadedForms() const override { return forms_; }
  void BringToFront(const ui::Form& form) override;
  std::unique_ptr<platform::EventTimer> MakeTimer(std::function<void()> onTick) override;

  // Runs the message loop until the program quits; returns the exit code.
  int Run();

  // A filter that sees every message of every loop of the program before it is dispatched and
  // answers whether it took it (an embedded control's accelerators, say). Filters run in the
  // order they were added, before dialog navigation.
  using MessageFilter = std::function<bool(MSG&)>;
  int AddMessageFilter(MessageFilter filter);
  void RemoveMessageFilter(int id);

  void FormLoaded(ui::Form& form) { forms_.push_back(&form); }
  void FormUnloaded(ui::Form& form);

 private:
  // The filter chain, then translation and dispatch: what every loop does with a message.
  void Handle(MSG& message);
  bool Filtered(MSG& message);

  Win32MessageBoxes messages_;
  std::vector<std::pair<int, MessageFilter>> filters_;
  int nextFilterId_ = 1;
  std::vector<ui::Form*> forms_;
  std::chrono::steady_clock::time_point lastDoEvents_{};
};

// Twips of a window at its dots per inch.
int TwipsToPixels(int twips, UINT dpi);
int PixelsToTwips(int pixels, UINT dpi);
COLORREF ToColorRef(ui::Colour colour);

}  // namespace curfew::platform::win32
