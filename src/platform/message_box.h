#pragma once

#include <string_view>

namespace curfew::platform {

enum class MessageButtons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageAnswer { Ok = 1, Cancel, Abort, Retry, Ignore, Yes, No };
// The button that Enter presses.
enum class DefaultButton { First, Second, Third };

// Modal message boxes. An empty title shows the application's own title.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual MessageAnswer Show(std::string_view text, MessageButtons buttons, MessageIcon icon, std::string_view title,
                             DefaultButton defaultButton = DefaultButton::First) = 0;
};

}  // namespace curfew::platform
