#include "platform/headless/scripted_message_boxes.h"

namespace curfew::platform {
namespace {

MessageAnswer FirstButton(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel: return MessageAnswer::Ok;
    case MessageButtons::AbortRetryIgnore: return MessageAnswer::Abort;
    case MessageButtons::YesNoCancel:
    case MessageButtons::YesNo: return MessageAnswer::Yes;
    case MessageButtons::RetryCancel: return MessageAnswer::Retry;
  }
  return MessageAnswer::Ok;
}

}  // namespace

MessageAnswer ScriptedMessageBoxes::Show(std::string_view text, MessageButtons buttons, MessageIcon icon,
                                         std::string_view title) {
  shown_.push_back({std::string(text), buttons, icon, std::string(title)});
  if (script_.empty()) return FirstButton(buttons);
  const MessageAnswer answer = script_.front();
  script_.pop_front();
  return answer;
}

}  // namespace curfew::platform
