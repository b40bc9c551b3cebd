#include "platform/win32/windowing/win32_subclass.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace curfew::platform::win32 {
namespace {

struct Entry {
  SubclassId id;
  subclass_chain::Link link;  // null once removed
  void* context;
};

struct Chain {
  WNDPROC original = nullptr;
  std::vector<Entry> entries;  // in the order they were added
  int dispatching = 0;         // messages of this window under way
  bool destroyed = false;      // WM_NCDESTROY came: the handle may soon name another window
};

// A message under way: the window and how many entries, counted from the first, it may still
// reach.
struct Frame {
  HWND window;
  std::size_t remaining;
};

// A window's procedure runs on the thread that made the window: each thread keeps its own.
thread_local std::unordered_map<HWND, Chain> chains;
thread_local std::vector<Frame> frames;

LRESULT CALLBACK ChainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The next live entry below the frame's position, or the window's own procedure.
LRESULT Next(Chain& chain, Frame& frame, UINT message, WPARAM wParam, LPARAM lParam) {
  while (frame.remaining > 0) {
    const Entry& entry = chain.entries[--frame.remaining];
    if (entry.link) return entry.link(entry.context, frame.window, message, wParam, lParam);
  }
  return CallWindowProcW(chain.original, frame.window, message, wParam, lParam);
}

// Takes the chain off the window when nothing of it is left or the window is going.
void Retire(HWND window, Chain& chain) {
  if (chain.dispatching > 0) return;
  const bool destroyed = chain.destroyed;
  const bool empty = std::none_of(chain.entries.begin(), chain.entries.end(), [](const Entry& e) { return e.link; });
  if (!destroyed && !empty) return;
  // A later subclass of someone else's keeps ours beneath it, passing everything on.
  if (!destroyed && reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) != &ChainProc) return;
  if (!destroyed) SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(chain.original));
  chains.erase(window);
}

LRESULT CALLBACK ChainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto found = chains.find(window);
  if (found == chains.end()) return DefWindowProcW(window, message, wParam, lParam);
  Chain& chain = found->second;
  ++chain.dispatching;
  frames.push_back({window, chain.entries.size()});
  LRESULT result = 0;
  try {
    result = Next(chain, frames.back(), message, wParam, lParam);
  } catch (...) {
    result = 0;  // the links are guarded; the window's own procedure throws nothing of ours
  }
  frames.pop_back();
  --chain.dispatching;
  if (message == WM_NCDESTROY) chain.destroyed = true;
  Retire(window, chain);
  return result;
}

}  // namespace

namespace subclass_chain {

bool Add(HWND window, SubclassId id, Link link, void* context) {
  if (!window) return false;
  auto [found, made] = chains.try_emplace(window);
  Chain& chain = found->second;
  if (made) {
    chain.original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    if (!chain.original || !SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ChainProc))) {
      chains.erase(found);
      return false;
    }
  }
  for (Entry& entry : chain.entries) {
    if (entry.id == id && entry.link) {
      entry.link = link;  // the same subclass again: its context is the new one
      entry.context = context;
      return true;
    }
  }
  chain.entries.push_back({id, link, context});
  return true;
}

void Remove(HWND window, SubclassId id) {
  const auto found = chains.find(window);
  if (found == chains.end()) return;
  for (Entry& entry : found->second.entries)
    if (entry.id == id) entry.link = nullptr;
  Retire(window, found->second);
}

}  // namespace subclass_chain

LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto frame =
      std::find_if(frames.rbegin(), frames.rend(), [window](const Frame& f) { return f.window == window; });
  const auto chain = chains.find(window);
  if (frame == frames.rend() || chain == chains.end()) return DefWindowProcW(window, message, wParam, lParam);
  // The frame goes on from here for this call only: a handler may pass on more than once.
  const std::size_t position = frame->remaining;
  const std::size_t index = static_cast<std::size_t>(frames.rend() - frame) - 1;
  const LRESULT result = Next(chain->second, frames[index], message, wParam, lParam);
  frames[index].remaining = position;
  return result;
}

}  // namespace curfew::platform::win32
