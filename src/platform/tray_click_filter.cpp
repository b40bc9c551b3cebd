#include "platform/tray_click_filter.h"

namespace curfew::platform {
namespace {

constexpr int kLeftButtonUp = 514;
constexpr int kLeftDoubleClick = 515;

}  // namespace

void TrayClickFilter::Notify(int mouseMessage) {
  if (mouseMessage == kLeftButtonUp) {
    if (dropNextLeftUp_) {
      dropNextLeftUp_ = false;
      return;
    }
    clickPending_ = true;
    wait_(true);
    return;
  }
  if (mouseMessage == kLeftDoubleClick) {
    // The click waiting for the menu was the double click's first half. The button-up that
    // ends the double click is dropped if it comes within the double-click time.
    clickPending_ = false;
    dropNextLeftUp_ = true;
    wait_(true);
  }
  deliver_(mouseMessage);
}

void TrayClickFilter::WaitOver() {
  wait_(false);
  dropNextLeftUp_ = false;
  if (!clickPending_) return;
  clickPending_ = false;
  deliver_(kLeftButtonUp);
}

}  // namespace curfew::platform
