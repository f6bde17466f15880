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
        {.name = "no layout zeroes a gutter that is being set",
         .start = {{DtGutter, fiveMillimetres}},
         .marked = {DtGutter},
         .run = call<setLayout>(0),
         .expected = {{DtLayout, 0}, {DtGutter, 0}},
         .changed = {"DtLayout", "DtGutter"}},
        {.name = "a gutter being set that is already 0 is set again",
         .marked = {DtGutter},
         .run = call<setLayout>(0),
         .expected = {{DtGutter, 0}},
         .changed = {"DtLayout", "DtGutter"}},
        {.name = "a gutter of 0 that is not being set is left alone",
         .run = call<setLayout>(0),
         .expected = {{DtGutter, 0}},
         .changed = {"DtLayout"}},
        {.name = "2in1 zeroes the creep also while it is being set, and keeps the gutter",
         .start = {{DtCreep, 10000}, {DtGutter, fiveMillimetres}},
         .marked = {DtCreep},
         .run = call<setLayout>(3),
         .expected = {{DtCreep, 0}, {DtGutter, fiveMillimetres}},
         .changed = {"DtLayout", "DtCreep"}},
        {.name = "a booklet turns N-up off and duplex on, and keeps creep and blank pages",
         .start = {{DtNUpCount, 4}, {DtDuplex, 0}, {DtCreep, 10000}, {DtBookletBlankInsertion, 1}},
         .run = call<setLayout>(2),
         .expected =
             {{DtNUpCount, 0}, {DtDuplex, 1}, {DtCreep, 10000}, {DtBookletBlankInsertion, 1}},
         .changed = {"DtLayout", "DtNUpCount", "DtDuplex"}},
        {.name = "N-up and duplex being set stay",
         .start = {{DtNUpCount, 4}, {DtDuplex, 0}},
         .marked = {DtNUpCount, DtDuplex},
         .run = call<setLayout>(2),
         .expected = {{DtNUpCount, 4}, {DtDuplex, 0}},
         .changed = {"DtLayout"}},
        {.name = "adhesive binding clears the creep, blank pages, staple, punch and ring binding",
         .start = {{DtCreep, 10000},
                   {DtBookletBlankInsertion, 1},
                   {DtStaple, 5},
                   {DtPunch, 3},
                   {DtRingBinding, 1},
                   {DtDivideOutput, 1}},
         .run = call<setLayout>(1),
         .expected = {{DtCreep, 0},
                      {DtBookletBlankInsertion, 0},
                      {DtStaple, 0},
                      {DtPunch, 0},
                      {DtRingBinding, 0},
                      {DtDivideOutput, 0}},  // The staple going takes the divided output with it.
         .changed = {"DtLayout", "DtCreep", "DtBookletBlankInsertion", "DtStaple", "DtDivideOutput",
                     "DtPunch", "DtRingBinding"}},
        {.name = "a booklet clears the divided output itself once the staple has kept it",
         .start = {{DtDivideOutput, 1}},
         .run = call<setLayout>(2),
         .expected = {{DtDivideOutput, 0}},
         .changed = {"DtLayout", "DtDivideOutput"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(LayoutRules, OrientationAndBindingEdge) {
    const WholeChange cases[] = {
        {.name = "a booklet in portrait moves a top binding to the left",
         .start = {{DtBinding, 2}},
         .run = call<setLayout>(2),
         .expected = {{DtBinding, 0}},
         .changed = {"DtLayout", "DtBinding"}},
        // A reversed 2-up order would put the binding on the right; the booklet resets it first.
        {.name = "the binding follows the N-up order only as the layout left it",
         .start = {{DtBinding, 2}, {DtNUpCount, 2}},
         .run = call<setLayout>(2),
         .expected = {{DtNUpCount, 0}, {DtBinding, 0}},
         .changed = {"DtLayout", "DtNUpCount", "DtBinding"}},
        {.name = "adhesive binding in landscape moves a side binding to the top",
         .start = {{DtOrientation, 1}},
         .run = call<setLayout>(1),
         .expected = {{DtBinding, 2}},
         .changed = {"DtLayout", "DtBinding"}},
        {.name = "a binding being set stays",
         .start = {{DtBinding, 2}},
         .marked = {DtBinding},
         .run = call<setLayout>(2),
         .expected = {{DtBinding, 2}},
         .changed = {"DtLayout"}},
        {.name = "2in1 leaves the binding alone",
         .start = {{DtBinding, 2}},
         .run = call<setLayout>(3),
         .expected = {{DtBinding, 2}},
         .changed = {"DtLayout"}},
        {.name = "layout 8 turns a portrait page to landscape",
         .run = call<setLayout>(8),
         .expected = {{DtLayout, 8}, {DtOrientation, 1}},
         .changed = {"DtLayout", "DtOrientation"}},
        {.name = "layout 6 turns a landscape page to portrait",
         .start = {{DtOrientation, 1}},
         .run = call<setLayout>(6),
         .expected = {{DtLayout, 6}, {DtOrientation, 0}},
         .changed = {"DtLayout", "DtOrientation"}},
        {.name = "an orientation being set stays",
         .marked = {DtOrientation},
         .run = call<setLayout>(9),
         .expected = {{DtOrientation, 0}},
         .changed = {"DtLayout"}},
        {.name = "a value past the last layout is stored and meets no row",
         .start = {{DtBinding, 2}, {DtNUpCount, 3}, {DtCreep, 10000}},
         .run = call<setLayout>(10),
         .expected = {{DtLayout, 10}, {DtBinding, 2}, {DtNUpCount, 3}, {DtCreep, 10000}},
         .changed = {"DtLayout"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(LayoutRules, TheRuleFlagDecidesChaptersFoldsAndCovers) {
    const WholeChange cases[] = {
        // The multi-letter fold would refuse the booklet's A3 sheet; the multi-centre fold takes
        // it.
        {.name = "without the flag booklets drop chapters and keep folds and covers",
         .start = {{DtChapterMode, 1}, {DtFold, 4}, {DtBackCoverTray, 2}},
         .run = call<setLayout>(2),
         .expected = {{DtChapterMode, 0}, {DtFold, 4}, {DtBackCoverTray, 2}},
         .changed = {"DtLayout", "DtChapterMode"}},
        {.name = "without the flag a repeat layout keeps chapters, staple and punch",
         .start = {{DtChapterMode, 1}, {DtStaple, 3}, {DtPunch, 1}},
         .run = call<setLayout>(7),
         .expected = {{DtChapterMode, 1}, {DtStaple, 3}, {DtPunch, 1}},
         .changed = {"DtLayout"}},
        {.name = "with the flag 2in1 clears the multi-letter fold and chapters",
         .start = {{DtChapterMode, 1}, {DtFold, 3}},
         .run = callWithRuleFlag<setLayout>(3),
         .expected = {{DtChapterMode, 0}, {DtFold, 0}},
         .changed = {"DtLayout", "DtFold", "DtChapterMode"}},
        {.name = "with the flag a booklet keeps chapters and the multi-centre fold",
         .start = {{DtChapterMode, 1}, {DtFold, 4}},
         .run = callWithRuleFlag<setLayout>(2),
         .expected = {{DtChapterMode, 1}, {DtFold, 4}},
         .changed = {"DtLayout"}},
        {.name = "with the flag adhesive binding zeroes every cover tray, also one being set",
         .start =
             {{DtFold, 4}, {DtPIFrontCoverTray, 2}, {DtBackCoverTray, 3}, {DtPIBackCoverTray, 1}},
         .marked = {DtFrontCoverTray},
         .run = callWithRuleFlag<setLayout>(1),
         .expected =
             {{DtFold, 0}, {DtPIFrontCoverTray, 0}, {DtBackCoverTray, 0}, {DtPIBackCoverTray, 0}},
         .changed = {"DtLayout", "DtFold", "DtPIFrontCoverTray", "DtFrontCoverTray",
                     "DtBackCoverTray", "DtPIBackCoverTray"}},
        {.name = "with the flag a repeat layout clears staple, punch and chapters",
         .start = {{DtChapterMode, 1}, {DtStaple, 3}, {DtPunch, 1}},
         .run = callWithRuleFlag<setLayout>(7),
         .expected = {{DtChapterMode, 0}, {DtStaple, 0}, {DtPunch, 0}},
         .changed = {"DtLayout", "DtStaple", "DtPunch", "DtChapterMode"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(FoldRules, DependentSettings) {
    const WholeChange cases[] = {
        {.name = "no fold clears fold and staple",
         .start = {{DtFold, 4}, {DtStitch, 1}},
         .run = call<setFold>(0),
         .expected = {{DtFold, 0}, {DtStitch, 0}},
         .changed = {"DtFold", "DtStitch"}},
        {.name = "a fold and staple being set stays",
         .start = {{DtFold, 4}, {DtStitch, 1}},
         .marked = {DtStitch},
         .run = call<setFold>(0),
         .expected = {{DtStitch, 1}},
         .changed = {"DtFold"}},
        // N-to-1 takes the inserter's covers with it before the fold's own rows reach them.
        {.name = "the multi-letter fold inside sets face up and N-to-1 and clears the four covers",
         .start = {{DtFrontCoverTray, 2},
                   {DtPIFrontCoverTray, 1},
                   {DtBackCoverTray, 4},
                   {DtPIBackCoverTray, 2}},
         .run = call<setFold>(3),
         .expected = {{DtFaceUp, 1},
                      {DtNTo1, 1},
                      {DtFrontCoverTray, 0},
                      {DtPIFrontCoverTray, 0},
                      {DtBackCoverTray, 0},
                      {DtPIBackCoverTray, 0}},
         .changed = {"DtFold", "DtFaceUp", "DtNTo1", "DtPIFrontCoverTray", "DtPIBackCoverTray",
                     "DtFrontCoverTray", "DtBackCoverTray"}},
        {.name = "folded outside it clears face up, N-to-1 and the back covers",
         .start = {{DtFoldDirection, 1},
                   {DtFaceUp, 1},
                   {DtNTo1, 1},
                   {DtFrontCoverTray, 2},
                   {DtPIFrontCoverTray, 1},
                   {DtBackCoverTray, 4},
                   {DtPIBackCoverTray, 2}},
         .run = call<setFold>(3),
         .expected = {{DtFaceUp, 0},
                      {DtNTo1, 0},
                      {DtFrontCoverTray, 2},
                      {DtPIFrontCoverTray, 1},
                      {DtBackCoverTray, 0},
                      {DtPIBackCoverTray, 0}},
         .changed = {"DtFold", "DtFaceUp", "DtNTo1", "DtBackCoverTray", "DtPIBackCoverTray"}},
        {.name = "the multi-centre fold folds outside first, then clears what it excludes",
         .start = {{DtStaple, 3},
                   {DtPunch, 2},
                   {DtRingBinding, 1},
                   {DtFaceUp, 1},
                   {DtNTo1, 1},
                   {DtCollate, 1},
                   {DtOffsetCopies, 1},
                   {DtOutputBin, 1},
                   {DtStitch, 1}},
         .run = call<setFold>(4),
         .expected = {{DtFoldDirection, 1},
                      {DtStaple, 0},
                      {DtPunch, 0},
                      {DtRingBinding, 0},
                      {DtFaceUp, 0},
                      {DtNTo1, 0},
                      {DtCollate, 0},
                      {DtOffsetCopies, 0},
                      {DtOutputBin, 0},
                      {DtStitch, 1}},
         .changed = {"DtFold", "DtFoldDirection", "DtStaple", "DtPunch", "DtRingBinding",
                     "DtFaceUp", "DtNTo1", "DtCollate", "DtOffsetCopies", "DtOutputBin"}},
        {.name = "a Z-fold folds inside and keeps the staple and punch 1 to 3",
         .start = {{DtFoldDirection, 1}, {DtStaple, 5}, {DtPunch, 3}, {DtStitch, 1}, {DtFaceUp, 1}},
         .run = call<setFold>(2),
         .expected =
             {{DtFoldDirection, 0}, {DtStaple, 5}, {DtPunch, 3}, {DtStitch, 0}, {DtFaceUp, 0}},
         .changed = {"DtFold", "DtFoldDirection", "DtStitch", "DtFaceUp"}},
        {.name = "a staple being set stays under the multi-letter fold",
         .start = {{DtStaple, 4}},
         .marked = {DtStaple},
         .run = call<setFold>(3),
         .expected = {{DtStaple, 4}, {DtFaceUp, 1}, {DtNTo1, 1}},
         .changed = {"DtFold", "DtFaceUp", "DtNTo1"}},
        {.name = "a value past the last fold is only stored",
         .start = {{DtStitch, 1}, {DtFaceUp, 1}},
         .run = call<setFold>(5),
         .expected = {{DtFold, 5}, {DtStitch, 1}, {DtFaceUp, 1}},
         .changed = {"DtFold"}},
        {.name = "without the flag a fold leaves the layout alone",
         .start = {{DtLayout, 2}},
         .run = call<setFold>(1),
         .expected = {{DtLayout, 2}},
         .changed = {"DtFold"}},
        {.name = "with the flag a Z-fold clears the booklet",
         .start = {{DtLayout, 2}},
         .run = callWithRuleFlag<setFold>(1),
         .expected = {{DtLayout, 0}},
         .changed = {"DtFold", "DtLayout"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(FoldRules, TheSheetAndTheMediaOfTheSlot) {
    const WholeChange cases[] = {
        // Stapling with a Z-fold refuses A5 in every feed direction, and dropping the staple
        // leaves the sheet as it is: the staple goes. The Z-fold refuses A5 too, and gets the A4
        // target.
        {.name = "a Z-fold on A5 drops staple 3 and takes the A4 target",
         .start = {{DtPageSize, a5}, {DtStaple, 3}},
         .run = call<setFold>(1),
         .expected = {{DtFold, 1}, {DtStaple, 0}, {DtTargetPaperSize, 2}},
         .changed = {"DtFold", "DtStaple", "DtTargetPaperSize"}},
        {.name = "a staple being set stays, and the sheet gets the A4 target",
         .start = {{DtPageSize, a5}, {DtStaple, 3}},
         .marked = {DtStaple},
         .run = call<setFold>(2),
         .expected = {{DtStaple, 3}, {DtTargetPaperSize, 2}},
         .changed = {"DtFold", "DtTargetPaperSize"}},
        {.name = "a Z-fold on A5 while a paper member is being set keeps the paper",
         .start = {{DtPageSize, a5}},
         .marked = {DtPageSize},
         .run = call<setFold>(1),
         .expected = {{DtTargetPaperSize, 0}},
         .changed = {"DtFold"}},
        {.name = "with the slot in progress the fold gives way to its media",
         .start = {{DtInputSlot, 1}, {DtMediaWeightTray1, thick2}},
         .marked = {DtInputSlot},
         .run = call<setFold>(1),
         .expected = {{DtFold, 0}, {DtInputSlot, 1}},
         .changed = {"DtFold", "DtFold"}},
        {.name = "with a media member of the slot in progress the fold gives way too",
         .start = {{DtInputSlot, 1}, {DtMediaWeightTray1, thick2}},
         .marked = {DtMediaColorTray1},
         .run = call<setFold>(2),
         .expected = {{DtFold, 0}},
         .changed = {"DtFold", "DtFold"}},
        // Resetting the weight lets the slot-media rules move the slot to Auto at once.
        {.name = "on the Auto slot only the refused weight is reset",
         .start = {{DtInputSlot, 1},
                   {DtMediaWeightTray1, thick2},
                   {DtMediaTypeAuto, 1},
                   {DtMediaWeightAuto, 6}},
         .run = call<setFold>(2),
         .expected = {{DtFold, 2}, {DtInputSlot, 0}, {DtMediaTypeAuto, 1}, {DtMediaWeightAuto, 0}},
         .changed = {"DtFold", "DtMediaWeightAuto", "DtInputSlot"}},
        // Thick7 refuses duplex as well: moving to the Auto slot before its weight is reset
        // would turn duplex off for a weight that does not stay.
        {.name = "the refused Auto weight goes before the slot moves, so duplex stays",
         .start = {{DtInputSlot, 1}, {DtMediaWeightTray1, thick2}, {DtMediaWeightAuto, thick7}},
         .run = call<setFold>(1),
         .expected = {{DtFold, 1}, {DtInputSlot, 0}, {DtMediaWeightAuto, 0}, {DtDuplex, 1}},
         .changed = {"DtFold", "DtMediaWeightAuto", "DtInputSlot"}},
        // The multi-centre fold without creases was tested before the creases went.
        {.name = "creases that the sheet refuses go, and the fold is not tested again",
         .start = {{DtPageSize, postcard}, {DtCrease, 2}},
         .run = call<setFold>(4),
         .expected = {{DtFold, 4}, {DtCrease, 0}, {DtTargetPaperSize, 0}},
         .changed = {"DtFold", "DtFoldDirection", "DtCrease"}},
        {.name = "without the folding unit the multi-letter fold takes every medium",
         .start = {{DtInputSlot, 1}, {DtMediaWeightTray1, thick7}},
         .run = call<setFold>(3),
         .expected = {{DtFold, 3}, {DtInputSlot, 1}},
         .changed = {"DtFold", "DtFaceUp", "DtNTo1"}},
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
