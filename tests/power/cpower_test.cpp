#include "power/cpower.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/headless/recorded_power_system.h"
#include "platform/headless/simulated_power_broadcast.h"
#include "power/mod_power.h"
#include "power/run_scheduled_action.h"

namespace curfew {
namespace {

using platform::RecordedPowerSystem;
using platform::SimulatedPowerBroadcast;
using Calls = std::vector<std::string>;

constexpr platform::NativeWindow kMainWindow = 0x1234;

// Runs one action as the scheduler does and returns the platform calls it made.
Calls CallsFor(std::string_view actionName, bool force, std::uint32_t platformId = platform::kPlatformWin32Nt) {
  RecordedPowerSystem power(platformId);
  SimulatedPowerBroadcast filter;
  std::optional<CPower> objPower;
  RunScheduledAction(actionName, force, [&]() -> CPower& {
    if (!objPower) objPower.emplace(power, filter);
    return *objPower;
  });
  return power.calls();
}

struct ActionCase {
  const char* name;
  bool force;
  const char* platformCall;
};

void PrintTo(const ActionCase& c, std::ostream* out) { *out << c.name << (c.force ? " forced" : ""); }

class PowerActionCalls : public testing::TestWithParam<ActionCase> {};

TEST_P(PowerActionCalls, EnableThePrivilegeThenMakeExactlyOneCall) {
  EXPECT_EQ(CallsFor(GetParam().name, GetParam().force), (Calls{"EnableShutdownPrivilege", GetParam().platformCall}));
}

TEST_P(PowerActionCalls, AskForNoPrivilegeOutsideTheNtFamily) {
  EXPECT_EQ(CallsFor(GetParam().name, GetParam().force, 1), Calls{GetParam().platformCall});
}

INSTANTIATE_TEST_SUITE_P(Actions, PowerActionCalls,
                         testing::Values(ActionCase{"Log Off", false, "ExitWindowsEx(0)"},
                                         ActionCase{"Log Off", true, "ExitWindowsEx(4)"},
                                         ActionCase{"Shut Down", false, "ExitWindowsEx(1)"},
                                         ActionCase{"Shut Down", true, "ExitWindowsEx(5)"},
                                         ActionCase{"Reboot", false, "ExitWindowsEx(2)"},
                                         ActionCase{"Reboot", true, "ExitWindowsEx(6)"},
                                         ActionCase{"Hibernate", false, "SetSuspendState(1, 0)"},
                                         ActionCase{"Hibernate", true, "SetSuspendState(1, 1)"},
                                         ActionCase{"Stand by", false, "SetSuspendState(0, 0)"},
                                         ActionCase{"Stand by", true, "SetSuspendState(0, 1)"}));

struct StandByCase {
  const char* name;
  platform::PowerCapabilities capabilities;
  Calls calls;
};

void PrintTo(const StandByCase& c, std::ostream* out) { *out << c.name; }

class StandByOn : public testing::TestWithParam<StandByCase> {};

TEST_P(StandByOn, SleepsTheWayTheMachineCan) {
  RecordedPowerSystem power;
  power.SetCapabilities(GetParam().capabilities);
  SimulatedPowerBroadcast filter;
  CPower objPower(power, filter);
  EXPECT_EQ(objPower.ShutDown(kPowerStandBy, false), std::nullopt);
  EXPECT_EQ(power.calls(), GetParam().calls);
}

const Calls kSuspends{"EnableShutdownPrivilege", "SetSuspendState(0, 0)"};

INSTANTIATE_TEST_SUITE_P(Machines, StandByOn,
                         testing::Values(StandByCase{"classic sleep", {true, false}, kSuspends},
                                         StandByCase{"both", {true, true}, kSuspends},
                                         StandByCase{"Modern Standby alone", {false, true}, Calls{"TurnDisplayOff"}},
                                         StandByCase{"neither: the system answers", {false, false}, kSuspends}));

class RefusedAction : public testing::TestWithParam<const char*> {};

TEST_P(RefusedAction, ComesBackWithTheSystemsReason) {
  RecordedPowerSystem power;
  SimulatedPowerBroadcast filter;
  std::optional<CPower> objPower;
  power.RefuseActions(5);
  const auto refusal = RunScheduledAction(GetParam(), true, [&]() -> CPower& {
    if (!objPower) objPower.emplace(power, filter);
    return *objPower;
  });
  ASSERT_TRUE(refusal);
  EXPECT_EQ(PowerActionName(refusal->action), GetParam());
  EXPECT_EQ(refusal->reason, "Access is denied.");
}

INSTANTIATE_TEST_SUITE_P(Actions, RefusedAction,
                         testing::Values("Log Off", "Shut Down", "Reboot", "Stand by", "Hibernate"));

// A privilege the account cannot have counts only when the action itself is then refused.
TEST(RefusedPrivilege, IsToldThroughTheActionsOwnRefusal) {
  RecordedPowerSystem power;
  SimulatedPowerBroadcast filter;
  CPower objPower(power, filter);
  power.RefusePrivilege(1300);
  EXPECT_EQ(objPower.ShutDown(kPowerLogOff, false), std::nullopt) << "log off needs no privilege";
  power.RefuseActions(1314);
  EXPECT_EQ(objPower.ShutDown(kPowerShutDown, false),
            (PowerRefusal{kPowerShutDown, "A required privilege is not held by the client."}));
}

class UnknownActionName : public testing::TestWithParam<const char*> {};

TEST_P(UnknownActionName, DoesNothingAndCreatesNoPowerObject) {
  bool asked = false;
  RunScheduledAction(GetParam(), true, [&]() -> CPower& {
    asked = true;
    throw std::logic_error("the power object must not be needed");
  });
  EXPECT_FALSE(asked);
  EXPECT_EQ(PowerActionCodeOf(GetParam()), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Names, UnknownActionName,
                         testing::Values("shut down", "SHUT DOWN", "Shut down", "Stand By", "Standby", "log off",
                                         "Hibernate ", " Reboot", "", "Restart"));

TEST(PowerActionTable, MapsTheFiveNamesToTheirCodes) {
  EXPECT_EQ(PowerActionCodeOf("Log Off"), kPowerLogOff);
  EXPECT_EQ(PowerActionCodeOf("Shut Down"), kPowerShutDown);
  EXPECT_EQ(PowerActionCodeOf("Reboot"), kPowerReboot);
  EXPECT_EQ(PowerActionCodeOf("Hibernate"), kPowerHibernate);
  EXPECT_EQ(PowerActionCodeOf("Stand by"), kPowerStandBy);
  EXPECT_EQ(static_cast<int>(kPowerLogOff), 0);
  EXPECT_EQ(static_cast<int>(kPowerShutDown), 1);
  EXPECT_EQ(static_cast<int>(kPowerReboot), 2);
  EXPECT_EQ(static_cast<int>(kPowerHibernate), 5);
  EXPECT_EQ(static_cast<int>(kPowerStandBy), 6);
}

TEST(HibernationAvailable, FollowsTheHibernationFile) {
  RecordedPowerSystem power;
  EXPECT_FALSE(HibernationAvailable(power));
  power.SetHibernationFile(true);
  EXPECT_TRUE(HibernationAvailable(power));
}

TEST(RunScheduledAction, CreatesThePowerObjectOnceAndReusesIt) {
  RecordedPowerSystem power;
  SimulatedPowerBroadcast filter;
  std::optional<CPower> objPower;
  int created = 0;
  const auto obtain = [&]() -> CPower& {
    if (!objPower) {
      objPower.emplace(power, filter);
      ++created;
    }
    return *objPower;
  };
  RunScheduledAction("Reboot", true, obtain);
  RunScheduledAction("Shut Down", true, obtain);
  EXPECT_EQ(created, 1);
  EXPECT_EQ(power.calls(),
            (Calls{"EnableShutdownPrivilege", "ExitWindowsEx(6)", "EnableShutdownPrivilege", "ExitWindowsEx(5)"}));
}

class SuspendPrevention : public testing::Test {
 protected:
  SuspendPrevention() {
    objPower_.emplace(power_, filter_);
    objPower_->Initialize(kMainWindow);
  }

  RecordedPowerSystem power_;
  SimulatedPowerBroadcast filter_;
  std::optional<CPower> objPower_;
};

using namespace platform::execution_state;

TEST_F(SuspendPrevention, IsOffAtStart) {
  EXPECT_FALSE(objPower_->DisableSuspend());
  EXPECT_FALSE(filter_.Installed());
  EXPECT_EQ(filter_.SendPowerBroadcast(0), SimulatedPowerBroadcast::kOwnProcedureAnswer);
  EXPECT_TRUE(power_.calls().empty());
}

TEST_F(SuspendPrevention, RefusesSilentQueriesAndHoldsTheSystemAwakeWhileOn) {
  objPower_->DisableSuspend(true);
  EXPECT_TRUE(objPower_->DisableSuspend());
  EXPECT_EQ(filter_.installedOn(), kMainWindow);
  EXPECT_EQ(filter_.SendPowerBroadcast(0), SimulatedPowerBroadcast::kQueryDeny);
  EXPECT_EQ(filter_.ownProcedureCalls(), 0);
  EXPECT_EQ(filter_.SendPowerBroadcast(1), SimulatedPowerBroadcast::kOwnProcedureAnswer)
      << "a query that lets the user decide is passed on";
  EXPECT_EQ(power_.executionState(), kContinuous | kSystemRequired);

  objPower_->DisableSuspend(false);
  EXPECT_FALSE(objPower_->DisableSuspend());
  EXPECT_FALSE(filter_.Installed());
  EXPECT_EQ(filter_.SendPowerBroadcast(0), SimulatedPowerBroadcast::kOwnProcedureAnswer);
  EXPECT_EQ(power_.executionState(), kContinuous);
}

TEST_F(SuspendPrevention, OnOffOnKeepsOneInterception) {
  objPower_->SetAwakeReason("Curfew keeps this computer awake");
  objPower_->DisableSuspend(true);
  objPower_->DisableSuspend(true);
  EXPECT_EQ(filter_.installations(), 1) << "switching on twice installs once";
  objPower_->DisableSuspend(false);
  objPower_->DisableSuspend(false);
  objPower_->DisableSuspend(true);
  EXPECT_TRUE(filter_.Installed());
  EXPECT_EQ(filter_.SendPowerBroadcast(0), SimulatedPowerBroadcast::kQueryDeny);
  const std::string held = "PowerSetRequest(SystemRequired, Curfew keeps this computer awake)";
  EXPECT_EQ(power_.calls(), (Calls{"SetThreadExecutionState(0x80000001)", held, "SetThreadExecutionState(0x80000000)",
                                   "PowerClearRequest(SystemRequired)", "SetThreadExecutionState(0x80000001)", held}))
      << "the execution state and the power request change exactly when prevention does";
}

TEST_F(SuspendPrevention, EndingThePowerObjectRestoresTheWindowAndLetsTheSystemSleep) {
  objPower_->DisableSuspend(true);
  objPower_.reset();
  EXPECT_FALSE(filter_.Installed());
  EXPECT_EQ(power_.executionState(), kContinuous);
  EXPECT_EQ(power_.calls().back(), "PowerClearRequest(SystemRequired)");
}

TEST_F(SuspendPrevention, EndingItWhileOffChangesNothing) {
  objPower_.reset();
  EXPECT_TRUE(power_.calls().empty());
}

TEST_F(SuspendPrevention, ARefusedInstallationIsTriedAgainAtTheNextSwitchOn) {
  filter_.RefuseNextInstall();
  objPower_->DisableSuspend(true);
  EXPECT_FALSE(filter_.Installed());
  EXPECT_TRUE(objPower_->DisableSuspend()) << "the flag is stored all the same";
  objPower_->DisableSuspend(true);
  EXPECT_TRUE(filter_.Installed());
}

TEST_F(SuspendPrevention, PowerActionsStayAllowedWhileOn) {
  objPower_->DisableSuspend(true);
  objPower_->ShutDown(kPowerStandBy, false);
  EXPECT_EQ(power_.calls(), (Calls{"SetThreadExecutionState(0x80000001)", "PowerSetRequest(SystemRequired, )",
                                   "EnableShutdownPrivilege", "SetSuspendState(0, 0)"}));
}

}  // namespace
}  // namespace curfew
