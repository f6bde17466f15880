// Whole changes through the tables of the screen, full-bleed, N-up, N-to-1 and cover, collate to
// resolution, form and output method, and shift and chapter setters.
#include <gtest/gtest.h>

#include <cstring>

#include "core/record/page_lists.h"
#include "core/rules/setters.h"
#include "platform/measurement_system.h"
#include "rules_test_support.h"

namespace pd {
namespace {

const bool metric = (useFilterMeasurementSystem(), true);

using namespace test;
using enum MemberId;

TEST(ScreenRules, KeepThinningWithTheAngleOf45Degrees) {
    const WholeChange cases[] = {
        {"thinning 2 with angle 3 gives angle 6",
         {{DtScreenAngle, 3}},
         {},
         call<setThinning>(2),
         {{DtThinning, 2}, {DtScreenAngle, 6}},
         {"DtThinning", "DtScreenAngle"}},
        {"an angle of 10 with thinning 4 turns thinning off",
         {{DtThinning, 4}},
         {},
         call<setScreenAngle>(10),
         {{DtScreenAngle, 10}, {DtThinning, 0}},
         {"DtScreenAngle", "DtThinning"}},
        {"an angle being set keeps its conflict",
         {{DtScreenAngle, 0}},
         {DtScreenAngle},
         call<setThinning>(1),
         {{DtThinning, 1}, {DtScreenAngle, 0}},
         {"DtThinning"}},
        {"thinning with the angle of 45 degrees changes nothing else",
         {},
         {},
         call<setThinning>(3),
         {{DtScreenAngle, 6}},
         {"DtThinning"}},
        {"an angle past the last choice takes part in no rule",
         {{DtScreenAngle, 24}},
         {},
         call<setThinning>(1),
         {{DtScreenAngle, 24}},
         {"DtThinning"}},
        {"a thinning past the last level takes part in no rule",
         {{DtScreenAngle, 0}},
         {},
         call<setThinning>(5),
         {{DtScreenAngle, 0}},
         {"DtThinning"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(NUpRules, ClearTheLayoutAndRunThePaperRules) {
    const WholeChange cases[] = {
        {"layout 2 with N-up 4 gives layout 0",
         {{DtLayout, 2}},
         {},
         call<setNUpCount>(4),
         {{DtNUpCount, 4}, {DtLayout, 0}},
         {"DtNUpCount", "DtLayout"}},
        {"a layout in progress stays",
         {{DtLayout, 9}},
         {DtLayout},
         call<setNUpCount>(12),
         {{DtLayout, 9}},
         {"DtNUpCount"}},
        // One staple refuses the postcard in every feed direction and the top binding does not
        // help: the paper rules switch the staple off.
        {"N-up on a postcard with staple 3 runs the paper rules",
         {{DtPageSize, postcard}, {DtStaple, 3}},
         {},
         call<setNUpCount>(0),
         {{DtStaple, 0}},
         {"DtNUpCount", "DtStaple"}},
        {"a value past the last choice matches no row",
         {{DtLayout, 2}},
         {},
         call<setNUpCount>(13),
         {{DtLayout, 2}},
         {"DtNUpCount"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(CoverAndFoldDirectionRules, FollowTheMultiLetterFold) {
    const WholeChange cases[] = {
        {"N-to-1 turns an outward multi-letter fold inward, which brings face-up output",
         {{DtFold, 3}, {DtFoldDirection, 1}},
         {},
         call<setNTo1>(1),
         {{DtFoldDirection, 0}, {DtFaceUp, 1}},
         {"DtNTo1", "DtFoldDirection", "DtFaceUp"}},
        {"folding outward drops face-up output and N-to-1",
         {{DtFold, 3}, {DtNTo1, 1}, {DtFaceUp, 1}},
         {},
         call<setFoldDirection>(1),
         {{DtFaceUp, 0}, {DtNTo1, 0}, {DtFold, 3}},
         {"DtFoldDirection", "DtFaceUp", "DtNTo1"}},
        {"folding inward clears every front cover, the inserter's through N-to-1",
         {{DtFold, 3}, {DtFoldDirection, 1}, {DtFrontCoverTray, 3}, {DtPIFrontCoverTray, 2}},
         {},
         call<setFoldDirection>(0),
         {{DtFaceUp, 1}, {DtNTo1, 1}, {DtPIFrontCoverTray, 0}, {DtFrontCoverTray, 0}},
         {"DtFoldDirection", "DtFaceUp", "DtNTo1", "DtPIFrontCoverTray", "DtFrontCoverTray"}},
        {"a fold in progress keeps its value",
         {{DtFold, 1}},
         {DtFold},
         call<setFoldDirection>(1),
         {{DtFold, 1}},
         {"DtFoldDirection"}},
        {"an inserter front cover keeps an outward multi-letter fold",
         {{DtFold, 3}, {DtFoldDirection, 1}},
         {},
         call<setPIFrontCoverTray>(1),
         {{DtFold, 3}},
         {"DtPIFrontCoverTray"}},
        {"an inserter back cover clears the multi-letter fold either way",
         {{DtFold, 3}, {DtFoldDirection, 1}, {DtRingBinding, 1}},
         {},
         call<setPIBackCoverTray>(2),
         {{DtFold, 0}, {DtRingBinding, 0}},
         {"DtPIBackCoverTray", "DtFold", "DtRingBinding"}},
        {"a front cover from a tray sorts grouped output",
         {{DtCollate, 1}},
         {},
         call<setFrontCoverTray>(4),
         {{DtCollate, 0}},
         {"DtFrontCoverTray", "DtCollate"}},
        {"a tray past the last choice matches no row",
         {{DtFold, 3}, {DtNTo1, 1}},
         {},
         call<setPIFrontCoverTray>(3),
         {{DtNTo1, 1}},
         {"DtPIFrontCoverTray"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(CollateToResolutionRules, ExcludeWhatTheSettingCannotGoWith) {
    const WholeChange cases[] = {
        {"grouped output clears both cover trays",
         {{DtFrontCoverTray, 3}, {DtBackCoverTray, 5}},
         {},
         call<setCollate>(1),
         {{DtFrontCoverTray, 0}, {DtBackCoverTray, 0}},
         {"DtCollate", "DtFrontCoverTray", "DtBackCoverTray"}},
        {"tandem printing leaves an in-progress member alone",
         {{DtCollate, 1},
          {DtSetNumberingMode, 2},
          {DtCopyProtection, 1},
          {DtWaitMode, 5},
          {DtOutputMethod, 1}},
         {DtCopyProtection},
         call<setTandem>(1),
         {{DtCollate, 0},
          {DtSetNumberingMode, 0},
          {DtCopyProtection, 1},
          {DtWaitMode, 0},
          {DtOutputMethod, 0}},
         {"DtTandem", "DtCollate", "DtSetNumberingMode", "DtWaitMode", "DtOutputMethod"}},
        {"tandem printing keeps the other print modes and output methods",
         {{DtWaitMode, 4}, {DtOutputMethod, 2}},
         {},
         call<setTandem>(1),
         {{DtWaitMode, 4}, {DtOutputMethod, 2}},
         {"DtTandem"}},
        {"copy protection at 600 dpi sets 1200 dpi, which drops smoothing",
         {{DtResolution, 0}, {DtSmoothing, 2}, {DtScreening, 1}, {DtOtherScreening, 2}},
         {},
         call<setCopyProtection>(1),
         {{DtResolution, 1}, {DtSmoothing, 0}, {DtScreening, 1}},
         {"DtCopyProtection", "DtResolution", "DtSmoothing"}},
        {"the numbering watermark and copy protection exclude each other",
         {{DtCopyProtection, 1}, {DtTandem, 1}},
         {},
         call<setSetNumberingMode>(3),
         {{DtCopyProtection, 0}, {DtTandem, 0}},
         {"DtSetNumberingMode", "DtCopyProtection", "DtTandem"}},
        {"600 dpi within a request's change switches copy protection off",
         {{DtCopyProtection, 1}, {DtScreening, 1}, {DtOtherScreening, 2}},
         {DtPageSize},
         call<setResolution>(0),
         {{DtCopyProtection, 0}, {DtScreening, 1}},
         {"DtResolution", "DtCopyProtection"}},
        {"600 dpi leaves copy protection in progress alone",
         {{DtCopyProtection, 1}},
         {DtCopyProtection},
         call<setResolution>(0),
         {{DtCopyProtection, 1}},
         {"DtResolution"}},
        // A change that begins with the resolution brings in the other screen settings: the
        // angle through its setter, so the thinning follows.
        {"600 dpi beginning a change exchanges the screen settings",
         {{DtCopyProtection, 1},
          {DtScreening, 1},
          {DtOtherScreening, 2},
          {DtScreenDot, 3},
          {DtOtherScreenDot, 0},
          {DtOtherScreenAngle, 3},
          {DtThinning, 2}},
         {},
         call<setResolution>(0),
         {{DtScreening, 2},
          {DtOtherScreening, 1},
          {DtScreenDot, 0},
          {DtOtherScreenDot, 3},
          {DtScreenAngle, 3},
          {DtOtherScreenAngle, 6},
          {DtThinning, 0},
          {DtCopyProtection, 0}},
         {"DtResolution", "DtScreening", "DtScreenDot", "DtScreenFreq", "DtToneCurve",
          "DtScreenAngle", "DtThinning", "DtCopyProtection"},
         {DtOtherScreening, DtOtherScreenDot, DtOtherScreenFreq, DtOtherScreenAngle,
          DtOtherToneCurve}},
        {"the resolution it already has exchanges nothing",
         {{DtScreening, 1}, {DtOtherScreening, 2}},
         {},
         call<setResolution>(1),
         {{DtScreening, 1}},
         {"DtResolution"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(CollateToResolutionRules, TheExchangeSwapsTheToneCurves) {
    PdCoreData record = defaultCoreData();
    record.DtToneCurve.assign("OFF");
    record.DtOtherToneCurve.assign("Soft");
    ChangedFieldList changed;
    ChangeContext change(changed, nullptr, record);
    setResolution(record, 0, change);
    EXPECT_EQ("Soft", record.DtToneCurve.view());
    EXPECT_EQ("OFF", record.DtOtherToneCurve.view());
}

TEST(FormRules, KeepFormsResolutionsAndDestinationsTogether) {
    const WholeChange cases[] = {
        {"a job form of another resolution drops append and prepend in order",
         {{DtJobFormResolution, 0},
          {DtAppend, 7},
          {DtAppendResolution, 1},
          {DtPrepend, 9},
          {DtPrependResolution, 1}},
         {},
         [](PdCoreData& record, ChangeContext& change) { setJobForm(record, 5, change); },
         {{DtJobForm, 5}, {DtResolution, 0}, {DtAppend, 0xFFFFFFFF}, {DtPrepend, 0xFFFFFFFF}},
         {"DtJobForm", "DtResolution", "DtAppend", "DtPrepend"}},
        {"a form of the job's resolution keeps the others",
         {{DtPrepend, 9}, {DtAppendResolution, 1}},
         {},
         [](PdCoreData& record, ChangeContext& change) { setAppend(record, 3, change); },
         {{DtResolution, 1}, {DtPrepend, 9}},
         {"DtAppend"}},
        {"no form applies no row",
         {{DtOutputMethod, 3}, {DtResolution, 0}},
         {},
         [](PdCoreData& record, ChangeContext& change) { setPrepend(record, 0xFFFFFFFF, change); },
         {{DtOutputMethod, 3}, {DtResolution, 0}},
         {"DtPrepend"}},
        {"a form moves a job registered as a form back to printing",
         {{DtOutputMethod, 3}, {DtPrependResolution, 1}},
         {},
         [](PdCoreData& record, ChangeContext& change) { setPrepend(record, 2, change); },
         {{DtOutputMethod, 0}},
         {"DtPrepend", "DtOutputMethod"}},
        {"secure print clears tandem printing and saving with printing",
         {{DtTandem, 1}, {DtOutputMethod, 2}},
         {},
         call<setWaitMode>(5),
         {{DtTandem, 0}, {DtOutputMethod, 0}},
         {"DtWaitMode", "DtTandem", "DtOutputMethod"}},
        {"the other print modes keep saving with printing",
         {{DtOutputMethod, 2}},
         {},
         call<setWaitMode>(3),
         {{DtOutputMethod, 2}},
         {"DtWaitMode"}},
        {"saving in a user box clears tandem printing and the print mode",
         {{DtTandem, 1}, {DtWaitMode, 1}},
         {},
         call<setOutputMethod>(1),
         {{DtTandem, 0}, {DtWaitMode, 0}},
         {"DtOutputMethod", "DtTandem", "DtWaitMode"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

// A page-specific form list of one entry: form 4 on pages 2 to 3.
ByteBlock<1028> oneFormList() {
    ByteBlock<1028> blob;
    const PageFormList list{{4, {{2, 3}}}};
    EXPECT_TRUE(encodePageFormList(list, blob.bytes, sizeof blob.bytes));
    return blob;
}

TEST(FormRules, RegisteringAFormClearsTheFormsAndThePageSpecificList) {
    const ByteBlock<1028> forms = oneFormList();
    checkWholeChange(
        {"output method 3 clears the forms",
         {{DtJobForm, 1}, {DtAppend, 2}, {DtPrepend, 3}, {DtWaitMode, 4}},
         {},
         [&](PdCoreData& record, ChangeContext& change) {
             std::memcpy(record.DtPageSpecificForms.bytes, forms.bytes, sizeof forms.bytes);
             setOutputMethod(record, 3, change);
             const ByteBlock<1028> empty{};
             EXPECT_EQ(
                 0, std::memcmp(empty.bytes, record.DtPageSpecificForms.bytes, sizeof empty.bytes));
         },
         {{DtOutputMethod, 3},
          {DtJobForm, 0xFFFFFFFF},
          {DtAppend, 0xFFFFFFFF},
          {DtPrepend, 0xFFFFFFFF},
          {DtWaitMode, 0}},
         {"DtOutputMethod", "DtJobForm", "DtAppend", "DtPrepend", "DtPageSpecificForms",
          "DtWaitMode"}});
    checkWholeChange({"an empty list is not rewritten",
                      {},
                      {},
                      call<setOutputMethod>(3),
                      {{DtOutputMethod, 3}},
                      {"DtOutputMethod"}});
}

TEST(FormRules, APageSpecificListMovesAFormRegistrationBackToPrinting) {
    const ByteBlock<1028> forms = oneFormList();
    const auto setForms = [&](PdCoreData& record, ChangeContext& change) {
        setPageSpecificForms(record, &forms, change);
    };
    checkWholeChange({"a list with an entry",
                      {{DtOutputMethod, 3}},
                      {},
                      setForms,
                      {{DtOutputMethod, 0}},
                      {"DtPageSpecificForms", "DtOutputMethod"}});
    checkWholeChange({"while the output method is being set",
                      {{DtOutputMethod, 3}},
                      {DtOutputMethod},
                      setForms,
                      {{DtOutputMethod, 3}},
                      {"DtPageSpecificForms"}});
    // Given its own bytes the setter copies nothing and still applies its row.
    checkWholeChange({"the member itself",
                      {{DtOutputMethod, 3}},
                      {},
                      [&](PdCoreData& record, ChangeContext& change) {
                          std::memcpy(record.DtPageSpecificForms.bytes, forms.bytes,
                                      sizeof forms.bytes);
                          setPageSpecificForms(record, &record.DtPageSpecificForms, change);
                      },
                      {{DtOutputMethod, 0}},
                      {"DtPageSpecificForms", "DtOutputMethod"}});
}

TEST(ShiftAndChapterRules, KeepShiftsAndChaptersWithTheirConditions) {
    const WholeChange cases[] = {
        {"image shift off clears both sides' shifts",
         {{DtImageShiftType, 2},
          {DtShiftFrontBack, 1},
          {DtHorizontalShift, 100},
          {DtVerticalShift, -200},
          {DtHorizontalShiftBack, 300},
          {DtVerticalShiftBack, 400}},
         {},
         call<setImageShiftType>(0),
         {{DtShiftFrontBack, 0},
          {DtHorizontalShift, 0},
          {DtVerticalShift, 0},
          {DtHorizontalShiftBack, 0},
          {DtVerticalShiftBack, 0}},
         {"DtImageShiftType", "DtShiftFrontBack", "DtHorizontalShiftBack", "DtVerticalShiftBack",
          "DtHorizontalShift", "DtVerticalShift"}},
        {"the printer's settings list only the shifts that were not 0",
         {{DtImageShiftType, 2}, {DtVerticalShift, -1}},
         {},
         call<setImageShiftType>(1),
         {{DtVerticalShift, 0}},
         {"DtImageShiftType", "DtVerticalShift"}},
        {"the driver's settings keep every shift",
         {{DtShiftFrontBack, 1}, {DtHorizontalShift, 100}, {DtVerticalShiftBack, 400}},
         {},
         call<setImageShiftType>(2),
         {{DtHorizontalShift, 100}, {DtVerticalShiftBack, 400}},
         {"DtImageShiftType"}},
        {"separate back shifts bring duplex and the driver's settings, front values kept",
         {{DtDuplex, 0}, {DtImageShiftType, 1}, {DtHorizontalShift, 100}},
         {},
         call<setShiftFrontBack>(1),
         {{DtDuplex, 1}, {DtImageShiftType, 2}, {DtHorizontalShift, 100}},
         {"DtShiftFrontBack", "DtDuplex", "DtImageShiftType"}},
        {"no separate back shifts clears only the back values",
         {{DtHorizontalShift, 100}, {DtHorizontalShiftBack, 5}},
         {},
         call<setShiftFrontBack>(0),
         {{DtHorizontalShift, 100}, {DtHorizontalShiftBack, 0}},
         {"DtShiftFrontBack", "DtHorizontalShiftBack"}},
        {"chapter mode on a booklet",
         {{DtLayout, 2}, {DtDuplex, 0}},
         {},
         call<setChapterMode>(1),
         {{DtLayout, 0}, {DtDuplex, 1}},
         {"DtChapterMode", "DtLayout", "DtDuplex"}},
        {"chapter mode keeps a repeat layout",
         {{DtLayout, 6}, {DtDuplex, 1}},
         {},
         call<setChapterMode>(1),
         {{DtLayout, 6}},
         {"DtChapterMode"}},
        {"chapter mode keeps a layout in progress",
         {{DtLayout, 3}, {DtDuplex, 1}},
         {DtLayout},
         call<setChapterMode>(1),
         {{DtLayout, 3}},
         {"DtChapterMode"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(ShiftAndChapterRules, WithTheRuleFlagOnChaptersKeepBookletAndAdhesiveBinding) {
    for (const std::uint8_t layout : {1, 2, 3}) {
        PdCoreData record = defaultCoreData();
        record.DtLayout.set(layout);
        record.DtDuplex.set(1);
        ChangedFieldList changed;
        ChangeContext change(changed, nullptr, record);
        const std::uint8_t flag = 1;
        change.ruleFlag = &flag;
        setChapterMode(record, 1, change);
        EXPECT_EQ(layout == 3 ? 0 : layout, record.DtLayout.get()) << int{layout};
    }
}

}  // namespace
}  // namespace pd
