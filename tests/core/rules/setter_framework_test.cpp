#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/rules/change_context.h"
#include "core/rules/platform_data.h"
#include "core/rules/probes.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"
#include "rules_test_support.h"

namespace pd {
namespace {

using test::Names;

TEST(RuleKinds, ConsultTheTargetsInProgressStateAsTheirKindSays) {
    struct Case {
        RuleKind kind;
        bool inProgress = false;
        bool testsHold = false;
        bool holdsValue = false;
        bool fires = false;
    };
    const Case cases[] = {
        {.kind = RuleKind::yields, .inProgress = false, .testsHold = true, .fires = true},
        {.kind = RuleKind::yields, .inProgress = true, .testsHold = true, .fires = false},
        {.kind = RuleKind::yields, .inProgress = false, .testsHold = false, .fires = false},
        {.kind = RuleKind::yields,
         .inProgress = false,
         .testsHold = true,
         .holdsValue = true,
         .fires = true},
        {.kind = RuleKind::forced,
         .inProgress = true,
         .testsHold = true,
         .holdsValue = true,
         .fires = true},
        {.kind = RuleKind::forced, .inProgress = false, .testsHold = true, .fires = true},
        {.kind = RuleKind::forced,
         .inProgress = false,
         .testsHold = true,
         .holdsValue = true,
         .fires = false},
        {.kind = RuleKind::forced, .inProgress = true, .testsHold = false, .fires = false},
        {.kind = RuleKind::during, .inProgress = true, .testsHold = true, .fires = true},
        {.kind = RuleKind::during, .inProgress = false, .testsHold = true, .fires = false},
        {.kind = RuleKind::always, .inProgress = true, .testsHold = true, .fires = true},
        {.kind = RuleKind::always, .inProgress = false, .testsHold = false, .fires = false},
        {.kind = RuleKind::write, .inProgress = true, .testsHold = true, .fires = true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.fires, ruleFires(c.kind, c.inProgress, c.testsHold, c.holdsValue))
            << static_cast<int>(c.kind) << c.inProgress << c.testsHold << c.holdsValue;
}

TEST(RuleKinds, AskTheTestsAndTheTargetsValueOnlyWhileTheAnswerCanChange) {
    // The engine's derived tests probe copies of the record, and a value may be a search: a row
    // whose kind refuses the target's state asks neither, and only a forced row asks the value.
    struct Case {
        RuleKind kind;
        bool inProgress;
        int testsAsked, valueAsked;
    };
    const Case cases[] = {
        {.kind = RuleKind::yields, .inProgress = true, .testsAsked = 0, .valueAsked = 0},
        {.kind = RuleKind::yields, .inProgress = false, .testsAsked = 1, .valueAsked = 0},
        {.kind = RuleKind::during, .inProgress = false, .testsAsked = 0, .valueAsked = 0},
        {.kind = RuleKind::forced, .inProgress = true, .testsAsked = 1, .valueAsked = 0},
        {.kind = RuleKind::forced, .inProgress = false, .testsAsked = 1, .valueAsked = 1},
        {.kind = RuleKind::write, .inProgress = false, .testsAsked = 1, .valueAsked = 0},
    };
    for (const Case& c : cases) {
        int testsAsked = 0;
        int valueAsked = 0;
        ruleFires(
            c.kind, c.inProgress, [&] { return ++testsAsked != 0; },
            [&] { return ++valueAsked == 0; });
        EXPECT_EQ(c.testsAsked, testsAsked) << static_cast<int>(c.kind) << c.inProgress;
        EXPECT_EQ(c.valueAsked, valueAsked) << static_cast<int>(c.kind) << c.inProgress;
    }
}

TEST(SetterShape, ASetterGivenTheCurrentValueStillRecordsAndAppliesItsRules) {
    PdCoreData record = test::plainA4Record();
    record.DtStaple.set(1);  // a corner staple does not go with the left binding it already has
    ChangedFieldList changed;
    {
        ChangeContext change(changed, nullptr, record);
        setBinding(record, 0, change);
        EXPECT_TRUE(change.inProgress.empty());
    }
    EXPECT_EQ(0, record.DtBinding.get());
    EXPECT_EQ(3, record.DtStaple.get());
    EXPECT_EQ((Names{"DtBinding", "DtStaple"}), test::memberNames(record, changed));
}

TEST(SetterShape, AYieldingRuleLeavesAMemberTheOpenerMarkedAlone) {
    // Landscape turns layout 6 into 8, but not while the layout is marked, even though its own
    // setter has not run.
    PdCoreData record = test::plainA4Record();
    record.DtLayout.set(6);
    ChangedFieldList changed;
    ChangeContext change(changed, nullptr, record);
    change.inProgress.append(fieldIdentity(record.DtLayout));
    setOrientation(record, 1, change);
    EXPECT_EQ(6, record.DtLayout.get());
    EXPECT_EQ((Names{"DtLayout"}), test::memberNames(record, change.inProgress));
    EXPECT_EQ((Names{"DtOrientation"}), test::memberNames(record, changed));

    change.inProgress.removeLast();
    setOrientation(record, 1, change);
    EXPECT_EQ(8, record.DtLayout.get());
}

TEST(SetterShape, ADuringRuleAdjustsTheValueASetterFurtherOutIsSetting) {
    // A staple change (further out) meets a binding change: the side staple still becomes the
    // plain single staple with a left binding.
    PdCoreData record = test::plainA4Record();
    record.DtStaple.set(2);
    ChangedFieldList changed;
    ChangeContext change(changed, nullptr, record);
    runRuleSetter(record, MemberId::DtStaple, std::uint8_t{2}, change,
                  [&] { setBinding(record, 0, change); });
    EXPECT_EQ(3, record.DtStaple.get());
    EXPECT_EQ((Names{"DtStaple", "DtBinding", "DtStaple"}), test::memberNames(record, changed));
    EXPECT_TRUE(change.inProgress.empty());
}

// Two setters of this test's own, written in the framework's terms: "thinning" overrides the
// screen angle to 6 even while the angle is being set, and "fold" gives way to 0 when set to 3.
constexpr RuleRow forcingRows[] = {
    {when(own == 2), set(MemberId::DtScreenAngle, 6), RuleKind::forced},
};

void setThinningForcing(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtThinning, value, change, forcingRows);
}

std::vector<std::uint8_t> foldSeenAfterGivingWay;

void setFoldGivingWay(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtFold, value, change, [&] {
        if (record.DtFold.get() == 3) setFoldGivingWay(record, 0, change);
        foldSeenAfterGivingWay.push_back(record.DtFold.get());
    });
}

TEST(SetterShape, AForcedRuleRunsTheSetterOfAnInProgressTargetWhateverItsValue) {
    PdCoreData record = test::plainA4Record();
    record.DtScreenAngle.set(6);
    ChangedFieldList changed;
    ChangeContext change(changed, nullptr, record);
    runRuleSetter(record, MemberId::DtScreenAngle, std::uint8_t{6}, change,
                  [&] { setThinningForcing(record, 2, change); });
    EXPECT_EQ(6, record.DtScreenAngle.get());
    EXPECT_EQ((Names{"DtScreenAngle", "DtThinning", "DtScreenAngle"}),
              test::memberNames(record, changed));

    // Not in progress and already 6: the target's condition fails and nothing runs.
    changed.entries.clear();
    setThinningForcing(record, 2, change);
    EXPECT_EQ((Names{"DtThinning"}), test::memberNames(record, changed));

    // Not in progress and another angle: the target is set.
    record.DtScreenAngle.set(3);
    setThinningForcing(record, 2, change);
    EXPECT_EQ(6, record.DtScreenAngle.get());
    EXPECT_EQ((Names{"DtThinning", "DtThinning", "DtScreenAngle"}),
              test::memberNames(record, changed));
}

TEST(SetterShape, AfterReEntryTheOuterRulesSeeTheInnerValue) {
    PdCoreData record = test::plainA4Record();
    ChangedFieldList changed;
    ChangeContext change(changed, nullptr, record);
    change.inProgress.append(fieldIdentity(record.DtPageSize));
    foldSeenAfterGivingWay.clear();
    setFoldGivingWay(record, 3, change);
    EXPECT_EQ(0, record.DtFold.get());
    EXPECT_EQ((std::vector<std::uint8_t>{0, 0}), foldSeenAfterGivingWay);
    EXPECT_EQ((Names{"DtFold", "DtFold"}), test::memberNames(record, changed));
    EXPECT_EQ((Names{"DtPageSize"}), test::memberNames(record, change.inProgress));
}

TEST(SetterShape, ThePreviousValueComesFromTheSnapshotOnlyWhenTheChangeBeganWithTheMember) {
    PdCoreData record = test::plainA4Record();
    record.DtResolution.set(1);
    ChangedFieldList changed;
    ChangeContext change(changed, nullptr, record);
    // As in a request, the member is stored before its setter runs.
    record.DtResolution.set(0);
    std::int64_t seen = -1;
    runRuleSetter(record, MemberId::DtResolution, 0, change,
                  [&] { seen = previousValue<MemberId::DtResolution>(record, 0, change); });
    EXPECT_EQ(1, seen);

    // A probe's nested change sees the value as the outermost change began.
    PdCoreData copy = record;
    ChangedFieldList trial;
    ChangeContext nested = beginNestedChange(change, copy, trial);
    runRuleSetter(copy, MemberId::DtResolution, 0, nested,
                  [&] { seen = previousValue<MemberId::DtResolution>(copy, 0, nested); });
    EXPECT_EQ(1, seen);

    change.inProgress.append(fieldIdentity(record.DtPageSize));
    runRuleSetter(record, MemberId::DtResolution, 0, change,
                  [&] { seen = previousValue<MemberId::DtResolution>(record, 0, change); });
    EXPECT_EQ(0, seen);
}

TEST(SetterShape, DirectWritesGoToTheCallersListOnly) {
    PdCoreData record = test::plainA4Record();
    record.DtFeedDir.set(2);
    ChangedFieldList changed;
    ChangeContext change(changed, nullptr, record);
    writeDirect(record, MemberId::DtFeedDir, 0, change);
    EXPECT_EQ(0, record.DtFeedDir.get());
    EXPECT_EQ((Names{"DtFeedDir"}), test::memberNames(record, changed));
    EXPECT_TRUE(change.inProgress.empty());
}

TEST(PlainSetters, ListTheMemberWithoutMarkingItAndStoreBounded) {
    PdCoreData record = test::plainA4Record();
    ChangedFieldList changed;
    ChangeContext change(changed, nullptr, record);
    const std::string longName(200, 'x');
    setPageSizeName(record, longName.c_str(), change);
    EXPECT_EQ(std::string(127, 'x'), record.DtPageSizeName.view());
    EXPECT_EQ('\0', record.DtPageSizeName.bytes[127]);

    // The bytes are stored as given, in any encoding: a Latin-1 name is not rewritten.
    setPageSizeName(record, "Gr\366\337e A", change);
    EXPECT_EQ("Gr\366\337e A", record.DtPageSizeName.view());

    setPageSizeName(record, nullptr, change);
    EXPECT_EQ(std::string(128, '\0'),
              std::string(record.DtPageSizeName.bytes, sizeof record.DtPageSizeName.bytes));
    setPageSizeType(record, 1, change);
    setCustomPageSizeHeight(record, 0x01020304, change);
    EXPECT_EQ(1, record.DtPageSizeType.get());
    EXPECT_EQ(0x01, record.DtCustomPageSizeHeight.bytes[0]);
    EXPECT_EQ((Names{"DtPageSizeName", "DtPageSizeName", "DtPageSizeName", "DtPageSizeType",
                     "DtCustomPageSizeHeight"}),
              test::memberNames(record, changed));
    EXPECT_TRUE(change.inProgress.empty());
}

TEST(CommonShapeSetters, StoreInHostOrderAndRestoreTheInProgressList) {
    PdCoreData record = test::plainA4Record();
    ChangedFieldList changed;
    ChangeContext change(changed, nullptr, record);
    change.inProgress.append(fieldIdentity(record.DtPageSize));
    // Settings that the rules of these values leave alone.
    record.DtLayout.set(3);
    record.DtOffsetCopies.set(1);
    setGutter(record, -2, change);
    setOffsetCopiesCount(record, 0x1234, change);
    setJobForm(record, 0xFFFFFFFF, change);
    EXPECT_EQ(-2, record.DtGutter.get());
    EXPECT_EQ(0x12, record.DtOffsetCopiesCount.bytes[0]);
    EXPECT_EQ(0xFFFFFFFFu, record.DtJobForm.get());
    EXPECT_EQ((Names{"DtGutter", "DtOffsetCopiesCount", "DtJobForm"}),
              test::memberNames(record, changed));
    EXPECT_EQ((Names{"DtPageSize"}), test::memberNames(record, change.inProgress));
}

// The setter found for a member is that member's own: the first entry of its list is the member.
TEST(CommonShapeSetters, EachMemberWithASetterFindsItsOwn) {
    std::size_t found = 0;
    for (std::size_t i = 0; i < coreDataMemberCount; ++i) {
        const auto member = static_cast<MemberId>(i);
        const MemberSetter setter = setterOf(member);
        if (setter == nullptr) continue;
        ++found;
        PdCoreData record = test::plainA4Record();
        ChangedFieldList changed;
        ChangeContext change(changed, nullptr, record);
        setter(record, readMember(record, member), change);
        ASSERT_FALSE(changed.entries.empty()) << coreDataMember(member).name;
        EXPECT_EQ(fieldIdentity(record, member), changed.entries.front())
            << coreDataMember(member).name;
    }
    EXPECT_EQ(50u, found);
}

TEST(CommonShapeSetters, PageSpecificFormsCopiesABlobWhereverItLiesAndZeroesForNone) {
    PdCoreData record = test::plainA4Record();
    ChangedFieldList changed;
    ChangeContext change(changed, nullptr, record);
    ByteBlock<1028> blob{};
    blob.bytes[0] = 0;
    blob.bytes[1] = 1;
    blob.bytes[1027] = 9;
    setPageSpecificForms(record, &blob, change);
    EXPECT_EQ(0, std::memcmp(blob.bytes, record.DtPageSpecificForms.bytes, sizeof blob.bytes));

    setPageSpecificForms(record, &record.DtPageSpecificForms, change);  // itself: unchanged
    EXPECT_EQ(9, record.DtPageSpecificForms.bytes[1027]);

    const auto* shifted = reinterpret_cast<const ByteBlock<1028>*>(
        record.DtPageSpecificForms.bytes - 1);  // overlaps the member
    const unsigned char leading = shifted->bytes[0];
    setPageSpecificForms(record, shifted, change);
    EXPECT_EQ(leading, record.DtPageSpecificForms.bytes[0]);
    EXPECT_EQ(0, record.DtPageSpecificForms.bytes[1]);
    EXPECT_EQ(1, record.DtPageSpecificForms.bytes[2]);

    // A block that ends where the member begins touches it without overlapping: it is copied.
    const auto* before = reinterpret_cast<const ByteBlock<1028>*>(
        record.DtPageSpecificForms.bytes - sizeof record.DtPageSpecificForms.bytes);
    record.DtFormPrintPattern.set(7);  // the last byte before the member
    setPageSpecificForms(record, before, change);
    EXPECT_EQ(7, record.DtPageSpecificForms.bytes[1027]);

    record.DtPageSpecificForms.bytes[5] = 1;
    setPageSpecificForms(record, nullptr, change);
    EXPECT_EQ(0, record.DtPageSpecificForms.bytes[5]);
    EXPECT_EQ(5u, changed.size());
}

TEST(ChangePredicates, AskWhetherAGroupOfMembersIsInProgress) {
    PdCoreData record = test::plainA4Record();
    ChangedFieldList changed;
    ChangeContext change(changed, nullptr, record);
    change.inProgress.append(fieldIdentity(record.DtPageSizeName));
    change.inProgress.append(fieldIdentity(record.DtPageSizeType));
    EXPECT_FALSE(isPaperSizeChanged(record, change));
    change.inProgress.append(fieldIdentity(record.DtCustomTargetPaperSizeHeight));
    EXPECT_TRUE(isPaperSizeChanged(record, change));

    EXPECT_FALSE(isBindingChanged(record, change));
    change.inProgress.append(fieldIdentity(record.DtFeedDir));
    EXPECT_TRUE(isBindingChanged(record, change));

    // A copy's members are other identities.
    const PdCoreData copy = record;
    EXPECT_FALSE(isBindingChanged(copy, change));
}

TEST(ChangePredicates, SlotMediaLooksAtTheSelectedSourceOnly) {
    PdCoreData record = test::plainA4Record();
    ChangedFieldList list;
    list.append(fieldIdentity(record.DtMediaPrepunchedTray2));
    EXPECT_FALSE(isSlotMediaChanged(list, record));
    record.DtInputSlot.set(2);
    EXPECT_TRUE(isSlotMediaChanged(list, record));
    record.DtInputSlot.set(3);
    EXPECT_FALSE(isSlotMediaChanged(list, record));
    list.append(fieldIdentity(record.DtMediaColorAuto));
    record.DtInputSlot.set(0);
    EXPECT_TRUE(isSlotMediaChanged(list, record));
    record.DtInputSlot.set(6);
    EXPECT_FALSE(isSlotMediaChanged(list, record));
}

TEST(TranslateChangeList, CarriesEachMemberOnceInRecordOrder) {
    PdCoreData source = test::plainA4Record();
    PdCoreData target = test::plainA4Record();
    ChangedFieldList from;
    from.append(fieldIdentity(source.DtStaple));
    from.append(fieldIdentity(source.DtPageSize));
    from.append(fieldIdentity(source.DtStaple));
    from.append(fieldIdentity(target.DtFold));  // another record's identity: passed over
    from.append(fieldIdentity(source.layoutSignature));
    ChangedFieldList to;
    translateChangeList(source, from, target, to);
    EXPECT_EQ((Names{"DtPageSize", "DtStaple"}), test::memberNames(target, to));

    ChangedFieldList empty;
    translateChangeList(source, empty, target, to);
    EXPECT_EQ(2u, to.size());

    // One list as source and target: the carried identities follow its entries.
    translateChangeList(source, from, source, from);
    EXPECT_EQ((Names{"DtStaple", "DtPageSize", "DtStaple", "(other record)", "layoutSignature",
                     "DtPageSize", "DtStaple"}),
              test::memberNames(source, from));
}

TEST(NestedChange, SeesTheParentsMembersInProgressAndLeavesItsListsAlone) {
    PdCoreData record = test::plainA4Record();
    record.DtLayout.set(6);
    ChangedFieldList changed;
    ChangeContext change(changed, nullptr, record);
    const std::uint8_t flag = 0;
    change.ruleFlag = &flag;
    change.inProgress.append(fieldIdentity(record.DtLayout));
    change.inProgress.append(fieldIdentity(record.DtPageSize));
    change.inProgress.append(fieldIdentity(record.DtLayout));
    changed.append(fieldIdentity(record.DtPageSize));

    change.depth = 3;
    change.depthLimit = 9;
    change.onRunaway = [](const ChangeContext&) {};

    PdCoreData copy = record;
    ChangedFieldList trial;
    {
        ChangeContext nested = beginNestedChange(change, copy, trial);
        EXPECT_EQ((Names{"DtPageSize", "DtLayout"}), test::memberNames(copy, nested.inProgress));
        EXPECT_EQ(&flag, nested.ruleFlag);
        // The probe's cascade goes on from the parent's depth, under the parent's guard.
        EXPECT_EQ(3u, nested.depth);
        EXPECT_EQ(9u, nested.depthLimit);
        EXPECT_EQ(change.onRunaway, nested.onRunaway);
        // The layout is in progress outside, so the orientation's rule leaves it alone here too.
        setOrientation(copy, 1, nested);
    }
    EXPECT_EQ(6, copy.DtLayout.get());
    EXPECT_EQ(1, copy.DtOrientation.get());
    EXPECT_EQ((Names{"DtOrientation"}), test::memberNames(copy, trial));
    EXPECT_EQ(0, record.DtOrientation.get());
    EXPECT_EQ(3u, change.inProgress.size());
    EXPECT_EQ((Names{"DtPageSize"}), test::memberNames(record, changed));
}

TEST(NestedChange, ProbesLeaveTheRecordAndTheChangeUntouched) {
    PdCoreData record = test::plainA4Record();
    record.DtStaple.set(1);
    record.DtFeedDir.set(2);
    const PdCoreData before = record;
    ChangedFieldList changed;
    ChangeContext change(changed, nullptr, record);
    change.inProgress.append(fieldIdentity(record.DtPageSize));

    // With no finishing function asking, the staple turns into its equivalent; a side image
    // position refuses A4.
    EXPECT_TRUE(probeBinding(record, 0, change, PaperFeature{}));
    EXPECT_FALSE(probeBinding(record, 0, change, PaperFeature::sideImagePosition));
    EXPECT_TRUE(probeBinding(record, 2, change, PaperFeature{}));
    EXPECT_TRUE(probeFeedDirOff(record, change, PaperFeature{}));
    EXPECT_FALSE(probeCreaseOff(record, change));
    EXPECT_FALSE(probeStaple(record, change));
    EXPECT_FALSE(probeFold(record, change));

    EXPECT_EQ(0, std::memcmp(&before, &record, sizeof record));
    EXPECT_EQ((Names{"DtPageSize"}), test::memberNames(record, change.inProgress));
    EXPECT_TRUE(changed.empty());
}

TEST(NestedChange, ABindingProbeWithTheCurrentEdgeStillRunsItsRules) {
    // Image position left on A4: the binding's paper rules on the copy move it to the middle, so
    // the copy no longer equals the record.
    PdCoreData record = test::plainA4Record();
    record.DtPrintPosition.set(0);
    ChangedFieldList changed;
    ChangeContext change(changed, nullptr, record);
    EXPECT_FALSE(probeBinding(record, 0, change, PaperFeature{}));
    record.DtPrintPosition.set(1);
    EXPECT_TRUE(probeBinding(record, 0, change, PaperFeature{}));
}

TEST(NestedChange, CustomSheetsDifferOnlyInTheirMeasures) {
    PdCoreData a = test::plainA4Record();
    a.DtPageSize.set(36);
    a.DtCustomPageSizeWidth.set(1000000);
    a.DtCustomPageSizeHeight.set(2000000);
    PdCoreData b = a;
    a.DtPageSizeName.assign("One");
    b.DtPageSizeName.assign("Other");
    b.DtFeedDir.set(2);
    EXPECT_FALSE(sheetsDiffer(a, b));
    b.DtCustomPageSizeHeight.set(2010000);
    EXPECT_TRUE(sheetsDiffer(a, b));
    EXPECT_TRUE(sheetsDiffer(a, test::plainA4Record()));
    PdCoreData letter = test::plainA4Record();
    letter.DtPageSizeName.assign("Letter");
    letter.DtOrientation.set(1);
    EXPECT_FALSE(sheetsDiffer(letter, test::plainA4Record()));
}

TEST(ChangeContexts, ARuleFlagIsOnOnlyWhenPresentAndNotZero) {
    PdCoreData record = test::plainA4Record();
    ChangedFieldList changed;
    ChangeContext change(changed, nullptr, record);
    EXPECT_FALSE(isRuleFlagOn(change));
    std::uint8_t flag = 0;
    change.ruleFlag = &flag;
    EXPECT_FALSE(isRuleFlagOn(change));
    flag = 1;
    EXPECT_TRUE(isRuleFlagOn(change));
}

// Thinning 2 with the angle 3 sets the angle to 6: a cascade two setters deep. Beyond the limit a
// setter still stores and lists its value but applies no rules, and the change's handler hears of
// it; without a handler the cascade stops quietly.
TEST(CascadeGuard, BeyondTheDepthLimitSettersStoreWithoutApplyingRules) {
    static int runaways;
    struct Case {
        std::uint32_t limit;
        bool handled;
        std::uint8_t angle;
        Names changed;
        int runaways;
    };
    const Case cases[] = {
        {.limit = 0, .handled = true, .angle = 3, .changed = {"DtThinning"}, .runaways = 1},
        {.limit = 1,
         .handled = true,
         .angle = 6,
         .changed = {"DtThinning", "DtScreenAngle"},
         .runaways = 1},
        {.limit = 2,
         .handled = true,
         .angle = 6,
         .changed = {"DtThinning", "DtScreenAngle"},
         .runaways = 0},
        {.limit = 0, .handled = false, .angle = 3, .changed = {"DtThinning"}, .runaways = 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.limit);
        PdCoreData record = test::plainA4Record();
        record.DtScreenAngle.set(3);
        ChangedFieldList changed;
        ChangeContext change(changed, nullptr, record);
        change.depthLimit = c.limit;
        runaways = 0;
        if (c.handled) change.onRunaway = [](const ChangeContext&) { ++runaways; };
        setThinning(record, 2, change);
        EXPECT_EQ(2, record.DtThinning.get());
        EXPECT_EQ(c.angle, record.DtScreenAngle.get());
        EXPECT_EQ(c.changed, test::memberNames(record, changed));
        EXPECT_EQ(c.runaways, runaways);
        EXPECT_TRUE(change.inProgress.empty());
        EXPECT_EQ(0u, change.depth);
    }
}

TEST(Requests, ARequestWithoutAListStillChangesTheRecord) {
    PdCoreData record = test::plainA4Record();
    record.DtLayout.set(6);
    applyOrientationRequest(record, {1}, nullptr, nullptr, nullptr);
    EXPECT_EQ(1, record.DtOrientation.get());
    EXPECT_EQ(8, record.DtLayout.get());

    ChangedFieldList changed;
    applyOrientationRequest(record, {}, &changed, nullptr, nullptr);
    EXPECT_TRUE(changed.empty());
    EXPECT_EQ(1, record.DtOrientation.get());
}

}  // namespace
}  // namespace pd
