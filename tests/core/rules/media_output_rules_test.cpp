// Whole changes through the slot-media rules, the booklet, gutter, creep, duplex, stitch and main
// media setters, the offset and output bin setters, and the smoothing to face-up setters.
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

// Media weights: Thin2 (1) and Thick7 (10) are refused by stapling and duplex and face-down
// output refuse Thick7; Normal (3) passes everywhere.
constexpr std::int64_t thin2 = 1, normal = 3, thick7 = 10;

// The input-slot request of a page setup, which marks the slot for its whole change.
auto inputSlotRequest(std::uint8_t slot) {
    return [slot](PdCoreData& record, ChangeContext& change) {
        applyInputSlotRequest(record, {slot}, &change.changedFields, nullptr, nullptr);
    };
}

TEST(SlotMediaRules, MoveToTheAutoSlotOrTurnTheFinishingOff) {
    const WholeChange cases[] = {
        {.name = "a thin tray 1 with a Z-fold and a normal Auto weight moves to the Auto slot",
         .start = {{DtInputSlot, 1}, {DtMediaWeightTray1, thin2}, {DtFold, 1}},
         .run = call<setMediaWeightAuto>(normal),
         .expected = {{DtInputSlot, 0}, {DtFold, 1}, {DtMediaWeightAuto, normal}},
         .changed = {"DtMediaWeightAuto", "DtInputSlot"}},
        {.name =
             "an input-slot request for a heavy tray turns duplex and staple off and face up on",
         .start = {{DtMediaWeightTray1, thick7}, {DtDuplex, 1}, {DtStaple, 3}},
         .run = inputSlotRequest(1),
         .expected = {{DtInputSlot, 1}, {DtDuplex, 0}, {DtStaple, 0}, {DtFaceUp, 1}},
         .changed = {"DtInputSlot", "DtInputSlot", "DtDuplex", "DtStaple", "DtFaceUp"}},
        {.name = "with the Auto slot a refused finishing is turned off at once",
         .start = {{DtDuplex, 1}},
         .run = call<setMediaWeightAuto>(thick7),
         .expected = {{DtDuplex, 0}, {DtFaceUp, 1}},
         .changed = {"DtMediaWeightAuto", "DtDuplex", "DtFaceUp"}},
        {.name = "a finishing being set further out does not stop the move to the Auto slot",
         .start = {{DtInputSlot, 2}, {DtMediaWeightTray2, thick7}, {DtStaple, 4}},
         .marked = {DtStaple},
         .run = call<setMediaTypeAuto>(1),
         .expected = {{DtInputSlot, 0}, {DtStaple, 4}},
         .changed = {"DtMediaTypeAuto", "DtInputSlot"}},
        {.name = "nor is it turned off when the Auto media refuse it too, unlike duplex",
         .start = {{DtInputSlot, 2},
                   {DtMediaWeightTray2, thick7},
                   {DtMediaWeightAuto, thick7},
                   {DtStaple, 4},
                   {DtFaceUp, 1}},
         .marked = {DtStaple},
         .run = call<setMediaTypeAuto>(1),
         .expected = {{DtInputSlot, 2}, {DtStaple, 4}, {DtDuplex, 0}},
         .changed = {"DtMediaTypeAuto", "DtDuplex"}},
        {.name = "a tray whose media are not specified refuses nothing",
         .start = {{DtInputSlot, 3}, {DtMediaWeightTray3, 11}, {DtDuplex, 1}},
         .run = call<setInputSlot>(3),
         .expected = {{DtDuplex, 1}},
         .changed = {"DtInputSlot"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(LayoutPullingRules, BookletGutterAndCreepSetTheLayout) {
    const WholeChange cases[] = {
        {.name = "a gutter of 5 mm on a page without layout gives 2in1",
         .run = call<setGutter>(50000),
         .expected = {{DtGutter, 50000}, {DtLayout, 3}},
         .changed = {"DtGutter", "DtLayout"}},
        {.name = "a gutter of 0 changes nothing else",
         .run = call<setGutter>(0),
         .expected = {},
         .changed = {"DtGutter"}},
        {.name = "a gutter keeps a layout it finds",
         .start = {{DtLayout, 6}},
         .run = call<setGutter>(-1),
         .expected = {{DtLayout, 6}},
         .changed = {"DtGutter"}},
        {.name = "a creep makes a repeat layout a booklet",
         .start = {{DtLayout, 9}},
         .run = call<setCreep>(-20000),
         .expected = {{DtLayout, 2}},
         .changed = {"DtCreep", "DtLayout"}},
        {.name = "a creep keeps a layout in progress",
         .start = {{DtLayout, 3}},
         .marked = {DtLayout},
         .run = call<setCreep>(1),
         .expected = {{DtLayout, 3}},
         .changed = {"DtCreep"}},
        {.name = "a creep of 0 changes nothing else",
         .start = {{DtLayout, 3}},
         .run = call<setCreep>(0),
         .expected = {{DtLayout, 3}},
         .changed = {"DtCreep"}},
        {.name = "a blank page insertion makes adhesive binding a booklet",
         .start = {{DtLayout, 1}},
         .run = call<setBookletBlankInsertion>(1),
         .expected = {{DtLayout, 2}},
         .changed = {"DtBookletBlankInsertion", "DtLayout"}},
        {.name = "no blank page insertion changes nothing else",
         .start = {{DtLayout, 1}},
         .run = call<setBookletBlankInsertion>(0),
         .expected = {{DtLayout, 1}},
         .changed = {"DtBookletBlankInsertion"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(DuplexRules, OneSidedPrintingDropsWhatNeedsTwoSides) {
    const WholeChange cases[] = {
        {.name = "booklet, chapters and the separate back shift go",
         .start = {{DtDuplex, 1},
                   {DtLayout, 2},
                   {DtChapterMode, 1},
                   {DtShiftFrontBack, 1},
                   {DtImageShiftType, 2}},
         .run = call<setDuplex>(0),
         .expected = {{DtLayout, 0}, {DtChapterMode, 0}, {DtShiftFrontBack, 0}},
         .changed = {"DtDuplex", "DtLayout", "DtChapterMode", "DtShiftFrontBack"}},
        {.name = "each stays while it is being set",
         .start = {{DtDuplex, 1}, {DtLayout, 1}, {DtChapterMode, 1}},
         .marked = {DtLayout, DtChapterMode},
         .run = call<setDuplex>(0),
         .expected = {{DtLayout, 1}, {DtChapterMode, 1}},
         .changed = {"DtDuplex"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(DuplexRules, MeetTheMediaOfTheSlot) {
    const WholeChange cases[] = {
        // Only the weight is refused: the type and colour of the Auto media stay, and face-down
        // output, which the heavy weight would refuse, stays too.
        {.name = "on a heavy tray the job moves to the Auto slot and only the weight is reset",
         .start = {{DtInputSlot, 1},
                   {DtMediaWeightTray1, thick7},
                   {DtMediaTypeAuto, 1},
                   {DtMediaWeightAuto, thick7},
                   {DtMediaColorAuto, 2}},
         .run = call<setDuplex>(1),
         .expected = {{DtDuplex, 1},
                      {DtInputSlot, 0},
                      {DtMediaTypeAuto, 1},
                      {DtMediaWeightAuto, 0},
                      {DtMediaColorAuto, 2},
                      {DtFaceUp, 0}},
         .changed = {"DtDuplex", "DtMediaWeightAuto", "DtInputSlot"}},
        {.name = "on a heavy tray with Auto media that pass, only the slot moves",
         .start = {{DtInputSlot, 1}, {DtMediaWeightTray1, thick7}},
         .run = call<setDuplex>(1),
         .expected = {{DtDuplex, 1}, {DtInputSlot, 0}},
         .changed = {"DtDuplex", "DtInputSlot"}},
        {.name = "with the slot in progress duplex gives way",
         .start = {{DtInputSlot, 1}, {DtMediaWeightTray1, thick7}},
         .marked = {DtInputSlot},
         .run = call<setDuplex>(1),
         .expected = {{DtDuplex, 0}, {DtInputSlot, 1}},
         .changed = {"DtDuplex", "DtDuplex"}},
        {.name = "with a media member of the slot in progress duplex gives way",
         .start = {{DtInputSlot, 1}, {DtMediaWeightTray1, thick7}},
         .marked = {DtMediaColorTray1},
         .run = call<setDuplex>(1),
         .expected = {{DtDuplex, 0}},
         .changed = {"DtDuplex", "DtDuplex"}},
        {.name = "a media member of another tray in progress does not count",
         .start = {{DtInputSlot, 1}, {DtMediaWeightTray1, thick7}},
         .marked = {DtMediaColorTray2},
         .run = call<setDuplex>(1),
         .expected = {{DtDuplex, 1}, {DtInputSlot, 0}},
         .changed = {"DtDuplex", "DtInputSlot"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(StitchRules, FoldAndStapleNeedsTheMultiCentreFold) {
    // The wide ISO B5 sheet goes through the multi-centre fold only with creases.
    constexpr std::uint8_t isoB5Wide = 26;
    const WholeChange cases[] = {
        {.name = "with crease on there is no paper adjustment",
         .start = {{DtPageSize, isoB5Wide}, {DtCrease, 1}},
         .run = call<setStitch>(1),
         .expected = {{DtFold, 4}, {DtCrease, 1}, {DtTargetPaperSize, 0}},
         .changed = {"DtStitch", "DtFold", "DtFoldDirection"}},
        {.name = "a multi-centre fold stays",
         .start = {{DtFold, 4}},
         .run = call<setStitch>(1),
         .expected = {{DtFold, 4}},
         .changed = {"DtStitch"}},
        {.name = "a fold in progress stays",
         .start = {{DtFold, 1}},
         .marked = {DtFold},
         .run = call<setStitch>(1),
         .expected = {{DtFold, 1}},
         .changed = {"DtStitch"}},
        // A postcard is refused in every feed direction: the fold's own search gives the A4
        // target, which the stitch then accepts.
        {.name = "without crease a refused sheet gets a target paper",
         .start = {{DtPageSize, postcard}},
         .run = call<setStitch>(1),
         .expected = {{DtFold, 4}, {DtTargetPaperSize, 2}},
         .changed = {"DtStitch", "DtFold", "DtFoldDirection", "DtTargetPaperSize"}},
        {.name = "no target is sought while a paper member is being set",
         .start = {{DtPageSize, postcard}},
         .marked = {DtOrientation},
         .run = call<setStitch>(1),
         .expected = {{DtTargetPaperSize, 0}},
         .changed = {"DtStitch", "DtFold", "DtFoldDirection"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(MainMediaRules, BookAndRoughPaperExcludeTheHeaviestWeights) {
    const WholeChange cases[] = {
        {.name = "book paper resets Thick6",
         .start = {{DtMediaWeightAuto, 9}},
         .run = call<setMediaTypeAuto>(3),
         .expected = {{DtMediaWeightAuto, 0}},
         .changed = {"DtMediaTypeAuto", "DtMediaWeightAuto"}},
        {.name = "Thick6 resets book paper",
         .start = {{DtMediaTypeAuto, 3}},
         .run = call<setMediaWeightAuto>(9),
         .expected = {{DtMediaTypeAuto, 0}},
         .changed = {"DtMediaWeightAuto", "DtMediaTypeAuto"}},
        {.name = "rough paper keeps Thick4",
         .start = {{DtMediaWeightAuto, 7}},
         .run = call<setMediaTypeAuto>(4),
         .expected = {{DtMediaWeightAuto, 7}},
         .changed = {"DtMediaTypeAuto"}},
        {.name = "a weight in progress stays",
         .start = {{DtMediaWeightAuto, 8}},
         .marked = {DtMediaWeightAuto},
         .run = call<setMediaTypeAuto>(4),
         .expected = {{DtMediaWeightAuto, 8}},
         .changed = {"DtMediaTypeAuto"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(OffsetRules, KeepOneVariantOfOffsetWithItsCount) {
    const WholeChange cases[] = {
        {.name = "offset by copies off switches offset by sheets off and both counts to 1",
         .start = {{DtOffsetCopies, 1},
                   {DtOffsetPages, 1},
                   {DtOffsetPagesCount, 5},
                   {DtOffsetCopiesCount, 3}},
         .run = call<setOffsetCopies>(0),
         .expected = {{DtOffsetPages, 0}, {DtOffsetPagesCount, 1}, {DtOffsetCopiesCount, 1}},
         .changed = {"DtOffsetCopies", "DtOffsetPages", "DtOffsetPagesCount",
                     "DtOffsetCopiesCount"}},
        {.name = "offset by sheets in progress stays on",
         .start = {{DtOffsetCopies, 1}, {DtOffsetPages, 1}},
         .marked = {DtOffsetPages},
         .run = call<setOffsetCopies>(0),
         .expected = {{DtOffsetPages, 1}},
         .changed = {"DtOffsetCopies"}},
        {.name = "offset by copies drops the folds 3 and 4, ring binding and the StaplerSub tray",
         .start = {{DtFold, 4}, {DtRingBinding, 1}, {DtOutputBin, 2}},
         .run = call<setOffsetCopies>(1),
         .expected = {{DtFold, 0}, {DtRingBinding, 0}, {DtOutputBin, 0}},
         .changed = {"DtOffsetCopies", "DtFold", "DtRingBinding", "DtOutputBin"}},
        // The overriding row sets a count that is being set, even to the value it holds.
        {.name = "offset by sheets sets the copies count even while that count is being set",
         .marked = {DtOffsetCopiesCount},
         .run = call<setOffsetPages>(1),
         .expected = {{DtOffsetCopies, 1}, {DtOffsetCopiesCount, 1}},
         .changed = {"DtOffsetPages", "DtOffsetCopies", "DtOffsetCopiesCount"}},
        {.name = "a copies count other than 1 selects offset by copies over offset by sheets in "
                 "progress",
         .start = {{DtOffsetPages, 1}},
         .marked = {DtOffsetPages},
         .run = call<setOffsetCopiesCount>(0),
         .expected = {{DtOffsetCopiesCount, 0}, {DtOffsetCopies, 1}, {DtOffsetPages, 0}},
         .changed = {"DtOffsetCopiesCount", "DtOffsetCopies", "DtOffsetPages"}},
        {.name = "a sheets count other than 1 selects offset by sheets",
         .start = {{DtOffsetCopiesCount, 4}},
         .run = call<setOffsetPagesCount>(65535),
         .expected = {{DtOffsetPages, 1}, {DtOffsetCopies, 1}, {DtOffsetCopiesCount, 1}},
         .changed = {"DtOffsetPagesCount", "DtOffsetPages", "DtOffsetCopies",
                     "DtOffsetCopiesCount"}},
        {.name = "a count of 1 changes nothing else",
         .start = {{DtOffsetPages, 1}},
         .run = call<setOffsetPagesCount>(1),
         .expected = {{DtOffsetPages, 1}},
         .changed = {"DtOffsetPagesCount"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(OutputBinRules, StaplerTraysExcludeWhatTheyCannotTake) {
    const WholeChange cases[] = {
        {.name = "StaplerSub clears the staple, ring binding, the fold 3 and both offsets",
         .start = {{DtStaple, 3},
                   {DtRingBinding, 1},
                   {DtFold, 3},
                   {DtOffsetCopies, 1},
                   {DtOffsetPages, 1},
                   {DtOffsetPagesCount, 4}},
         .run = call<setOutputBin>(2),
         .expected = {{DtStaple, 0},
                      {DtRingBinding, 0},
                      {DtFold, 0},
                      {DtOffsetCopies, 0},
                      {DtOffsetPages, 0},
                      {DtOffsetPagesCount, 1}},
         .changed = {"DtOutputBin", "DtStaple", "DtRingBinding", "DtFold", "DtOffsetCopies",
                     "DtOffsetPages", "DtOffsetPagesCount"}},
        {.name = "StaplerMain keeps staple, Z-fold and offsets",
         .start = {{DtStaple, 5}, {DtRingBinding, 1}, {DtFold, 1}, {DtOffsetCopies, 1}},
         .run = call<setOutputBin>(1),
         .expected = {{DtStaple, 5}, {DtRingBinding, 0}, {DtFold, 1}, {DtOffsetCopies, 1}},
         .changed = {"DtOutputBin", "DtRingBinding"}},
        {.name = "a member in progress stays",
         .start = {{DtStaple, 6}},
         .marked = {DtStaple},
         .run = call<setOutputBin>(2),
         .expected = {{DtStaple, 6}},
         .changed = {"DtOutputBin"}},
        {.name = "a tray past the last choice matches no row",
         .start = {{DtStaple, 6}},
         .run = call<setOutputBin>(3),
         .expected = {{DtStaple, 6}},
         .changed = {"DtOutputBin"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(SmoothingToFaceUpRules, ExcludeWhatTheSettingCannotGoWith) {
    const WholeChange cases[] = {
        {.name = "smoothing at 1200 dpi sets 600 dpi",
         .start = {{DtResolution, 1}},
         .run = call<setSmoothing>(3),
         .expected = {{DtResolution, 0}},
         .changed = {"DtSmoothing", "DtResolution"}},
        {.name = "no smoothing keeps 1200 dpi",
         .start = {{DtResolution, 1}},
         .run = call<setSmoothing>(0),
         .expected = {{DtResolution, 1}},
         .changed = {"DtSmoothing"}},
        {.name = "a back cover from a tray clears the multi-letter fold and grouped output",
         .start = {{DtFold, 3}, {DtFoldDirection, 1}, {DtCollate, 1}},
         .run = call<setBackCoverTray>(5),
         .expected = {{DtFold, 0}, {DtCollate, 0}},
         .changed = {"DtBackCoverTray", "DtFold", "DtCollate"}},
        {.name = "a back tray past the last choice matches no row",
         .start = {{DtFold, 3}},
         .run = call<setBackCoverTray>(6),
         .expected = {{DtFold, 3}},
         .changed = {"DtBackCoverTray"}},
        {.name = "divided output without a staple brings 2StaplesNormal and sorts",
         .start = {{DtCollate, 1}},
         .run = call<setDivideOutput>(1),
         .expected = {{DtStaple, 5}, {DtCollate, 0}},
         .changed = {"DtDivideOutput", "DtStaple", "DtCollate"}},
        {.name = "divided output keeps a staple",
         .start = {{DtStaple, 2}},
         .run = call<setDivideOutput>(1),
         .expected = {{DtStaple, 2}},
         .changed = {"DtDivideOutput"}},
        {.name =
             "face up clears staple, punch and ring binding and folds a multi-letter fold inside",
         .start =
             {{DtStaple, 6}, {DtPunch, 4}, {DtFold, 3}, {DtFoldDirection, 1}, {DtRingBinding, 1}},
         .run = call<setFaceUp>(1),  // Folding inside brings N-to-1.
         .expected = {{DtStaple, 0},
                      {DtPunch, 0},
                      {DtFoldDirection, 0},
                      {DtNTo1, 1},
                      {DtFold, 3},
                      {DtRingBinding, 0}},
         .changed = {"DtFaceUp", "DtStaple", "DtPunch", "DtFoldDirection", "DtNTo1",
                     "DtRingBinding"}},
        {.name = "face up clears a Z-fold",
         .start = {{DtFold, 2}},
         .run = call<setFaceUp>(1),
         .expected = {{DtFold, 0}},
         .changed = {"DtFaceUp", "DtFold"}},
        {.name = "face down folds a multi-letter fold outside",
         .start = {{DtFold, 3}},
         .run = call<setFaceUp>(0),
         .expected = {{DtFoldDirection, 1}},
         .changed = {"DtFaceUp", "DtFoldDirection"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(FaceUpRules, FaceDownMeetsTheMediaOfTheSlot) {
    const WholeChange cases[] = {
        // The re-entered face-up call applies its own rows inside the outer one.
        {.name = "on a heavy tray with the slot in progress the output turns face up",
         .start = {{DtInputSlot, 1}, {DtMediaWeightTray1, thick7}, {DtStaple, 3}},
         .marked = {DtInputSlot},
         .run = call<setFaceUp>(0),
         .expected = {{DtFaceUp, 1}, {DtStaple, 0}, {DtInputSlot, 1}},
         .changed = {"DtFaceUp", "DtFaceUp", "DtStaple"}},
        // Duplex, which the heavy Auto weight refuses, stays: the weight is reset first.
        {.name =
             "on a heavy tray with heavy Auto media the weight is reset and the output stays face "
             "down",
         .start = {{DtInputSlot, 1}, {DtMediaWeightTray1, thick7}, {DtMediaWeightAuto, thick7}},
         .run = call<setFaceUp>(0),
         .expected = {{DtFaceUp, 0}, {DtInputSlot, 0}, {DtMediaWeightAuto, 0}, {DtDuplex, 1}},
         .changed = {"DtFaceUp", "DtMediaWeightAuto", "DtInputSlot"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

}  // namespace
}  // namespace pd
