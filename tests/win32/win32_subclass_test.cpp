// The program's subclass chain on real windows: the order links see a message in, what passing
// it on reaches, and what removing links leaves.
#include "platform/win32/windowing/win32_subclass.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/unique_handle.h"

namespace curfew::platform::win32 {
namespace {

struct Trace {
  std::string seen;
};

template <char Mark>
LRESULT Record(Trace& trace, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER) trace.seen += Mark;
  return PassOn(window, message, wParam, lParam);
}

LRESULT Answer(Trace& trace, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_USER) return PassOn(window, message, wParam, lParam);
  trace.seen += 'x';
  return 42;  // not passed on
}

using First = Subclass<Trace, Record<'a'>>;
using Second = Subclass<Trace, Record<'b'>>;
using Stopper = Subclass<Trace, Answer>;

class Win32SubclassTest : public testing::Test {
 protected:
  WindowHandle window_{CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr)};
  Trace trace_;
};

TEST_F(Win32SubclassTest, TheLastLinkSeesAMessageFirstAndPassingOnReachesTheWindow) {
  const auto own = GetWindowLongPtrW(window_.get(), GWLP_WNDPROC);
  ASSERT_TRUE(First::Install(window_.get(), SubclassId::FieldEdge, trace_));
  ASSERT_TRUE(Second::Install(window_.get(), SubclassId::KeyPress, trace_));
  SendMessageW(window_.get(), WM_USER, 0, 0);
  EXPECT_EQ(trace_.seen, "ba");
  EXPECT_EQ(SendMessageW(window_.get(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"text")), TRUE);
  wchar_t text[8] = {};
  GetWindowTextW(window_.get(), text, 8);
  EXPECT_STREQ(text, L"text") << "the window's own procedure still answers";

  First::Remove(window_.get(), SubclassId::FieldEdge);
  SendMessageW(window_.get(), WM_USER, 0, 0);
  EXPECT_EQ(trace_.seen, "bab");
  Second::Remove(window_.get(), SubclassId::KeyPress);
  EXPECT_EQ(GetWindowLongPtrW(window_.get(), GWLP_WNDPROC), own) << "the last link gone, the window is as it was";
}

TEST_F(Win32SubclassTest, ALinkThatAnswersStopsTheMessageAndTheChainGoesWithTheWindow) {
  ASSERT_TRUE(First::Install(window_.get(), SubclassId::FieldEdge, trace_));
  ASSERT_TRUE(Stopper::Install(window_.get(), SubclassId::PowerBroadcast, trace_));
  EXPECT_EQ(SendMessageW(window_.get(), WM_USER, 0, 0), 42);
  EXPECT_EQ(trace_.seen, "x");
  window_.reset();
  // A new window may get the same handle: it starts with no links of the old one.
  const WindowHandle next(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
  SendMessageW(next.get(), WM_USER, 0, 0);
  EXPECT_EQ(trace_.seen, "x");
}

}  // namespace
}  // namespace curfew::platform::win32
