#include "platform/tray_click_filter.h"

namespace curfew::platform {
namespace {

constexpr int kLeftButtonDown = 513;
constexpr int kLeftButtonUp = 514;
constexpr int kLeftDoubleClick = 515;

}  // namespace

void TrayClickFilter::Notify(int mouseMessage) {
  if (mouseMessage == kLeftButtonDown) dropNextLeftUp_ = false;  // a new click: the last one ended
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
    // The click waiting for the menu was the double click's first half.
    clickPending_ = false;
    dropNextLeftUp_ = true;
    wait_(false);
  }
  deliver_(mouseMessage);
}

void TrayClickFilter::WaitOver() {
  wait_(false);
  if (!clickPending_) return;
  clickPending_ = false;
  deliver_(kLeftButtonUp);
}

}  // namespace curfew::platform
