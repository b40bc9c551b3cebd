#include "platform/headless/scripted_message_boxes.h"

namespace curfew::platform {
namespace {

std::vector<MessageAnswer> ButtonsOf(MessageButtons buttons) {
  using enum MessageAnswer;
  switch (buttons) {
    case MessageButtons::Ok: return {Ok};
    case MessageButtons::OkCancel: return {Ok, Cancel};
    case MessageButtons::AbortRetryIgnore: return {Abort, Retry, Ignore};
    case MessageButtons::YesNoCancel: return {Yes, No, Cancel};
    case MessageButtons::YesNo: return {Yes, No};
    case MessageButtons::RetryCancel: return {Retry, Cancel};
  }
  return {Ok};
}

// What Enter answers: the default button, or the first where the box has fewer buttons.
MessageAnswer EnterAnswer(MessageButtons buttons, DefaultButton defaultButton) {
  const std::vector<MessageAnswer> all = ButtonsOf(buttons);
  const auto index = static_cast<std::size_t>(defaultButton);
  return index < all.size() ? all[index] : all.front();
}

}  // namespace

MessageAnswer ScriptedMessageBoxes::Show(std::string_view text, MessageButtons buttons, MessageIcon icon,
                                         std::string_view title, DefaultButton defaultButton) {
  shown_.push_back({std::string(text), buttons, icon, std::string(title), defaultButton});
  if (script_.empty()) return EnterAnswer(buttons, defaultButton);
  const MessageAnswer answer = script_.front();
  script_.pop_front();
  return answer;
}

}  // namespace curfew::platform
