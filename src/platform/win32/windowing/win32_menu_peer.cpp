#include "platform/win32/text_conversion.h"
#include "platform/win32/windowing/win32_control_peers.h"
#include "platform/win32/windowing/win32_dark_menu.h"
#include "platform/win32/windowing/win32_form_peer.h"
#include "platform/windowing/access_keys.h"

namespace curfew::platform::win32 {
namespace {

bool HasSubEntries(const ui::Control& menu) {
  for (const ui::Control* other : menu.Parent().Controls())
    if (other->Container() == &menu) return true;
  return false;
}

// The entry's caption as its menu shows it, with an access key that no other entry of the
// same menu uses.
std::string CaptionWithAccessKey(const ui::Control& entry) {
  std::vector<std::string> captions;
  std::size_t mine = 0;
  for (const ui::Control* other : entry.Parent().Controls()) {
    if (other->Kind() != ui::ControlKind::Menu || other->Container() != entry.Container()) continue;
    if (other == &entry) mine = captions.size();
    captions.push_back(other->Caption());
  }
  return ui::WithAccessKeys(captions)[mine];
}

}  // namespace

Win32MenuPeer::Win32MenuPeer(Win32FormPeer& form, ui::Control& control) : form_(form), control_(control) {
  commandId_ = form_.RegisterCommand(*this);
  if (HasSubEntries(control_)) popup_ = CreatePopupMenu();
  if (const ui::Control* parent = control_.Container()) {
    const auto* parentPeer = static_cast<const Win32ControlPeer*>(parent->Peer());
    owner_ = parentPeer ? parentPeer->Popup() : nullptr;
  } else if (control_.Visible()) {
    owner_ = form_.MenuBar();
  }
  if (!owner_) {
    ownPopup_.reset(popup_);
    return;
  }
  const std::wstring caption = Utf8ToWide(CaptionWithAccessKey(control_));
  if (control_.Caption() == "-") {
    AppendMenuW(owner_, MF_SEPARATOR, commandId_, nullptr);
  } else {
    AppendMenuW(owner_, popup_ ? MF_POPUP | MF_STRING : MF_STRING,
                popup_ ? reinterpret_cast<UINT_PTR>(popup_) : commandId_, caption.c_str());
  }
  Sync(ui::Aspect::Caption);
}

Win32MenuPeer::~Win32MenuPeer() { form_.Unregister(*this); }

std::wstring Win32MenuPeer::ShownCaption() const { return Utf8ToWide(CaptionWithAccessKey(control_)); }

bool Win32MenuPeer::InMenuBar() const { return owner_ && owner_ == form_.ExistingMenuBar(); }

bool Win32MenuPeer::OnMeasureItem(MEASUREITEMSTRUCT& item) {
  MeasureMenuEntry(item, ShownCaption(), Separator(), InMenuBar() ? MenuPlace::Bar : MenuPlace::Popup, form_.Dpi());
  return true;
}

bool Win32MenuPeer::OnDrawItem(const DRAWITEMSTRUCT& item) {
  DrawMenuEntry(item, ShownCaption(), Separator(), InMenuBar() ? MenuPlace::Bar : MenuPlace::Popup,
                form_.MenuColoursOfLook(), form_.Dpi());
  return true;
}

// In a dark look the entry is owner-drawn and its menu has the look's background; the item's
// data names the entry's command, which finds this peer again whatever the entry holds.
void Win32MenuPeer::Sync(ui::Aspect) {
  const HBRUSH background = form_.MenuBackground();
  MENUINFO menu{};
  menu.cbSize = sizeof(menu);
  menu.fMask = MIM_BACKGROUND;
  menu.hbrBack = background;
  if (popup_) SetMenuInfo(popup_, &menu);
  if (!owner_) return;
  if (InMenuBar()) SetMenuInfo(owner_, &menu);  // the bar beyond its entries
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STATE | MIIM_STRING | MIIM_FTYPE | MIIM_DATA;
  std::wstring caption = ShownCaption();
  info.dwTypeData = caption.data();
  info.fType = (Separator() ? MFT_SEPARATOR : MFT_STRING) | (background ? MFT_OWNERDRAW : 0);
  info.dwItemData = commandId_;
  info.fState = (control_.Enabled() ? MFS_ENABLED : MFS_DISABLED) | (control_.Value() ? MFS_CHECKED : MFS_UNCHECKED);
  if (Separator()) info.fMask &= ~static_cast<UINT>(MIIM_STRING);
  if (popup_) {
    // A sub-menu's item is found by its position: the command id belongs to its popup handle.
    const int count = GetMenuItemCount(owner_);
    for (int i = 0; i < count; ++i)
      if (GetSubMenu(owner_, i) == popup_) SetMenuItemInfoW(owner_, static_cast<UINT>(i), TRUE, &info);
  } else {
    SetMenuItemInfoW(owner_, commandId_, FALSE, &info);
  }
  if (owner_ == form_.MenuBar()) {
    DrawMenuBar(form_.Window());
    form_.ShowAccessKeys(nullptr);  // the buttons keep clear of the bar's keys
  }
}

void Win32MenuPeer::Refresh() {
  if (owner_ && owner_ == form_.MenuBar()) DrawMenuBar(form_.Window());
}

Win32TimerPeer::Win32TimerPeer(Win32FormPeer& form, ui::Timer& timer) : form_(form), timer_(timer) {
  Sync(ui::Aspect::Timer);
}

Win32TimerPeer::~Win32TimerPeer() { form_.StopTimer(timer_); }

void Win32TimerPeer::Sync(ui::Aspect aspect) {
  if (aspect != ui::Aspect::Enabled && aspect != ui::Aspect::Timer) return;
  if (timer_.Enabled() && timer_.Interval() > 0)
    form_.StartTimer(timer_);
  else
    form_.StopTimer(timer_);
}

}  // namespace curfew::platform::win32
