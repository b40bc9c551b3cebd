#include "settings/apply_run_at_start.h"

#include "platform/ascii.h"
#include "settings/add_remove.h"

namespace curfew {

std::string StartupCommand(std::string_view programFolder, std::string_view exeName) {
  std::string command = std::string(programFolder) + "\\" + std::string(exeName);
  if (ascii::ToLower(command).find(".exe") == std::string::npos) command += ".exe";
  return command;
}

void ApplyRunAtStart(int chkRunAtStartValue, const SettingsServices& services, std::string_view programFolder,
                     std::string_view exeName) {
  const std::string& programName = services.identity.strProgramName;
  const std::string startName = programName + "0";
  SaveSettingValue(services, startName, "Settings", "chkRunAtStart", std::to_string(chkRunAtStartValue));

  AddRemove addRemove(services.registry, services.identity);
  const std::string command = StartupCommand(programFolder, exeName);
  if (chkRunAtStartValue == 1) {
    if (addRemove.AddToRun2(startName, command))
      addRemove.RemoveFromRun(startName);
    else
      addRemove.AddToRun(startName, command);
  } else {
    addRemove.RemoveFromRun2(startName);
    addRemove.RemoveFromRun(startName);
  }
  addRemove.RemoveFromRun2(programName + "1");
}

std::optional<int> StartWithWindowsSwitch(const std::vector<std::string>& arguments) {
  constexpr std::string_view kSwitch = "/startwithwindows=";
  for (const std::string& argument : arguments) {
    const std::string lower = ascii::ToLower(argument);
    if (lower == std::string(kSwitch) + "1") return 1;
    if (lower == std::string(kSwitch) + "0") return 0;
  }
  return std::nullopt;
}

}  // namespace curfew
