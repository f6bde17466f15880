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
        {.name = "thinning 2 with angle 3 gives angle 6",
         .start = {{DtScreenAngle, 3}},
         .run = call<setThinning>(2),
         .expected = {{DtThinning, 2}, {DtScreenAngle, 6}},
         .changed = {"DtThinning", "DtScreenAngle"}},
        {.name = "an angle of 10 with thinning 4 turns thinning off",
         .start = {{DtThinning, 4}},
         .run = call<setScreenAngle>(10),
         .expected = {{DtScreenAngle, 10}, {DtThinning, 0}},
         .changed = {"DtScreenAngle", "DtThinning"}},
        {.name = "an angle being set keeps its conflict",
         .start = {{DtScreenAngle, 0}},
         .marked = {DtScreenAngle},
         .run = call<setThinning>(1),
         .expected = {{DtThinning, 1}, {DtScreenAngle, 0}},
         .changed = {"DtThinning"}},
        {.name = "thinning with the angle of 45 degrees changes nothing else",
         .run = call<setThinning>(3),
         .expected = {{DtScreenAngle, 6}},
         .changed = {"DtThinning"}},
        {.name = "an angle past the last choice takes part in no rule",
         .start = {{DtScreenAngle, 24}},
         .run = call<setThinning>(1),
         .expected = {{DtScreenAngle, 24}},
         .changed = {"DtThinning"}},
        {.name = "a thinning past the last level takes part in no rule",
         .start = {{DtScreenAngle, 0}},
         .run = call<setThinning>(5),
         .expected = {{DtScreenAngle, 0}},
         .changed = {"DtThinning"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(NUpRules, ClearTheLayoutAndRunThePaperRules) {
    const WholeChange cases[] = {
        {.name = "layout 2 with N-up 4 gives layout 0",
         .start = {{DtLayout, 2}},
         .run = call<setNUpCount>(4),
         .expected = {{DtNUpCount, 4}, {DtLayout, 0}},
         .changed = {"DtNUpCount", "DtLayout"}},
        {.name = "a layout in progress stays",
         .start = {{DtLayout, 9}},
         .marked = {DtLayout},
         .run = call<setNUpCount>(12),
         .expected = {{DtLayout, 9}},
         .changed = {"DtNUpCount"}},
        // One staple refuses the postcard in every feed direction and the top binding does not
        // help: the paper rules switch the staple off.
        {.name = "N-up on a postcard with staple 3 runs the paper rules",
         .start = {{DtPageSize, postcard}, {DtStaple, 3}},
         .run = call<setNUpCount>(0),
         .expected = {{DtStaple, 0}},
         .changed = {"DtNUpCount", "DtStaple"}},
        {.name = "a value past the last choice matches no row",
         .start = {{DtLayout, 2}},
         .run = call<setNUpCount>(13),
         .expected = {{DtLayout, 2}},
         .changed = {"DtNUpCount"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(CoverAndFoldDirectionRules, FollowTheMultiLetterFold) {
    const WholeChange cases[] = {
        {.name = "N-to-1 turns an outward multi-letter fold inward, which brings face-up output",
         .start = {{DtFold, 3}, {DtFoldDirection, 1}},
         .run = call<setNTo1>(1),
         .expected = {{DtFoldDirection, 0}, {DtFaceUp, 1}},
         .changed = {"DtNTo1", "DtFoldDirection", "DtFaceUp"}},
        {.name = "folding outward drops face-up output and N-to-1",
         .start = {{DtFold, 3}, {DtNTo1, 1}, {DtFaceUp, 1}},
         .run = call<setFoldDirection>(1),
         .expected = {{DtFaceUp, 0}, {DtNTo1, 0}, {DtFold, 3}},
         .changed = {"DtFoldDirection", "DtFaceUp", "DtNTo1"}},
        {.name = "folding inward clears every front cover, the inserter's through N-to-1",
         .start =
             {{DtFold, 3}, {DtFoldDirection, 1}, {DtFrontCoverTray, 3}, {DtPIFrontCoverTray, 2}},
         .run = call<setFoldDirection>(0),
         .expected = {{DtFaceUp, 1}, {DtNTo1, 1}, {DtPIFrontCoverTray, 0}, {DtFrontCoverTray, 0}},
         .changed = {"DtFoldDirection", "DtFaceUp", "DtNTo1", "DtPIFrontCoverTray",
                     "DtFrontCoverTray"}},
        {.name = "a fold in progress keeps its value",
         .start = {{DtFold, 1}},
         .marked = {DtFold},
         .run = call<setFoldDirection>(1),
         .expected = {{DtFold, 1}},
         .changed = {"DtFoldDirection"}},
        {.name = "an inserter front cover keeps an outward multi-letter fold",
         .start = {{DtFold, 3}, {DtFoldDirection, 1}},
         .run = call<setPIFrontCoverTray>(1),
         .expected = {{DtFold, 3}},
         .changed = {"DtPIFrontCoverTray"}},
        {.name = "an inserter back cover clears the multi-letter fold either way",
         .start = {{DtFold, 3}, {DtFoldDirection, 1}, {DtRingBinding, 1}},
         .run = call<setPIBackCoverTray>(2),
         .expected = {{DtFold, 0}, {DtRingBinding, 0}},
         .changed = {"DtPIBackCoverTray", "DtFold", "DtRingBinding"}},
        {.name = "a front cover from a tray sorts grouped output",
         .start = {{DtCollate, 1}},
         .run = call<setFrontCoverTray>(4),
         .expected = {{DtCollate, 0}},
         .changed = {"DtFrontCoverTray", "DtCollate"}},
        {.name = "a tray past the last choice matches no row",
         .start = {{DtFold, 3}, {DtNTo1, 1}},
         .run = call<setPIFrontCoverTray>(3),
         .expected = {{DtNTo1, 1}},
         .changed = {"DtPIFrontCoverTray"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(CollateToResolutionRules, ExcludeWhatTheSettingCannotGoWith) {
    const WholeChange cases[] = {
        {.name = "grouped output clears both cover trays",
         .start = {{DtFrontCoverTray, 3}, {DtBackCoverTray, 5}},
         .run = call<setCollate>(1),
         .expected = {{DtFrontCoverTray, 0}, {DtBackCoverTray, 0}},
         .changed = {"DtCollate", "DtFrontCoverTray", "DtBackCoverTray"}},
        {.name = "tandem printing leaves an in-progress member alone",
         .start = {{DtCollate, 1},
                   {DtSetNumberingMode, 2},
                   {DtCopyProtection, 1},
                   {DtWaitMode, 5},
                   {DtOutputMethod, 1}},
         .marked = {DtCopyProtection},
         .run = call<setTandem>(1),
         .expected = {{DtCollate, 0},
                      {DtSetNumberingMode, 0},
                      {DtCopyProtection, 1},
                      {DtWaitMode, 0},
                      {DtOutputMethod, 0}},
         .changed = {"DtTandem", "DtCollate", "DtSetNumberingMode", "DtWaitMode",
                     "DtOutputMethod"}},
        {.name = "tandem printing keeps the other print modes and output methods",
         .start = {{DtWaitMode, 4}, {DtOutputMethod, 2}},
         .run = call<setTandem>(1),
         .expected = {{DtWaitMode, 4}, {DtOutputMethod, 2}},
         .changed = {"DtTandem"}},
        {.name = "copy protection at 600 dpi sets 1200 dpi, which drops smoothing",
         .start = {{DtResolution, 0}, {DtSmoothing, 2}, {DtScreening, 1}, {DtOtherScreening, 2}},
         .run = call<setCopyProtection>(1),
         .expected = {{DtResolution, 1}, {DtSmoothing, 0}, {DtScreening, 1}},
         .changed = {"DtCopyProtection", "DtResolution", "DtSmoothing"}},
        {.name = "the numbering watermark and copy protection exclude each other",
         .start = {{DtCopyProtection, 1}, {DtTandem, 1}},
         .run = call<setSetNumberingMode>(3),
         .expected = {{DtCopyProtection, 0}, {DtTandem, 0}},
         .changed = {"DtSetNumberingMode", "DtCopyProtection", "DtTandem"}},
        {.name = "600 dpi within a request's change switches copy protection off",
         .start = {{DtCopyProtection, 1}, {DtScreening, 1}, {DtOtherScreening, 2}},
         .marked = {DtPageSize},
         .run = call<setResolution>(0),
         .expected = {{DtCopyProtection, 0}, {DtScreening, 1}},
         .changed = {"DtResolution", "DtCopyProtection"}},
        {.name = "600 dpi leaves copy protection in progress alone",
         .start = {{DtCopyProtection, 1}},
         .marked = {DtCopyProtection},
         .run = call<setResolution>(0),
         .expected = {{DtCopyProtection, 1}},
         .changed = {"DtResolution"}},
        // A change that begins with the resolution brings in the other screen settings: the
        // angle through its setter, so the thinning follows.
        {.name = "600 dpi beginning a change exchanges the screen settings",
         .start = {{DtCopyProtection, 1},
                   {DtScreening, 1},
                   {DtOtherScreening, 2},
                   {DtScreenDot, 3},
                   {DtOtherScreenDot, 0},
                   {DtOtherScreenAngle, 3},
                   {DtThinning, 2}},
         .run = call<setResolution>(0),
         .expected = {{DtScreening, 2},
                      {DtOtherScreening, 1},
                      {DtScreenDot, 0},
                      {DtOtherScreenDot, 3},
                      {DtScreenAngle, 3},
                      {DtOtherScreenAngle, 6},
                      {DtThinning, 0},
                      {DtCopyProtection, 0}},
         .changed = {"DtResolution", "DtScreening", "DtScreenDot", "DtScreenFreq", "DtToneCurve",
                     "DtScreenAngle", "DtThinning", "DtCopyProtection"},
         .unlisted = {DtOtherScreening, DtOtherScreenDot, DtOtherScreenFreq, DtOtherScreenAngle,
                      DtOtherToneCurve}},
        {.name = "the resolution it already has exchanges nothing",
         .start = {{DtScreening, 1}, {DtOtherScreening, 2}},
         .run = call<setResolution>(1),
         .expected = {{DtScreening, 1}},
         .changed = {"DtResolution"}},
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
        {.name = "a job form of another resolution drops append and prepend in order",
         .start = {{DtJobFormResolution, 0},
                   {DtAppend, 7},
                   {DtAppendResolution, 1},
                   {DtPrepend, 9},
                   {DtPrependResolution, 1}},
         .run = [](PdCoreData& record, ChangeContext& change) { setJobForm(record, 5, change); },
         .expected =
             {{DtJobForm, 5}, {DtResolution, 0}, {DtAppend, 0xFFFFFFFF}, {DtPrepend, 0xFFFFFFFF}},
         .changed = {"DtJobForm", "DtResolution", "DtAppend", "DtPrepend"}},
        {.name = "a form of the job's resolution keeps the others",
         .start = {{DtPrepend, 9}, {DtAppendResolution, 1}},
         .run = [](PdCoreData& record, ChangeContext& change) { setAppend(record, 3, change); },
         .expected = {{DtResolution, 1}, {DtPrepend, 9}},
         .changed = {"DtAppend"}},
        {.name = "no form applies no row",
         .start = {{DtOutputMethod, 3}, {DtResolution, 0}},
         .run = [](PdCoreData& record,
                   ChangeContext& change) { setPrepend(record, 0xFFFFFFFF, change); },
         .expected = {{DtOutputMethod, 3}, {DtResolution, 0}},
         .changed = {"DtPrepend"}},
        {.name = "a form moves a job registered as a form back to printing",
         .start = {{DtOutputMethod, 3}, {DtPrependResolution, 1}},
         .run = [](PdCoreData& record, ChangeContext& change) { setPrepend(record, 2, change); },
         .expected = {{DtOutputMethod, 0}},
         .changed = {"DtPrepend", "DtOutputMethod"}},
        {.name = "secure print clears tandem printing and saving with printing",
         .start = {{DtTandem, 1}, {DtOutputMethod, 2}},
         .run = call<setWaitMode>(5),
         .expected = {{DtTandem, 0}, {DtOutputMethod, 0}},
         .changed = {"DtWaitMode", "DtTandem", "DtOutputMethod"}},
        {.name = "the other print modes keep saving with printing",
         .start = {{DtOutputMethod, 2}},
         .run = call<setWaitMode>(3),
         .expected = {{DtOutputMethod, 2}},
         .changed = {"DtWaitMode"}},
        {.name = "saving in a user box clears tandem printing and the print mode",
         .start = {{DtTandem, 1}, {DtWaitMode, 1}},
         .run = call<setOutputMethod>(1),
         .expected = {{DtTandem, 0}, {DtWaitMode, 0}},
         .changed = {"DtOutputMethod", "DtTandem", "DtWaitMode"}},
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
        {.name = "image shift off clears both sides' shifts",
         .start = {{DtImageShiftType, 2},
                   {DtShiftFrontBack, 1},
                   {DtHorizontalShift, 100},
                   {DtVerticalShift, -200},
                   {DtHorizontalShiftBack, 300},
                   {DtVerticalShiftBack, 400}},
         .run = call<setImageShiftType>(0),
         .expected = {{DtShiftFrontBack, 0},
                      {DtHorizontalShift, 0},
                      {DtVerticalShift, 0},
                      {DtHorizontalShiftBack, 0},
                      {DtVerticalShiftBack, 0}},
         .changed = {"DtImageShiftType", "DtShiftFrontBack", "DtHorizontalShiftBack",
                     "DtVerticalShiftBack", "DtHorizontalShift", "DtVerticalShift"}},
        {.name = "the printer's settings list only the shifts that were not 0",
         .start = {{DtImageShiftType, 2}, {DtVerticalShift, -1}},
         .run = call<setImageShiftType>(1),
         .expected = {{DtVerticalShift, 0}},
         .changed = {"DtImageShiftType", "DtVerticalShift"}},
        {.name = "the driver's settings keep every shift",
         .start = {{DtShiftFrontBack, 1}, {DtHorizontalShift, 100}, {DtVerticalShiftBack, 400}},
         .run = call<setImageShiftType>(2),
         .expected = {{DtHorizontalShift, 100}, {DtVerticalShiftBack, 400}},
         .changed = {"DtImageShiftType"}},
        {.name = "separate back shifts bring duplex and the driver's settings, front values kept",
         .start = {{DtDuplex, 0}, {DtImageShiftType, 1}, {DtHorizontalShift, 100}},
         .run = call<setShiftFrontBack>(1),
         .expected = {{DtDuplex, 1}, {DtImageShiftType, 2}, {DtHorizontalShift, 100}},
         .changed = {"DtShiftFrontBack", "DtDuplex", "DtImageShiftType"}},
        {.name = "no separate back shifts clears only the back values",
         .start = {{DtHorizontalShift, 100}, {DtHorizontalShiftBack, 5}},
         .run = call<setShiftFrontBack>(0),
         .expected = {{DtHorizontalShift, 100}, {DtHorizontalShiftBack, 0}},
         .changed = {"DtShiftFrontBack", "DtHorizontalShiftBack"}},
        {.name = "chapter mode on a booklet",
         .start = {{DtLayout, 2}, {DtDuplex, 0}},
         .run = call<setChapterMode>(1),
         .expected = {{DtLayout, 0}, {DtDuplex, 1}},
         .changed = {"DtChapterMode", "DtLayout", "DtDuplex"}},
        {.name = "chapter mode keeps a repeat layout",
         .start = {{DtLayout, 6}, {DtDuplex, 1}},
         .run = call<setChapterMode>(1),
         .expected = {{DtLayout, 6}},
         .changed = {"DtChapterMode"}},
        {.name = "chapter mode keeps a layout in progress",
         .start = {{DtLayout, 3}, {DtDuplex, 1}},
         .marked = {DtLayout},
         .run = call<setChapterMode>(1),
         .expected = {{DtLayout, 3}},
         .changed = {"DtChapterMode"}},
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
