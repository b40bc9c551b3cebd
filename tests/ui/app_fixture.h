#pragma once

#include <memory>

#include "appearance/fixed_skin.h"
#include "platform/headless/fixed_version_info.h"
#include "platform/headless/headless_runtime.h"
#include "platform/headless/memory_registry.h"
#include "platform/headless/recorded_power_system.h"
#include "platform/headless/recorded_shell.h"
#include "platform/headless/runtime_clock.h"
#include "platform/headless/scripted_internet.h"
#include "platform/headless/simulated_power_broadcast.h"
#include "platform/host/host_file_system.h"
#include "platform/host/pattern_locale.h"
#include "support/temp_folder.h"
#include "ui/application.h"

namespace curfew::test {

// The whole program on the headless back end: a data folder on disk, the registry in memory,
// the clock on the runtime's virtual time (starting Tuesday 8 December 2026, 10:00:00), power
// calls recorded.
class AppFixture {
 public:
  explicit AppFixture(LocalDateTime start = At(2026, 12, 8, 10, 0, 0));

  static LocalDateTime At(int y, unsigned m, unsigned d, int hour, int minute, int second);

  // Starts the program and lets the splash run its course.
  void Start();
  // Builds a second program on the same disk and registry (the next start).
  std::unique_ptr<Application> Restart();
  void WriteSchedule(const std::string& name, const std::string& type, const std::string& startDate,
                     const std::string& startTime, bool repeat, int mode, const std::string& period = "");
  void AdvanceTo(int hour, int minute, int second);
  std::string NextRunOf(int row) const { return app->main.lstSchedules.SubItem(row, 3); }

  TempFolder folder;
  platform::HostFileSystem files{folder.path()};
  ui::HeadlessRuntime runtime;
  platform::RuntimeClock clock;
  platform::PatternLocale locale;
  platform::MemoryRegistry registry;
  platform::RecordedPowerSystem power;
  platform::SimulatedPowerBroadcast powerFilter;
  platform::RecordedTray tray;
  platform::RecordedProcess process;
  platform::FixedVersionInfo versionInfo{{"Curfew", "Curfew Team", "curfew.example.org", 1, 0}};
  platform::ScriptedInternet internet;
  FixedSkin skin{{0x111111, 0x222222, 0x333333}};
  AppServices services;
  std::unique_ptr<Application> app;
  LocalDateTime start;
};

}  // namespace curfew::test
