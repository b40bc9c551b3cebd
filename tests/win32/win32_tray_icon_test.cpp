#include "platform/win32/win32_tray_icon.h"

#include <gtest/gtest.h>

#include <vector>

namespace curfew::platform::win32 {
namespace {

// What the shell posts to the icon's window for a mouse message on the icon.
void ShellNotifies(HWND window, int mouseMessage) { SendMessageW(window, WM_LBUTTONDOWN, 9999, mouseMessage); }

// Lets the icon's window handle its messages for a while (its double-click wait among them).
void RunMessagesFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  MSG message{};
  while (GetTickCount() - start < milliseconds) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(5);
  }
}

TEST(Win32TrayIcon, ADoubleClickNeverOpensTheMenuAndASingleClickDoesAfterTheWait) {
  Win32TrayIcon tray;
  std::vector<int> notified;
  tray.onNotify = [&](int mouseMessage) { notified.push_back(mouseMessage); };
  const HWND window = FindWindowW(L"CurfewTrayWindow", nullptr);
  ASSERT_NE(window, nullptr);
  for (int message : {513, 514, 515, 514}) ShellNotifies(window, message);
  RunMessagesFor(GetDoubleClickTime() + 200);
  EXPECT_EQ(notified, (std::vector<int>{513, 515}));

  notified.clear();
  ShellNotifies(window, 514);
  EXPECT_TRUE(notified.empty()) << "a button-up waits for the double-click time";
  RunMessagesFor(GetDoubleClickTime() + 200);
  EXPECT_EQ(notified, std::vector<int>{514});

  // A double click whose button is let go only after the double-click time: the window opens,
  // and no menu follows.
  notified.clear();
  for (int message : {513, 514, 515}) ShellNotifies(window, message);
  RunMessagesFor(GetDoubleClickTime() + 200);
  ShellNotifies(window, 514);
  RunMessagesFor(GetDoubleClickTime() + 200);
  EXPECT_EQ(notified, (std::vector<int>{513, 515}));
}

TEST(Win32TrayIcon, TheTipHoldsAtMostSixtyThreeCharacters) {
  EXPECT_EQ(TrayTipField(std::string(70, 'x')), std::string(63, 'x'));
  EXPECT_EQ(TrayTipField("Curfew"), "Curfew");
}

}  // namespace
}  // namespace curfew::platform::win32
