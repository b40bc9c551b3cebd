#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_store.h"

namespace curfew {

// Stores the "Run at Windows Startup" choice and registers or removes the program in the
// machine-wide start-up list under the program name followed by "0". Where that list may not
// be written (a standard user), the program goes into the user's own start-up list, so that
// the check box never shows a start-up that does not happen.
// programFolder and exeName are where the running program lives (App.Path, App.EXEName).
void ApplyRunAtStart(int chkRunAtStartValue, const SettingsServices& services, std::string_view programFolder,
                     std::string_view exeName);

// The start-up command: folder, backslash, base name, and ".exe" unless the text has it in any
// letter case. Not quoted, no arguments.
std::string StartupCommand(std::string_view programFolder, std::string_view exeName);

// The installer's way to the same choice: "/StartWithWindows=1" or "/StartWithWindows=0" among
// the program's arguments (the name in any letter case). nullopt when no argument is that
// switch with one of those two values; the program then starts as usual.
std::optional<int> StartWithWindowsSwitch(const std::vector<std::string>& arguments);

}  // namespace curfew
