// The main window's tray icon: the routine that keeps it there, its tip, its clicks and the
// window's way back from the tray.
#include "ui/frm_main.h"
#include "ui/tray_tip.h"

namespace curfew {
namespace {

constexpr int kTrayReassertMs = 15000;
constexpr int kTrayRetryMs = 5000;

enum TrayMouse { kMouseMove = 512, kLeftDown, kLeftUp, kLeftDoubleClick, kRightDown, kRightUp };

}  // namespace

void frmMain::TrayIconRoutine() {
  const std::string tip = TrayTipNow();
  trayTipShown_ = tip;
  if (services_.tray.Modify(tip)) {
    tmrTrayIcon.SetInterval(kTrayReassertMs);
    return;
  }
  tmrTrayIcon.SetInterval(services_.tray.Add(tip) ? kTrayReassertMs : kTrayRetryMs);
}

// Nothing runs while schedules are prevented: the tip then promises nothing either.
std::string frmMain::TrayTipNow() const {
  std::optional<ComingAction> coming;
  if (chkPrevent.Value() != 1) {
    if (const auto next = context_.Schedules().NextAction())
      coming = ComingAction{context_.Schedules().At(next->index).action, next->at};
  }
  clsLanguages& languages = context_.Languages();
  return TrayTip(identity_.strProgramName, coming, languages.getMessages("MSG_NEXTACTION"), services_.clock.Now(),
                 services_.locale, chkLowPower.Value() == 1 ? languages.getMessages("MSG_TIPAWAKE") : "");
}

void frmMain::ShowNextActionInTray() {
  // The tip changes only with the list, the minute or the prevention: twice a second it is not
  // worked out again for nothing.
  const LocalDateTime now = services_.clock.Now();
  const TipBasis basis{Schedules().Revision(),  now.date, now.time.hour, now.time.minute, chkPrevent.Value() == 1,
                       chkLowPower.Value() == 1};
  if (basis == tipBasis_) return;
  tipBasis_ = basis;
  std::string tip = TrayTipNow();
  if (tip == trayTipShown_) return;
  // An icon that is not there takes the tip when the tray routine adds it again.
  if (services_.tray.Modify(tip)) trayTipShown_ = std::move(tip);
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
