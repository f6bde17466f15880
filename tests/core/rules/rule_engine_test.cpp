// The engine that walks rule tables, driven by tables of the tests' own. Their targets are
// setters whose rows do nothing for the value 0 on these records, so that the caller's list
// shows which rows acted.
#include <gtest/gtest.h>

#include <vector>

#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "rules_test_support.h"

namespace pd {
namespace {

using test::Names;
using enum MemberId;

struct EngineFixture : ::testing::Test {
    PdCoreData record = test::plainA4Record();
    ChangedFieldList changed;
    ChangeContext change{changed, nullptr, record};

    void apply(std::span<const RuleRow> rows, RuleCall call) {
        applyRules(record, change, rows, &call);
    }
    Names changedNames() const { return test::memberNames(record, changed); }
};

using RuleEngine = EngineFixture;

TEST_F(RuleEngine, TestsReadMembersOfEveryWidthAndCompareWithMembersAndTheGivenValue) {
    constexpr RuleRow rows[] = {
        {when(own == 300), set(DtSmoothing, 0)},
        {when(DtGutter == -5), set(DtBackCoverTray, 0)},
        {when(DtJobForm != 0xFFFFFFFF), set(DtDivideOutput, 0)},
        {when(valueOf(DtAppendResolution) != valueOf(DtResolution)), set(DtCollate, 0)},
        {when(given == 7, own != 7), set(DtTandem, 0)},
    };
    record.DtOffsetCopiesCount.set(300);
    record.DtGutter.set(-5);
    record.DtJobForm.set(0xFFFFFFFE);
    record.DtAppendResolution.set(1);
    apply(rows, {DtOffsetCopiesCount, 7});
    EXPECT_EQ((Names{"DtSmoothing", "DtBackCoverTray", "DtDivideOutput", "DtCollate", "DtTandem"}),
              changedNames());

    changed.entries.clear();
    record.DtOffsetCopiesCount.set(300 + 0x10000 / 2);
    record.DtGutter.set(5);
    record.DtJobForm.set(0xFFFFFFFF);
    record.DtResolution.set(1);
    apply(rows, {DtOffsetCopiesCount, 0x8000 + 300});
    EXPECT_EQ(Names{}, changedNames());
}

TEST_F(RuleEngine, KindsConsultTheTargetsInProgressState) {
    constexpr RuleRow rows[] = {
        {when(), set(DtSmoothing, 1), RuleKind::yields},
        {when(), set(DtSmoothing, 2), RuleKind::during},
        {when(), set(DtCollate, 0), RuleKind::always},
        {when(DtSlit == 2), set(DtSlit, 0), RuleKind::write},
    };
    record.DtSlit.set(2);
    apply(rows, {DtCopyProtection, 0});
    EXPECT_EQ((Names{"DtSmoothing", "DtCollate", "DtSlit"}), changedNames());
    EXPECT_EQ(1, record.DtSmoothing.get());
    EXPECT_EQ(0, record.DtSlit.get());

    changed.entries.clear();
    for (const FieldIdentity marked :
         {fieldIdentity(record.DtSmoothing), fieldIdentity(record.DtCollate),
          fieldIdentity(record.DtSlit)})
        change.inProgress.append(marked);
    record.DtSlit.set(2);
    apply(rows, {DtCopyProtection, 0});
    EXPECT_EQ((Names{"DtSmoothing", "DtCollate", "DtSlit"}), changedNames());
    EXPECT_EQ(2, record.DtSmoothing.get());
    EXPECT_EQ(3u, change.inProgress.size());
}

TEST_F(RuleEngine, GatesFollowTheRuleFlag) {
    constexpr RuleRow rows[] = {
        {when(), set(DtSmoothing, 0), RuleKind::always, RuleGate::on},
        {when(), set(DtCollate, 0), RuleKind::always, RuleGate::off},
        {when(), set(DtTandem, 0), RuleKind::always},
    };
    std::uint8_t flag = 0;
    const struct {
        const std::uint8_t* flag;
        std::uint8_t byte;
        Names acted;
    } cases[] = {
        {nullptr, 0, {"DtCollate", "DtTandem"}},
        {&flag, 0, {"DtCollate", "DtTandem"}},
        {&flag, 1, {"DtSmoothing", "DtTandem"}},
    };
    for (const auto& c : cases) {
        changed.entries.clear();
        flag = c.byte;
        change.ruleFlag = c.flag;
        apply(rows, {DtCopyProtection, 0});
        EXPECT_EQ(c.acted, changedNames()) << (c.flag != nullptr) << int{c.byte};
    }
}

int derivations = 0;

std::int64_t countedYes(const PdCoreData&, const ChangeContext&, std::uint32_t parameter) {
    ++derivations;
    return parameter;
}

TEST_F(RuleEngine, DerivedTestsAndValuesAreWorkedOutOnlyForARowThatCanAct) {
    constexpr RuleRow rows[] = {
        {when(is(countedYes, 1), DtGutter == 1), set(DtSmoothing, 0)},
        {when(is(countedYes, 1)), set(DtCollate, 0)},
        {when(is(countedYes, 0)), set(DtTandem, 0)},
        {when(is(countedYes, 1)), set(DtWaitMode, derived(countedYes, 0))},
    };
    change.inProgress.append(fieldIdentity(record.DtCollate));
    derivations = 0;
    apply(rows, {DtCopyProtection, 0});
    // Row 1 fails its member test, row 2 its target's in-progress test; row 3 derives once and
    // fails; row 4 derives its test and then its value.
    EXPECT_EQ(3, derivations);
    EXPECT_EQ((Names{"DtWaitMode"}), changedNames());
}

std::vector<std::string> stepLog;

void logStep(PdCoreData& record, ChangeContext&, const RuleCall* call, std::uint32_t parameter) {
    stepLog.push_back(std::string(coreDataMember(call->own).name) + " " +
                      std::to_string(call->given) + " " + std::to_string(parameter) + " " +
                      std::to_string(record.DtSmoothing.get()));
}

TEST_F(RuleEngine, StepsRunAtTheirPlaceWithTheSettersCall) {
    constexpr RuleRow rows[] = {
        {when(), runStep(logStep, 4)},
        {when(own == 0), set(DtSmoothing, 2), RuleKind::always},
        {when(own == 1), runStep(logStep, 5)},
        {when(own == 0), runStep(logStep, 6)},
    };
    record.DtResolution.set(0);
    stepLog.clear();
    apply(rows, {DtCopyProtection, 9});
    EXPECT_EQ((std::vector<std::string>{"DtCopyProtection 9 4 0", "DtCopyProtection 9 6 2"}),
              stepLog);
}

// Stapling on a heavy tray whose Auto media are heavy too: the slot goes to Auto and the refused
// weight is reset. Duplex and face-down output, which only the heavy weight refused, stay.
TEST_F(RuleEngine, TheMediaRuleLosesNoSettingToAMediumThatItResets) {
    constexpr RuleRow rows[] = {{when(own == 3), mediaRule(6, 0)}};
    record.DtStaple.set(3);
    record.DtDuplex.set(1);
    record.DtInputSlot.set(1);
    record.DtMediaWeightTray1.set(10);
    record.DtMediaWeightAuto.set(10);
    change.inProgress.append(fieldIdentity(record.DtStaple));
    apply(rows, {DtStaple, 3});
    EXPECT_EQ((Names{"DtMediaWeightAuto", "DtInputSlot"}), changedNames());
    EXPECT_EQ(0, record.DtInputSlot.get());
    EXPECT_EQ(0, record.DtMediaWeightAuto.get());
    EXPECT_EQ(1, record.DtDuplex.get());
    EXPECT_EQ(0, record.DtFaceUp.get());
    EXPECT_EQ(3, record.DtStaple.get());
}

}  // namespace
}  // namespace pd
