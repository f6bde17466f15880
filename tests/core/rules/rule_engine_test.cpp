// The engine that walks rule tables, driven by tables of the tests' own. Their targets are
// setters whose rows do nothing for the value 0 on these records, so that the caller's list
// shows which rows acted.
#include <gtest/gtest.h>

#include <vector>

#include "core/record/page_lists.h"
#include "core/rules/rule_derivations.h"
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

// A4 is a standard page; the record's resolution is 0, so the other one is 1.
TEST_F(RuleEngine, DerivedTestsAndValuesAreWorkedOutForARowThatCanAct) {
    constexpr RuleRow rows[] = {
        {when(is(standardPage), DtGutter == 1), set(DtSmoothing, 0)},
        {when(is(standardPage)), set(DtCollate, 0)},
        {when(isNot(standardPage)), set(DtTandem, 0)},
        {when(derived(otherResolution) == 1, is(standardPage)),
         set(DtWaitMode, derived(otherResolution))},
    };
    change.inProgress.append(fieldIdentity(record.DtCollate));
    apply(rows, {DtCopyProtection, 0});
    EXPECT_EQ((Names{"DtWaitMode"}), changedNames());
    EXPECT_EQ(1, record.DtWaitMode.get());
}

// The step empties a page-specific form list while the output method registers a form (3).
TEST_F(RuleEngine, StepsRunAtTheirPlaceWhenTheirTestsHold) {
    constexpr RuleRow rows[] = {
        {when(own == 1), runStep(RuleStep::emptyPageSpecificFormsOfAForm)},
        {when(), set(DtSmoothing, 0), RuleKind::always},
        {when(own == 0), runStep(RuleStep::emptyPageSpecificFormsOfAForm)},
        {when(), set(DtCollate, 0), RuleKind::always},
    };
    const PageFormList forms{{4, {{2, 3}}}};
    ASSERT_TRUE(encodePageFormList(forms, record.DtPageSpecificForms.bytes,
                                   sizeof record.DtPageSpecificForms.bytes));
    record.DtOutputMethod.set(3);
    apply(rows, {DtCopyProtection, 0});
    EXPECT_EQ((Names{"DtSmoothing", "DtPageSpecificForms", "DtCollate"}), changedNames());
    EXPECT_EQ(0, record.DtPageSpecificForms.bytes[0] | record.DtPageSpecificForms.bytes[1]);
}

// Stapling on a heavy tray whose Auto media are heavy too: the slot goes to Auto and the refused
// weight is reset. Duplex and face-down output, which only the heavy weight refused, stay.
TEST_F(RuleEngine, TheMediaRuleLosesNoSettingToAMediumThatItResets) {
    constexpr RuleRow rows[] = {{when(own == 3), mediaRule(MediaFeature::staple, 0)}};
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
