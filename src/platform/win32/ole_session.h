#pragma once

#include <windows.h>
#include <ole2.h>

namespace curfew::platform::win32 {

// OLE for the user-interface thread, from the start of the program to its end: embedded
// controls (the web browser) and drag and drop need it. Once per thread.
class OleSession {
 public:
  OleSession() : initialized_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleSession() {
    if (initialized_) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;
  bool Initialized() const { return initialized_; }

 private:
  bool initialized_;
};

}  // namespace curfew::platform::win32
