#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/rules/paper_rules.h"
#include "core/rules/setters.h"
#include "platform/measurement_system.h"
#include "rules_test_support.h"

namespace pd {
namespace {

// The searches fall back on the default paper: A4 here, as in the filter.
const bool metric = (useFilterMeasurementSystem(), true);

using namespace test;  // Names, paper ids by short name

// A record and a change on it, as a test drives the setters.
struct Fixture : ::testing::Test {
    PdCoreData record = test::plainA4Record();
    ChangedFieldList changed;
    ChangeContext change{changed, nullptr, record};

    void mark(FieldIdentity field) { change.inProgress.append(field); }
    Names changedNames() const { return test::memberNames(record, changed); }
};

using InputSlotSetter = Fixture;

TEST_F(InputSlotSetter, ATrayWithoutInstalledUnitsChangesOnlyTheSlot) {
    setInputSlot(record, 3, change);
    EXPECT_EQ(3, record.DtInputSlot.get());
    EXPECT_EQ((Names{"DtInputSlot"}), changedNames());
}

TEST_F(InputSlotSetter, TheAutomaticSourceGetsATargetPaperForACustomSheet) {
    record.DtPageSize.set(custom);
    record.DtCustomPageSizeWidth.set(1000000);
    record.DtCustomPageSizeHeight.set(2000000);
    record.DtInputSlot.set(1);
    setInputSlot(record, 0, change);
    EXPECT_EQ(0, record.DtInputSlot.get());
    EXPECT_EQ(2, record.DtTargetPaperSize.get());  // A4, the first standard candidate
    EXPECT_EQ(0, record.DtBinding.get());
    EXPECT_EQ((Names{"DtInputSlot", "DtTargetPaperSize"}), changedNames());
    EXPECT_TRUE(change.inProgress.empty());
}

TEST_F(InputSlotSetter, TheSearchResultIsStoredEvenWhenItIsNoTargetAtAll) {
    // A custom target paper on an A4 page: the automatic source refuses the sheet, and A4 on its
    // own is accepted, so the target goes back to Auto.
    record.DtTargetPaperSize.set(37);
    record.DtCustomTargetPaperSizeWidth.set(1000000);
    record.DtCustomTargetPaperSizeHeight.set(2000000);
    record.DtInputSlot.set(1);
    setInputSlot(record, 0, change);
    EXPECT_EQ(0, record.DtTargetPaperSize.get());
    EXPECT_EQ(0, record.DtBinding.get());
    EXPECT_EQ((Names{"DtInputSlot", "DtTargetPaperSize"}), changedNames());
}

TEST_F(InputSlotSetter, NoTargetIsSoughtWhileAPaperMemberIsInProgress) {
    record.DtPageSize.set(custom);
    record.DtCustomPageSizeWidth.set(1000000);
    record.DtCustomPageSizeHeight.set(2000000);
    mark(fieldIdentity(record.DtPageSize));
    setInputSlot(record, 0, change);
    EXPECT_EQ(0, record.DtTargetPaperSize.get());
    EXPECT_EQ((Names{"DtInputSlot"}), changedNames());
}

TEST_F(InputSlotSetter, AFeedDirectionTheAutomaticSourceCannotTakeGoesBackToAuto) {
    // Only the custom size is refused by the automatic source, in every feed direction, so the
    // feed direction cannot help: the target paper does.
    record.DtPageSize.set(custom);
    record.DtCustomPageSizeWidth.set(1000000);
    record.DtCustomPageSizeHeight.set(2000000);
    record.DtFeedDir.set(2);
    setInputSlot(record, 0, change);
    EXPECT_EQ(2, record.DtFeedDir.get());
    EXPECT_EQ(2, record.DtTargetPaperSize.get());
}

using PageSizeSetter = Fixture;

TEST_F(PageSizeSetter, AStandardPageDropsAWideTargetPaper) {
    struct Case {
        std::uint8_t page, target, expectedTarget;
    };
    const Case cases[] = {
        // QXA3W on A4: back to Auto
        {.page = a4, .target = 21, .expectedTarget = 0},
        // QXStatementW
        {.page = a4, .target = 31, .expectedTarget = 0},
        // a standard target stays
        {.page = a4, .target = 2, .expectedTarget = 2},
        // a wide page keeps it
        {.page = a3Wide, .target = 22, .expectedTarget = 22},
        // and so does a custom one
        {.page = custom, .target = 21, .expectedTarget = 21},
    };
    for (const Case& c : cases) {
        record.DtTargetPaperSize.set(c.target);
        setPageSize(record, c.page, change);
        EXPECT_EQ(c.expectedTarget, record.DtTargetPaperSize.get())
            << int{c.page} << " " << int{c.target};
    }
}

TEST_F(PageSizeSetter, AMarkedTargetIsNotReset) {
    record.DtTargetPaperSize.set(21);
    mark(fieldIdentity(record.DtTargetPaperSize));
    setPageSize(record, a4, change);
    EXPECT_EQ(21, record.DtTargetPaperSize.get());
}

using OrientationSetter = Fixture;

TEST_F(OrientationSetter, TurnsTheReversedRepeatLayoutsWithThePage) {
    struct Case {
        std::uint8_t orientation, layout, expected;
    };
    const Case cases[] = {{.orientation = 1, .layout = 6, .expected = 8},
                          {.orientation = 1, .layout = 7, .expected = 9},
                          {.orientation = 1, .layout = 8, .expected = 8},
                          {.orientation = 0, .layout = 8, .expected = 6},
                          {.orientation = 0, .layout = 9, .expected = 7},
                          {.orientation = 0, .layout = 6, .expected = 6}};
    for (const Case& c : cases) {
        record.DtLayout.set(c.layout);
        setOrientation(record, c.orientation, change);
        EXPECT_EQ(c.expected, record.DtLayout.get()) << int{c.orientation} << " " << int{c.layout};
    }
}

TEST_F(OrientationSetter, MovesABookletBindingBetweenTopAndSide) {
    struct Case {
        std::uint8_t orientation, layout, binding, staple, nUp, expected;
    };
    const Case cases[] = {
        // portrait, top: the right single staple names the side
        {.orientation = 0, .layout = 2, .binding = 2, .staple = 2, .nUp = 0, .expected = 1},
        {.orientation = 0, .layout = 2, .binding = 2, .staple = 1, .nUp = 0, .expected = 0},
        // a reversed N-up order
        {.orientation = 0, .layout = 2, .binding = 2, .staple = 0, .nUp = 4, .expected = 1},
        {.orientation = 0, .layout = 2, .binding = 2, .staple = 0, .nUp = 3, .expected = 0},
        // landscape with a side binding goes to the top
        {.orientation = 1, .layout = 1, .binding = 0, .staple = 0, .nUp = 0, .expected = 2},
        {.orientation = 1, .layout = 2, .binding = 2, .staple = 0, .nUp = 0, .expected = 2},
        // another layout: nothing
        {.orientation = 0, .layout = 3, .binding = 2, .staple = 0, .nUp = 0, .expected = 2},
    };
    for (const Case& c : cases) {
        record.DtLayout.set(c.layout);
        record.DtBinding.set(c.binding);
        record.DtStaple.set(c.staple);
        record.DtNUpCount.set(c.nUp);
        setOrientation(record, c.orientation, change);
        EXPECT_EQ(c.expected, record.DtBinding.get())
            << int{c.orientation} << " " << int{c.layout} << " " << int{c.binding};
    }
}

using BindingSetter = Fixture;

TEST_F(BindingSetter, KeepsTheSingleStapleOnTheBindingsCorner) {
    struct Case {
        std::uint8_t binding, staple, expected;
    };
    const Case cases[] = {
        {.binding = 0, .staple = 1, .expected = 3}, {.binding = 1, .staple = 2, .expected = 3},
        {.binding = 1, .staple = 1, .expected = 3}, {.binding = 0, .staple = 2, .expected = 3},
        {.binding = 2, .staple = 3, .expected = 1}, {.binding = 2, .staple = 1, .expected = 1},
        {.binding = 2, .staple = 2, .expected = 2}, {.binding = 0, .staple = 3, .expected = 3},
        {.binding = 0, .staple = 4, .expected = 4}};
    for (const Case& c : cases) {
        record.DtBinding.set(c.binding == 2 ? 0 : 2);
        record.DtStaple.set(c.staple);
        setBinding(record, c.binding, change);
        EXPECT_EQ(c.expected, record.DtStaple.get()) << int{c.binding} << " " << int{c.staple};
    }
    record.DtStaple.set(3);
    setBinding(record, 1, change);
    setBinding(record, 2, change);  // given 2, not 1: the left corner
    EXPECT_EQ(1, record.DtStaple.get());
}

using FullBleedRule = Fixture;

TEST_F(FullBleedRule, ThePaperForcesFullBleedOnOrOffAfterEachPaperChange) {
    constexpr std::uint8_t pageSize = 0, targetPaperSize = 1;
    struct Case {
        std::uint8_t setter = 0;
        std::uint8_t value = 0;
        std::uint8_t page = 0;
        // The target paper before the change: none unless a case names one.
        std::uint8_t target = 0;
        std::uint8_t fullBleed = 0;
        std::uint8_t expected = 0;
    };
    const Case cases[] = {
        // a wide page on its own: off
        {.setter = pageSize, .value = a3Wide, .page = a4, .fullBleed = 1, .expected = 0},
        // a tab paper: on
        {.setter = pageSize, .value = 31, .page = a4, .fullBleed = 0, .expected = 1},
        // a custom page: on
        {.setter = pageSize, .value = custom, .page = a4, .fullBleed = 0, .expected = 1},
        // a standard page on its own: as chosen
        {.setter = pageSize, .value = a3, .page = a4, .fullBleed = 1, .expected = 1},
        // a stored value other than 0 and 1 stays
        {.setter = pageSize, .value = a3Wide, .page = a4, .fullBleed = 2, .expected = 2},
        // SRA3 as target: off, even on a wide page
        {.setter = targetPaperSize, .value = 8, .page = a3Wide, .fullBleed = 1, .expected = 0},
        // a custom target: on
        {.setter = targetPaperSize, .value = 37, .page = a4, .fullBleed = 0, .expected = 1},
        // a wide page on a standard target: off
        {.setter = targetPaperSize, .value = 2, .page = a3Wide, .fullBleed = 1, .expected = 0},
        // a standard page on a wide target: on
        {.setter = targetPaperSize, .value = 22, .page = a4, .fullBleed = 0, .expected = 1},
        // a wide page on a wide target: off
        {.setter = targetPaperSize, .value = 22, .page = a3Wide, .fullBleed = 1, .expected = 0},
    };
    for (const Case& c : cases) {
        record.DtPageSize.set(c.page);
        record.DtTargetPaperSize.set(c.target);
        record.DtFullBleed.set(c.fullBleed);
        record.DtInputSlot.set(1);
        if (c.setter == pageSize)
            setPageSize(record, c.value, change);
        else
            setTargetPaperSize(record, c.value, change);
        EXPECT_EQ(c.expected, record.DtFullBleed.get())
            << int{c.setter} << " " << int{c.value} << " " << int{c.page} << " " << int{c.target};
    }
}

TEST_F(FullBleedRule, AFullBleedBeingSetIsLeftAlone) {
    record.DtFullBleed.set(1);
    mark(fieldIdentity(record.DtFullBleed));
    setPageSize(record, a3Wide, change);
    EXPECT_EQ(1, record.DtFullBleed.get());
    change.inProgress.removeLast();

    // The setter itself stores what it is given, whatever the paper says.
    setFullBleed(record, 1, change);
    EXPECT_EQ(1, record.DtFullBleed.get());
    EXPECT_EQ((Names{"DtPageSize", "DtFullBleed"}), changedNames());
    EXPECT_TRUE(change.inProgress.empty());
}

using PaperRules = Fixture;

TEST_F(PaperRules, ARecordWhoseFeaturesAcceptTheSheetIsLeftAsItIs) {
    const PdCoreData before = record;
    resolvePaperRules(record, change);
    EXPECT_EQ(0, std::memcmp(&before, &record, sizeof record));
    EXPECT_TRUE(changed.empty());
}

TEST_F(PaperRules, TheFeedDirectionGoesBackToAutoWhenThatSuffices) {
    // A5 fed short edge first is refused by two staples; fed long edge first (what Auto gives a
    // portrait page bound at the side) it is accepted.
    record.DtPageSize.set(a5);
    record.DtStaple.set(5);
    record.DtFeedDir.set(2);
    resolvePaperRules(record, change);
    EXPECT_EQ(0, record.DtFeedDir.get());
    EXPECT_EQ(5, record.DtStaple.get());
    EXPECT_EQ((Names{"DtFeedDir"}), changedNames());
}

TEST_F(PaperRules, WithTheFeedDirectionInProgressTheFeatureIsSwitchedOff) {
    record.DtPageSize.set(a5);
    record.DtStaple.set(5);
    record.DtFeedDir.set(2);
    mark(fieldIdentity(record.DtFeedDir));
    resolvePaperRules(record, change);
    EXPECT_EQ(2, record.DtFeedDir.get());
    EXPECT_EQ(0, record.DtStaple.get());
    EXPECT_EQ(0, record.DtBinding.get());
    EXPECT_EQ((Names{"DtStaple"}), changedNames());
}

TEST_F(PaperRules, AFeatureWhoseMemberIsInProgressStaysOn) {
    record.DtPageSize.set(postcard);
    record.DtStaple.set(3);
    mark(fieldIdentity(record.DtStaple));
    resolvePaperRules(record, change);
    EXPECT_EQ(3, record.DtStaple.get());
    EXPECT_TRUE(changed.empty());
}

TEST_F(PaperRules, TheBindingMovesToTheOtherEdgeWhenThatIsAllItTakes) {
    // A3 portrait, bound left, goes long edge first, which two staples refuse; bound at the top
    // it goes short edge first.
    record.DtPageSize.set(a3);
    record.DtStaple.set(5);
    resolvePaperRules(record, change);
    EXPECT_EQ(2, record.DtBinding.get());
    EXPECT_EQ(5, record.DtStaple.get());
    EXPECT_EQ((Names{"DtBinding"}), changedNames());
}

TEST_F(PaperRules, WhileAPaperMemberChangesOnlyTheProposedEdgeIsTried) {
    // A3 is rated short edge first only: a portrait page without layout is proposed the top
    // edge, which the probe accepts.
    record.DtPageSize.set(a3);
    record.DtStaple.set(5);
    mark(fieldIdentity(record.DtPageSize));
    resolvePaperRules(record, change);
    EXPECT_EQ(2, record.DtBinding.get());

    EXPECT_EQ(5, record.DtStaple.get());
}

TEST_F(PaperRules, AProposalOfTheCurrentEdgeSwitchesTheFeatureOffWithoutTryingTheOtherAxis) {
    // QXB5 two-up turns the sheet: bound left it goes short edge first, which two staples
    // refuse; bound at the top it would go long edge first. The proposal for a portrait page
    // keeps the left edge, so while the page size changes the staple gives way.
    record.DtPageSize.set(4);
    record.DtNUpCount.set(1);
    record.DtStaple.set(5);
    mark(fieldIdentity(record.DtPageSize));
    resolvePaperRules(record, change);
    EXPECT_EQ(0, record.DtBinding.get());
    EXPECT_EQ(0, record.DtStaple.get());
    EXPECT_EQ((Names{"DtStaple"}), changedNames());

    // Without a paper member in progress the edge on the other axis is tried, and taken.
    change.inProgress.removeLast();
    changed.entries.clear();
    record.DtStaple.set(5);
    resolvePaperRules(record, change);
    EXPECT_EQ(2, record.DtBinding.get());
    EXPECT_EQ(5, record.DtStaple.get());
    EXPECT_EQ((Names{"DtBinding"}), changedNames());
}

TEST_F(PaperRules, InsideTheBindingSetterNoEdgeIsProposed) {
    record.DtPageSize.set(postcard);
    record.DtStaple.set(4);
    record.DtFeedDir.set(1);
    setBinding(record, 0, change);
    EXPECT_EQ(0, record.DtBinding.get());
    EXPECT_EQ(0, record.DtStaple.get());
    EXPECT_EQ((Names{"DtBinding", "DtStaple"}), changedNames());
}

TEST_F(PaperRules, TheAutomaticSourceGivesWayToTray1ForACustomSheet) {
    record.DtPageSize.set(custom);
    record.DtCustomPageSizeWidth.set(1000000);
    record.DtCustomPageSizeHeight.set(2000000);
    mark(fieldIdentity(record.DtPageSize));
    resolvePaperRules(record, change);
    EXPECT_EQ(1, record.DtInputSlot.get());
    EXPECT_EQ((Names{"DtInputSlot"}), changedNames());

    record.DtInputSlot.set(0);
    mark(fieldIdentity(record.DtInputSlot));
    resolvePaperRules(record, change);
    EXPECT_EQ(0, record.DtInputSlot.get());
}

TEST_F(PaperRules, ASwitchedOffFeatureRestartsThePassAndLaterRowsSeeItOff) {
    // A Z-fold with a staple on Postcard: the staple row comes first and switches the staple off;
    // the fold-with-staple rows no longer hold, and the plain Z-fold row switches the fold off.
    record.DtPageSize.set(postcard);
    record.DtStaple.set(3);
    record.DtFold.set(1);
    record.DtFeedDir.set(1);
    resolvePaperRules(record, change);
    EXPECT_EQ(0, record.DtStaple.get());
    EXPECT_EQ(0, record.DtFold.get());
    EXPECT_EQ((Names{"DtStaple", "DtFold"}), changedNames());
}

}  // namespace
}  // namespace pd
