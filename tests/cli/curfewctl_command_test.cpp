#include "cli/curfewctl_command.h"

#include <gtest/gtest.h>

#include "platform/headless/fixed_clock.h"
#include "platform/host/host_file_system.h"
#include "platform/host/pattern_locale.h"
#include "support/temp_folder.h"

namespace curfew::cli {
namespace {

using namespace std::chrono;

std::string Schedule(const std::string& type, const std::string& enabled, const std::string& startDate,
                     const std::string& repeat, const std::string& accuracy, const std::string& period) {
  return "<DATA>\r\nLastRunTime=\r\nItemType=" + type + "\r\nEnabled=" + enabled +
         "\r\n</DATA>\r\n\r\n<SCHEDULER>\r\nStartDate=" + startDate + "\r\nStartTime=23:30:00\r\nRepeat=" + repeat +
         "\r\nSAccurancy=" + accuracy + "\r\nPeriod=" + period +
         "\r\nRunOnStart=0\r\nRunOnEnd=0\r\n</SCHEDULER>\r\n\r\n";
}

class CurfewctlTest : public testing::Test {
 protected:
  CurfewctlTest() {
    program_.Write("data/Fridays.sch", Schedule("Shut Down", "1", "12/1/2026", "-1", "1", "fri"));
    program_.Write("data/Once.sch", Schedule("Reboot", "0", "12/24/2026", "0", "0", ""));
  }

  int Run(std::vector<std::string> arguments) {
    out_.clear();
    err_.clear();
    return RunCurfewctl(arguments, {files_, clock_, locale_}, out_, err_);
  }

  test::TempFolder program_;
  platform::HostFileSystem files_{program_.path()};
  platform::FixedClock clock_{{year_month_day{year(2026), month(12), day(8)}, {10, 0, 0}}};
  platform::PatternLocale locale_;
  std::string out_;
  std::string err_;
};

TEST_F(CurfewctlTest, ListsTheDataFolderBesideTheProgram) {
  EXPECT_EQ(Run({"list"}), kExitOk);
  EXPECT_EQ(out_,
            "Fridays\tShut Down\t\t12/11/2026 23:30:00\tYes\n"
            "Once\tReboot\t\t\tNo\n")
      << "a schedule switched off keeps its start but has no next run";
  EXPECT_EQ(err_, "");
}

TEST_F(CurfewctlTest, TakesTheTimeTheFolderAndTheDateForm) {
  test::TempFolder other;
  other.Write("Monthly.sch", Schedule("Hibernate", "1", "01.12.2026", "-1", "2", "1,15"));
  EXPECT_EQ(Run({"list", "--data", other.path(), "--now=2026-12-20 08:00:00", "--date-format", "dd.MM.yyyy"}), kExitOk);
  EXPECT_EQ(out_, "Monthly\tHibernate\t\t01.01.2027 23:30:00\tYes\n");
  EXPECT_EQ(Run({"list", "--data=" + other.path() + "\\", "--now", "2026-12-20T08:00:00", "--date-format=d.M.yyyy"}),
            kExitOk);
  EXPECT_EQ(out_, "Monthly\tHibernate\t\t1.1.2027 23:30:00\tYes\n");
}

TEST_F(CurfewctlTest, KeepsOneLinePerSchedule) {
  program_.Write("data/Odd.sch", "<DATA>\r\nItemType=Log\tOff\nnow\r\nEnabled=1\r\n</DATA>\r\n");
  EXPECT_EQ(Run({"list", "--now", "2026-12-08 10:00:00"}), kExitOk);
  EXPECT_NE(out_.find("Odd\tLog Off now\t\t\tYes\n"), std::string::npos) << out_;
}

TEST_F(CurfewctlTest, EmptyFolderPrintsNothing) {
  test::TempFolder empty;
  EXPECT_EQ(Run({"list", "--data", empty.path()}), kExitOk);
  EXPECT_EQ(out_, "");
}

struct UsageCase {
  std::vector<std::string> arguments;
  const char* messagePart;
};

void PrintTo(const UsageCase& c, std::ostream* out) { *out << c.messagePart; }

class CurfewctlUsage : public CurfewctlTest, public testing::WithParamInterface<UsageCase> {};

TEST_P(CurfewctlUsage, NamesTheProblemOnOneLineAndExitsWithTwo) {
  EXPECT_EQ(Run(GetParam().arguments), kExitUsage);
  EXPECT_EQ(out_, "");
  const std::string message = err_;
  EXPECT_TRUE(message.starts_with("curfewctl: ")) << message;
  EXPECT_NE(message.find(GetParam().messagePart), std::string::npos) << message;
  EXPECT_EQ(message.find('\n'), message.size() - 1) << "one line";
}

INSTANTIATE_TEST_SUITE_P(Arguments, CurfewctlUsage,
                         testing::Values(UsageCase{{}, "no command"}, UsageCase{{"show"}, "unknown command 'show'"},
                                         UsageCase{{"list", "--verbose"}, "unknown option '--verbose'"},
                                         UsageCase{{"list", "extra"}, "unexpected argument 'extra'"},
                                         UsageCase{{"list", "--data", "no-such-folder"},
                                                   "data folder 'no-such-folder' does not exist"},
                                         UsageCase{{"list", "--data"}, "--data needs a value"},
                                         UsageCase{{"list", "--now", "tomorrow"}, "cannot read --now 'tomorrow'"},
                                         UsageCase{{"list", "--now", "2026-02-30 10:00:00"}, "cannot read --now"},
                                         UsageCase{{"list", "--now", "2026-12-08 24:00:00"}, "cannot read --now"},
                                         UsageCase{{"list", "--date-format", "yyyy"}, "--date-format 'yyyy'"}));

TEST_F(CurfewctlTest, HelpPrintsUsage) {
  EXPECT_EQ(Run({"--help"}), kExitOk);
  EXPECT_NE(out_.find("Usage: curfewctl list"), std::string::npos);
  EXPECT_EQ(Run({"list", "--data", "no-such-folder", "--help"}), kExitOk) << "help wins over other problems";
}

}  // namespace
}  // namespace curfew::cli
