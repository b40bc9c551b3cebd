#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/app_fixture.h"
#include "ui/frm_main.h"

namespace curfew::test {

using Calls = std::vector<std::string>;

inline constexpr const char* kMachineSettings = "SOFTWARE\\Curfew Team\\Curfew\\Settings";
inline constexpr const char* kUserSettings = "Software\\Curfew Team\\Curfew\\Settings";

// The program started on the headless back end, with what the main window's tests look at.
class MainWindowTest : public testing::Test, public AppFixture {
 protected:
  frmMain& Main() { return app->main; }
  void SetMachine(const char* key, const char* value) {
    registry.Put(platform::RegistryRoot::LocalMachine, kMachineSettings, key, platform::kRegistryString, value);
  }
  Calls PowerActions() const {
    Calls actions;
    for (const std::string& call : power.calls())
      if (call.starts_with("ExitWindowsEx") || call.starts_with("SetSuspendState") || call == "TurnDisplayOff")
        actions.push_back(call);
    return actions;
  }
};

}  // namespace curfew::test
