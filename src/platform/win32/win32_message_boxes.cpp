#include "platform/win32/win32_message_boxes.h"

#include <windows.h>

#include "platform/win32/dark_message_box.h"
#include "platform/win32/text_conversion.h"

namespace curfew::platform::win32 {
namespace {

UINT ButtonStyle(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok: return MB_OK;
    case MessageButtons::OkCancel: return MB_OKCANCEL;
    case MessageButtons::AbortRetryIgnore: return MB_ABORTRETRYIGNORE;
    case MessageButtons::YesNoCancel: return MB_YESNOCANCEL;
    case MessageButtons::YesNo: return MB_YESNO;
    case MessageButtons::RetryCancel: return MB_RETRYCANCEL;
  }
  return MB_OK;
}

UINT IconStyle(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::None: return 0;
    case MessageIcon::Critical: return MB_ICONERROR;
    case MessageIcon::Question: return MB_ICONQUESTION;
    case MessageIcon::Exclamation: return MB_ICONWARNING;
    case MessageIcon::Information: return MB_ICONINFORMATION;
  }
  return 0;
}

UINT DefaultStyle(DefaultButton defaultButton) {
  switch (defaultButton) {
    case DefaultButton::First: return MB_DEFBUTTON1;
    case DefaultButton::Second: return MB_DEFBUTTON2;
    case DefaultButton::Third: return MB_DEFBUTTON3;
  }
  return MB_DEFBUTTON1;
}

}  // namespace

MessageAnswer Win32MessageBoxes::Show(std::string_view text, MessageButtons buttons, MessageIcon icon,
                                      std::string_view title, DefaultButton defaultButton) {
  const std::wstring wideText = Utf8ToWide(text);
  const std::wstring wideTitle = Utf8ToWide(title.empty() ? std::string_view(applicationTitle_) : title);
  // Over a window in a dark look the box is dressed in that look while it is shown.
  const HWND owner = GetActiveWindow();
  std::optional<DarkMessageBox> dark;
  if (lookOf) {
    if (const auto look = lookOf(owner)) dark.emplace(*look);
  }
  const int answer =
      MessageBoxW(owner, wideText.c_str(), wideTitle.c_str(),
                  ButtonStyle(buttons) | IconStyle(icon) | DefaultStyle(defaultButton) | MB_SETFOREGROUND);
  // IDOK..IDNO are 1..7 in the same order as MessageAnswer.
  return answer >= IDOK && answer <= IDNO ? static_cast<MessageAnswer>(answer) : MessageAnswer::Cancel;
}

}  // namespace curfew::platform::win32
