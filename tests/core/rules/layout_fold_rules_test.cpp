// Whole changes through the layout and fold setters, and a page setup merged into a record whose
// folding and stapling the new paper refuses.
#include <gtest/gtest.h>

#include "core/rules/platform_data.h"
#include "core/rules/setters.h"
#include "platform/measurement_system.h"
#include "rules_test_support.h"

namespace pd {
namespace {

const bool metric = (useFilterMeasurementSystem(), true);

using namespace test;
using enum MemberId;

constexpr std::int64_t fiveMillimetres = 50000;
// Media weights: the Z-folds refuse Thick2 (5) and Thick7 (10); duplex Thick7 alone.
constexpr std::int64_t thick2 = 5, thick7 = 10;

constexpr std::uint8_t ruleFlagOn = 1;

// A setter call made in a change whose rule flag is on.
template <auto Setter>
auto callWithRuleFlag(std::int64_t value) {
    return [value](PdCoreData& record, ChangeContext& change) {
        change.ruleFlag = &ruleFlagOn;
        detail::callSetter<Setter>(record, value, change);
    };
}

TEST(LayoutRules, GutterCreepAndTheBookletsSettings) {
    const WholeChange cases[] = {
        {"no layout zeroes a gutter that is being set",
         {{DtGutter, fiveMillimetres}},
         {DtGutter},
         call<setLayout>(0),
         {{DtLayout, 0}, {DtGutter, 0}},
         {"DtLayout", "DtGutter"}},
        {"a gutter being set that is already 0 is set again",
         {},
         {DtGutter},
         call<setLayout>(0),
         {{DtGutter, 0}},
         {"DtLayout", "DtGutter"}},
        {"a gutter of 0 that is not being set is left alone",
         {},
         {},
         call<setLayout>(0),
         {{DtGutter, 0}},
         {"DtLayout"}},
        {"2in1 zeroes the creep also while it is being set, and keeps the gutter",
         {{DtCreep, 10000}, {DtGutter, fiveMillimetres}},
         {DtCreep},
         call<setLayout>(3),
         {{DtCreep, 0}, {DtGutter, fiveMillimetres}},
         {"DtLayout", "DtCreep"}},
        {"a booklet turns N-up off and duplex on, and keeps creep and blank pages",
         {{DtNUpCount, 4}, {DtDuplex, 0}, {DtCreep, 10000}, {DtBookletBlankInsertion, 1}},
         {},
         call<setLayout>(2),
         {{DtNUpCount, 0}, {DtDuplex, 1}, {DtCreep, 10000}, {DtBookletBlankInsertion, 1}},
         {"DtLayout", "DtNUpCount", "DtDuplex"}},
        {"N-up and duplex being set stay",
         {{DtNUpCount, 4}, {DtDuplex, 0}},
         {DtNUpCount, DtDuplex},
         call<setLayout>(2),
         {{DtNUpCount, 4}, {DtDuplex, 0}},
         {"DtLayout"}},
        {"adhesive binding clears the creep, blank pages, staple, punch and ring binding",
         {{DtCreep, 10000},
          {DtBookletBlankInsertion, 1},
          {DtStaple, 5},
          {DtPunch, 3},
          {DtRingBinding, 1},
          {DtDivideOutput, 1}},
         {},
         call<setLayout>(1),
         {{DtCreep, 0},
          {DtBookletBlankInsertion, 0},
          {DtStaple, 0},
          {DtPunch, 0},
          {DtRingBinding, 0},
          {DtDivideOutput, 0}},
         // The staple going takes the divided output with it.
         {"DtLayout", "DtCreep", "DtBookletBlankInsertion", "DtStaple", "DtDivideOutput", "DtPunch",
          "DtRingBinding"}},
        {"a booklet clears the divided output itself once the staple has kept it",
         {{DtDivideOutput, 1}},
         {},
         call<setLayout>(2),
         {{DtDivideOutput, 0}},
         {"DtLayout", "DtDivideOutput"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(LayoutRules, OrientationAndBindingEdge) {
    const WholeChange cases[] = {
        {"a booklet in portrait moves a top binding to the left",
         {{DtBinding, 2}},
         {},
         call<setLayout>(2),
         {{DtBinding, 0}},
         {"DtLayout", "DtBinding"}},
        // A reversed 2-up order would put the binding on the right; the booklet resets it first.
        {"the binding follows the N-up order only as the layout left it",
         {{DtBinding, 2}, {DtNUpCount, 2}},
         {},
         call<setLayout>(2),
         {{DtNUpCount, 0}, {DtBinding, 0}},
         {"DtLayout", "DtNUpCount", "DtBinding"}},
        {"adhesive binding in landscape moves a side binding to the top",
         {{DtOrientation, 1}},
         {},
         call<setLayout>(1),
         {{DtBinding, 2}},
         {"DtLayout", "DtBinding"}},
        {"a binding being set stays",
         {{DtBinding, 2}},
         {DtBinding},
         call<setLayout>(2),
         {{DtBinding, 2}},
         {"DtLayout"}},
        {"2in1 leaves the binding alone",
         {{DtBinding, 2}},
         {},
         call<setLayout>(3),
         {{DtBinding, 2}},
         {"DtLayout"}},
        {"layout 8 turns a portrait page to landscape",
         {},
         {},
         call<setLayout>(8),
         {{DtLayout, 8}, {DtOrientation, 1}},
         {"DtLayout", "DtOrientation"}},
        {"layout 6 turns a landscape page to portrait",
         {{DtOrientation, 1}},
         {},
         call<setLayout>(6),
         {{DtLayout, 6}, {DtOrientation, 0}},
         {"DtLayout", "DtOrientation"}},
        {"an orientation being set stays",
         {},
         {DtOrientation},
         call<setLayout>(9),
         {{DtOrientation, 0}},
         {"DtLayout"}},
        {"a value past the last layout is stored and meets no row",
         {{DtBinding, 2}, {DtNUpCount, 3}, {DtCreep, 10000}},
         {},
         call<setLayout>(10),
         {{DtLayout, 10}, {DtBinding, 2}, {DtNUpCount, 3}, {DtCreep, 10000}},
         {"DtLayout"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(LayoutRules, TheRuleFlagDecidesChaptersFoldsAndCovers) {
    const WholeChange cases[] = {
        // The multi-letter fold would refuse the booklet's A3 sheet; the multi-centre fold takes
        // it.
        {"without the flag booklets drop chapters and keep folds and covers",
         {{DtChapterMode, 1}, {DtFold, 4}, {DtBackCoverTray, 2}},
         {},
         call<setLayout>(2),
         {{DtChapterMode, 0}, {DtFold, 4}, {DtBackCoverTray, 2}},
         {"DtLayout", "DtChapterMode"}},
        {"without the flag a repeat layout keeps chapters, staple and punch",
         {{DtChapterMode, 1}, {DtStaple, 3}, {DtPunch, 1}},
         {},
         call<setLayout>(7),
         {{DtChapterMode, 1}, {DtStaple, 3}, {DtPunch, 1}},
         {"DtLayout"}},
        {"with the flag 2in1 clears the multi-letter fold and chapters",
         {{DtChapterMode, 1}, {DtFold, 3}},
         {},
         callWithRuleFlag<setLayout>(3),
         {{DtChapterMode, 0}, {DtFold, 0}},
         {"DtLayout", "DtFold", "DtChapterMode"}},
        {"with the flag a booklet keeps chapters and the multi-centre fold",
         {{DtChapterMode, 1}, {DtFold, 4}},
         {},
         callWithRuleFlag<setLayout>(2),
         {{DtChapterMode, 1}, {DtFold, 4}},
         {"DtLayout"}},
        {"with the flag adhesive binding zeroes every cover tray, also one being set",
         {{DtFold, 4}, {DtPIFrontCoverTray, 2}, {DtBackCoverTray, 3}, {DtPIBackCoverTray, 1}},
         {DtFrontCoverTray},
         callWithRuleFlag<setLayout>(1),
         {{DtFold, 0}, {DtPIFrontCoverTray, 0}, {DtBackCoverTray, 0}, {DtPIBackCoverTray, 0}},
         {"DtLayout", "DtFold", "DtPIFrontCoverTray", "DtFrontCoverTray", "DtBackCoverTray",
          "DtPIBackCoverTray"}},
        {"with the flag a repeat layout clears staple, punch and chapters",
         {{DtChapterMode, 1}, {DtStaple, 3}, {DtPunch, 1}},
         {},
         callWithRuleFlag<setLayout>(7),
         {{DtChapterMode, 0}, {DtStaple, 0}, {DtPunch, 0}},
         {"DtLayout", "DtStaple", "DtPunch", "DtChapterMode"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(FoldRules, DependentSettings) {
    const WholeChange cases[] = {
        {"no fold clears fold and staple",
         {{DtFold, 4}, {DtStitch, 1}},
         {},
         call<setFold>(0),
         {{DtFold, 0}, {DtStitch, 0}},
         {"DtFold", "DtStitch"}},
        {"a fold and staple being set stays",
         {{DtFold, 4}, {DtStitch, 1}},
         {DtStitch},
         call<setFold>(0),
         {{DtStitch, 1}},
         {"DtFold"}},
        // N-to-1 takes the inserter's covers with it before the fold's own rows reach them.
        {"the multi-letter fold inside sets face up and N-to-1 and clears the four covers",
         {{DtFrontCoverTray, 2},
          {DtPIFrontCoverTray, 1},
          {DtBackCoverTray, 4},
          {DtPIBackCoverTray, 2}},
         {},
         call<setFold>(3),
         {{DtFaceUp, 1},
          {DtNTo1, 1},
          {DtFrontCoverTray, 0},
          {DtPIFrontCoverTray, 0},
          {DtBackCoverTray, 0},
          {DtPIBackCoverTray, 0}},
         {"DtFold", "DtFaceUp", "DtNTo1", "DtPIFrontCoverTray", "DtPIBackCoverTray",
          "DtFrontCoverTray", "DtBackCoverTray"}},
        {"folded outside it clears face up, N-to-1 and the back covers",
         {{DtFoldDirection, 1},
          {DtFaceUp, 1},
          {DtNTo1, 1},
          {DtFrontCoverTray, 2},
          {DtPIFrontCoverTray, 1},
          {DtBackCoverTray, 4},
          {DtPIBackCoverTray, 2}},
         {},
         call<setFold>(3),
         {{DtFaceUp, 0},
          {DtNTo1, 0},
          {DtFrontCoverTray, 2},
          {DtPIFrontCoverTray, 1},
          {DtBackCoverTray, 0},
          {DtPIBackCoverTray, 0}},
         {"DtFold", "DtFaceUp", "DtNTo1", "DtBackCoverTray", "DtPIBackCoverTray"}},
        {"the multi-centre fold folds outside first, then clears what it excludes",
         {{DtStaple, 3},
          {DtPunch, 2},
          {DtRingBinding, 1},
          {DtFaceUp, 1},
          {DtNTo1, 1},
          {DtCollate, 1},
          {DtOffsetCopies, 1},
          {DtOutputBin, 1},
          {DtStitch, 1}},
         {},
         call<setFold>(4),
         {{DtFoldDirection, 1},
          {DtStaple, 0},
          {DtPunch, 0},
          {DtRingBinding, 0},
          {DtFaceUp, 0},
          {DtNTo1, 0},
          {DtCollate, 0},
          {DtOffsetCopies, 0},
          {DtOutputBin, 0},
          {DtStitch, 1}},
         {"DtFold", "DtFoldDirection", "DtStaple", "DtPunch", "DtRingBinding", "DtFaceUp", "DtNTo1",
          "DtCollate", "DtOffsetCopies", "DtOutputBin"}},
        {"a Z-fold folds inside and keeps the staple and punch 1 to 3",
         {{DtFoldDirection, 1}, {DtStaple, 5}, {DtPunch, 3}, {DtStitch, 1}, {DtFaceUp, 1}},
         {},
         call<setFold>(2),
         {{DtFoldDirection, 0}, {DtStaple, 5}, {DtPunch, 3}, {DtStitch, 0}, {DtFaceUp, 0}},
         {"DtFold", "DtFoldDirection", "DtStitch", "DtFaceUp"}},
        {"a staple being set stays under the multi-letter fold",
         {{DtStaple, 4}},
         {DtStaple},
         call<setFold>(3),
         {{DtStaple, 4}, {DtFaceUp, 1}, {DtNTo1, 1}},
         {"DtFold", "DtFaceUp", "DtNTo1"}},
        {"a value past the last fold is only stored",
         {{DtStitch, 1}, {DtFaceUp, 1}},
         {},
         call<setFold>(5),
         {{DtFold, 5}, {DtStitch, 1}, {DtFaceUp, 1}},
         {"DtFold"}},
        {"without the flag a fold leaves the layout alone",
         {{DtLayout, 2}},
         {},
         call<setFold>(1),
         {{DtLayout, 2}},
         {"DtFold"}},
        {"with the flag a Z-fold clears the booklet",
         {{DtLayout, 2}},
         {},
         callWithRuleFlag<setFold>(1),
         {{DtLayout, 0}},
         {"DtFold", "DtLayout"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(FoldRules, TheSheetAndTheMediaOfTheSlot) {
    const WholeChange cases[] = {
        // Stapling with a Z-fold refuses A5 in every feed direction, and dropping the staple
        // leaves the sheet as it is: the staple goes. The Z-fold refuses A5 too, and gets the A4
        // target.
        {"a Z-fold on A5 drops staple 3 and takes the A4 target",
         {{DtPageSize, a5}, {DtStaple, 3}},
         {},
         call<setFold>(1),
         {{DtFold, 1}, {DtStaple, 0}, {DtTargetPaperSize, 2}},
         {"DtFold", "DtStaple", "DtTargetPaperSize"}},
        {"a staple being set stays, and the sheet gets the A4 target",
         {{DtPageSize, a5}, {DtStaple, 3}},
         {DtStaple},
         call<setFold>(2),
         {{DtStaple, 3}, {DtTargetPaperSize, 2}},
         {"DtFold", "DtTargetPaperSize"}},
        {"a Z-fold on A5 while a paper member is being set keeps the paper",
         {{DtPageSize, a5}},
         {DtPageSize},
         call<setFold>(1),
         {{DtTargetPaperSize, 0}},
         {"DtFold"}},
        {"with the slot in progress the fold gives way to its media",
         {{DtInputSlot, 1}, {DtMediaWeightTray1, thick2}},
         {DtInputSlot},
         call<setFold>(1),
         {{DtFold, 0}, {DtInputSlot, 1}},
         {"DtFold", "DtFold"}},
        {"with a media member of the slot in progress the fold gives way too",
         {{DtInputSlot, 1}, {DtMediaWeightTray1, thick2}},
         {DtMediaColorTray1},
         call<setFold>(2),
         {{DtFold, 0}},
         {"DtFold", "DtFold"}},
        // Resetting the weight lets the slot-media rules move the slot to Auto at once.
        {"on the Auto slot only the refused weight is reset",
         {{DtInputSlot, 1},
          {DtMediaWeightTray1, thick2},
          {DtMediaTypeAuto, 1},
          {DtMediaWeightAuto, 6}},
         {},
         call<setFold>(2),
         {{DtFold, 2}, {DtInputSlot, 0}, {DtMediaTypeAuto, 1}, {DtMediaWeightAuto, 0}},
         {"DtFold", "DtMediaWeightAuto", "DtInputSlot"}},
        // Thick7 refuses duplex as well: moving to the Auto slot before its weight is reset
        // would turn duplex off for a weight that does not stay.
        {"the refused Auto weight goes before the slot moves, so duplex stays",
         {{DtInputSlot, 1}, {DtMediaWeightTray1, thick2}, {DtMediaWeightAuto, thick7}},
         {},
         call<setFold>(1),
         {{DtFold, 1}, {DtInputSlot, 0}, {DtMediaWeightAuto, 0}, {DtDuplex, 1}},
         {"DtFold", "DtMediaWeightAuto", "DtInputSlot"}},
        // The multi-centre fold without creases was tested before the creases went.
        {"creases that the sheet refuses go, and the fold is not tested again",
         {{DtPageSize, postcard}, {DtCrease, 2}},
         {},
         call<setFold>(4),
         {{DtFold, 4}, {DtCrease, 0}, {DtTargetPaperSize, 0}},
         {"DtFold", "DtFoldDirection", "DtCrease"}},
        {"without the folding unit the multi-letter fold takes every medium",
         {{DtInputSlot, 1}, {DtMediaWeightTray1, thick7}},
         {},
         call<setFold>(3),
         {{DtFold, 3}, {DtInputSlot, 1}},
         {"DtFold", "DtFaceUp", "DtNTo1"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

// The page-size request marks and stores its members, then calls their setters; the rules run
// from the custom width's setter on, with the B4 page already stored. Stapling with a Z-fold
// refuses B4 in every feed direction, so the fold, switched off by the paper rules, takes the
// stitch with it; one staple and the stitch take B4 and stay.
TEST(FoldRules, APageSetupOfB4MergedIntoAZFoldedStapledAndStitchedRecord) {
    constexpr std::uint8_t b4 = 3;
    checkWholeChange(
        {"B4 merged",
         {{DtFold, 1}, {DtStaple, 3}, {DtStitch, 1}},
         {},
         [](PdCoreData& record, ChangeContext& change) {
             PdPlatformData setup;
             setup.DtPageSize.set(b4);
             setup.DtPageSizeName.assign("B4");
             mergePlatformData(&record, &setup, nullptr, InputSlotMerge::keep,
                               &change.changedFields);
         },
         {{DtPageSize, b4},
          {DtFold, 0},
          {DtStitch, 0},
          {DtStaple, 3},
          {DtBinding, 0},
          {DtTargetPaperSize, 0}},
         {"DtPageSizeName", "DtPageSizeType", "DtCustomPageSizeWidth", "DtCustomPageSizeHeight",
          "DtPageSize", "DtPageSizeName", "DtPageSizeType", "DtCustomPageSizeWidth", "DtFold",
          "DtStitch", "DtCustomPageSizeHeight", "DtPageSize"}});
}

}  // namespace
}  // namespace pd
