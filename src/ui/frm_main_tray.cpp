// The main window's tray icon: the routine that keeps it there, its tip, its clicks and the
// window's way back from the tray.
#include "ui/frm_main.h"

namespace curfew {
namespace {

constexpr int kTrayReassertMs = 15000;
constexpr int kTrayRetryMs = 5000;

enum TrayMouse { kMouseMove = 512, kLeftDown, kLeftUp, kLeftDoubleClick, kRightDown, kRightUp };

}  // namespace

void frmMain::TrayIconRoutine() {
  const std::string tip = trayTip_.Tip();
  trayTip_.TipGiven(tip);
  if (services_.tray.Modify(tip)) {
    tmrTrayIcon.SetInterval(kTrayReassertMs);
    return;
  }
  tmrTrayIcon.SetInterval(services_.tray.Add(tip) ? kTrayReassertMs : kTrayRetryMs);
}

void frmMain::pctTray_MouseDown(int x) {
  switch (x / 15) {
    case kLeftUp:
    case kRightUp: services_.runtime.PopupMenu(mnuTray); break;
    case kLeftDoubleClick: ShowAndActivate(); break;
    default: break;
  }
}

// A window that started in the tray was never minimised by the user: it comes back on the
// screen, restored, rather than as a task bar button alone.
void frmMain::RestoreIfMinimisedForStart() {
  if (!minimisedForStart_) return;
  minimisedForStart_ = false;
  if (GetWindowState() == ui::WindowState::Minimized) SetWindowState(ui::WindowState::Normal);
}

void frmMain::ShowAndActivate() {
  RestoreIfMinimisedForStart();
  if (!Visible()) Show();
  BringToFront();
}

void frmMain::OpenFromTray() {
  RestoreIfMinimisedForStart();
  if (!Visible()) {
    Show();
    SetWindowState(ui::WindowState::Maximized);
  }
  BringToFront();
}

}  // namespace curfew
