#include "ui/app_fixture.h"

#include "support/schedule_text.h"

namespace curfew::test {

AppFixture::AppFixture(LocalDateTime startTime)
    : clock(runtime, startTime),
      services{runtime,
               files,
               clock,
               locale,
               registry,
               power,
               powerFilter,
               tray,
               process,
               versionInfo,
               internet,
               skin,
               "http://languages.test"},
      start(startTime) {
  folder.Write("data/.keep", "");
  // A user who has chosen a language already: the first-run steps are tests of their own.
  registry.Put(platform::RegistryRoot::CurrentUser, "Software\\Curfew Team\\Curfew\\Settings", "Language",
               platform::kRegistryString, "English");
  registry.Put(platform::RegistryRoot::CurrentUser, "Software\\Curfew Team\\Curfew\\Settings", "showHelp",
               platform::kRegistryString, "0");
}

LocalDateTime AppFixture::At(int y, unsigned m, unsigned d, int hour, int minute, int second) {
  using namespace std::chrono;
  return {year_month_day{year(y), month(m), day(d)}, {hour, minute, second}};
}

void AppFixture::Start() {
  app = std::make_unique<Application>(services);
  app->Start();
  runtime.Advance(frmSplash::kSplashMilliseconds);
  app->context.FinishScheduleLoad();  // read on a thread: the tests go on from the listed rows
}

std::unique_ptr<Application> AppFixture::Restart() {
  auto next = std::make_unique<Application>(services);
  next->Start();
  runtime.Advance(frmSplash::kSplashMilliseconds);
  next->context.FinishScheduleLoad();
  return next;
}

void AppFixture::WriteSchedule(const std::string& name, const std::string& type, const std::string& startDate,
                               const std::string& startTime, bool repeat, int mode, const std::string& period) {
  folder.Write("data/" + name + ".sch", ScheduleText(type, startDate, startTime, repeat, mode, period));
}

void AppFixture::AdvanceTo(int hour, int minute, int second) {
  const LocalDateTime now = clock.Now();
  const long long target = hour * 3600LL + minute * 60 + second;
  const long long current = now.time.hour * 3600LL + now.time.minute * 60 + now.time.second;
  long long seconds = target - current;
  if (seconds <= 0) seconds += 86400;
  runtime.Advance(seconds * 1000);
}

}  // namespace curfew::test
