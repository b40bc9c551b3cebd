#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace curfew::platform {

// Message boxes answered from a script; every box shown is recorded.
class ScriptedMessageBoxes final : public MessageBoxes {
 public:
  struct Shown {
    std::string text;
    MessageButtons buttons;
    MessageIcon icon;
    std::string title;
    DefaultButton defaultButton;
  };

  MessageAnswer Show(std::string_view text, MessageButtons buttons, MessageIcon icon, std::string_view title,
                     DefaultButton defaultButton) override;

  // Answers the next boxes in order; with the script empty a box is answered as Enter would:
  // with its default button.
  void Answer(MessageAnswer answer) { script_.push_back(answer); }
  const std::vector<Shown>& shown() const { return shown_; }

 private:
  std::deque<MessageAnswer> script_;
  std::vector<Shown> shown_;
};

}  // namespace curfew::platform
