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
        {"a thin tray 1 with a Z-fold and a normal Auto weight moves to the Auto slot",
         {{DtInputSlot, 1}, {DtMediaWeightTray1, thin2}, {DtFold, 1}},
         {},
         call<setMediaWeightAuto>(normal),
         {{DtInputSlot, 0}, {DtFold, 1}, {DtMediaWeightAuto, normal}},
         {"DtMediaWeightAuto", "DtInputSlot"}},
        {"an input-slot request for a heavy tray turns duplex and staple off and face up on",
         {{DtMediaWeightTray1, thick7}, {DtDuplex, 1}, {DtStaple, 3}},
         {},
         inputSlotRequest(1),
         {{DtInputSlot, 1}, {DtDuplex, 0}, {DtStaple, 0}, {DtFaceUp, 1}},
         {"DtInputSlot", "DtInputSlot", "DtDuplex", "DtStaple", "DtFaceUp"}},
        {"with the Auto slot a refused finishing is turned off at once",
         {{DtDuplex, 1}},
         {},
         call<setMediaWeightAuto>(thick7),
         {{DtDuplex, 0}, {DtFaceUp, 1}},
         {"DtMediaWeightAuto", "DtDuplex", "DtFaceUp"}},
        {"a finishing being set further out does not stop the move to the Auto slot",
         {{DtInputSlot, 2}, {DtMediaWeightTray2, thick7}, {DtStaple, 4}},
         {DtStaple},
         call<setMediaTypeAuto>(1),
         {{DtInputSlot, 0}, {DtStaple, 4}},
         {"DtMediaTypeAuto", "DtInputSlot"}},
        {"nor is it turned off when the Auto media refuse it too, unlike duplex",
         {{DtInputSlot, 2},
          {DtMediaWeightTray2, thick7},
          {DtMediaWeightAuto, thick7},
          {DtStaple, 4},
          {DtFaceUp, 1}},
         {DtStaple},
         call<setMediaTypeAuto>(1),
         {{DtInputSlot, 2}, {DtStaple, 4}, {DtDuplex, 0}},
         {"DtMediaTypeAuto", "DtDuplex"}},
        {"a tray whose media are not specified refuses nothing",
         {{DtInputSlot, 3}, {DtMediaWeightTray3, 11}, {DtDuplex, 1}},
         {},
         call<setInputSlot>(3),
         {{DtDuplex, 1}},
         {"DtInputSlot"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(LayoutPullingRules, BookletGutterAndCreepSetTheLayout) {
    const WholeChange cases[] = {
        {"a gutter of 5 mm on a page without layout gives 2in1",
         {},
         {},
         call<setGutter>(50000),
         {{DtGutter, 50000}, {DtLayout, 3}},
         {"DtGutter", "DtLayout"}},
        {"a gutter of 0 changes nothing else", {}, {}, call<setGutter>(0), {}, {"DtGutter"}},
        {"a gutter keeps a layout it finds",
         {{DtLayout, 6}},
         {},
         call<setGutter>(-1),
         {{DtLayout, 6}},
         {"DtGutter"}},
        {"a creep makes a repeat layout a booklet",
         {{DtLayout, 9}},
         {},
         call<setCreep>(-20000),
         {{DtLayout, 2}},
         {"DtCreep", "DtLayout"}},
        {"a creep keeps a layout in progress",
         {{DtLayout, 3}},
         {DtLayout},
         call<setCreep>(1),
         {{DtLayout, 3}},
         {"DtCreep"}},
        {"a creep of 0 changes nothing else",
         {{DtLayout, 3}},
         {},
         call<setCreep>(0),
         {{DtLayout, 3}},
         {"DtCreep"}},
        {"a blank page insertion makes adhesive binding a booklet",
         {{DtLayout, 1}},
         {},
         call<setBookletBlankInsertion>(1),
         {{DtLayout, 2}},
         {"DtBookletBlankInsertion", "DtLayout"}},
        {"no blank page insertion changes nothing else",
         {{DtLayout, 1}},
         {},
         call<setBookletBlankInsertion>(0),
         {{DtLayout, 1}},
         {"DtBookletBlankInsertion"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(DuplexRules, OneSidedPrintingDropsWhatNeedsTwoSides) {
    const WholeChange cases[] = {
        {"booklet, chapters and the separate back shift go",
         {{DtDuplex, 1},
          {DtLayout, 2},
          {DtChapterMode, 1},
          {DtShiftFrontBack, 1},
          {DtImageShiftType, 2}},
         {},
         call<setDuplex>(0),
         {{DtLayout, 0}, {DtChapterMode, 0}, {DtShiftFrontBack, 0}},
         {"DtDuplex", "DtLayout", "DtChapterMode", "DtShiftFrontBack"}},
        {"each stays while it is being set",
         {{DtDuplex, 1}, {DtLayout, 1}, {DtChapterMode, 1}},
         {DtLayout, DtChapterMode},
         call<setDuplex>(0),
         {{DtLayout, 1}, {DtChapterMode, 1}},
         {"DtDuplex"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(DuplexRules, MeetTheMediaOfTheSlot) {
    const WholeChange cases[] = {
        // Only the weight is refused: the type and colour of the Auto media stay, and face-down
        // output, which the heavy weight would refuse, stays too.
        {"on a heavy tray the job moves to the Auto slot and only the weight is reset",
         {{DtInputSlot, 1},
          {DtMediaWeightTray1, thick7},
          {DtMediaTypeAuto, 1},
          {DtMediaWeightAuto, thick7},
          {DtMediaColorAuto, 2}},
         {},
         call<setDuplex>(1),
         {{DtDuplex, 1},
          {DtInputSlot, 0},
          {DtMediaTypeAuto, 1},
          {DtMediaWeightAuto, 0},
          {DtMediaColorAuto, 2},
          {DtFaceUp, 0}},
         {"DtDuplex", "DtMediaWeightAuto", "DtInputSlot"}},
        {"on a heavy tray with Auto media that pass, only the slot moves",
         {{DtInputSlot, 1}, {DtMediaWeightTray1, thick7}},
         {},
         call<setDuplex>(1),
         {{DtDuplex, 1}, {DtInputSlot, 0}},
         {"DtDuplex", "DtInputSlot"}},
        {"with the slot in progress duplex gives way",
         {{DtInputSlot, 1}, {DtMediaWeightTray1, thick7}},
         {DtInputSlot},
         call<setDuplex>(1),
         {{DtDuplex, 0}, {DtInputSlot, 1}},
         {"DtDuplex", "DtDuplex"}},
        {"with a media member of the slot in progress duplex gives way",
         {{DtInputSlot, 1}, {DtMediaWeightTray1, thick7}},
         {DtMediaColorTray1},
         call<setDuplex>(1),
         {{DtDuplex, 0}},
         {"DtDuplex", "DtDuplex"}},
        {"a media member of another tray in progress does not count",
         {{DtInputSlot, 1}, {DtMediaWeightTray1, thick7}},
         {DtMediaColorTray2},
         call<setDuplex>(1),
         {{DtDuplex, 1}, {DtInputSlot, 0}},
         {"DtDuplex", "DtInputSlot"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(StitchRules, FoldAndStapleNeedsTheMultiCentreFold) {
    // The wide ISO B5 sheet goes through the multi-centre fold only with creases.
    constexpr std::uint8_t isoB5Wide = 26;
    const WholeChange cases[] = {
        {"with crease on there is no paper adjustment",
         {{DtPageSize, isoB5Wide}, {DtCrease, 1}},
         {},
         call<setStitch>(1),
         {{DtFold, 4}, {DtCrease, 1}, {DtTargetPaperSize, 0}},
         {"DtStitch", "DtFold", "DtFoldDirection"}},
        {"a multi-centre fold stays",
         {{DtFold, 4}},
         {},
         call<setStitch>(1),
         {{DtFold, 4}},
         {"DtStitch"}},
        {"a fold in progress stays",
         {{DtFold, 1}},
         {DtFold},
         call<setStitch>(1),
         {{DtFold, 1}},
         {"DtStitch"}},
        // A postcard is refused in every feed direction: the fold's own search gives the A4
        // target, which the stitch then accepts.
        {"without crease a refused sheet gets a target paper",
         {{DtPageSize, postcard}},
         {},
         call<setStitch>(1),
         {{DtFold, 4}, {DtTargetPaperSize, 2}},
         {"DtStitch", "DtFold", "DtFoldDirection", "DtTargetPaperSize"}},
        {"no target is sought while a paper member is being set",
         {{DtPageSize, postcard}},
         {DtOrientation},
         call<setStitch>(1),
         {{DtTargetPaperSize, 0}},
         {"DtStitch", "DtFold", "DtFoldDirection"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(MainMediaRules, BookAndRoughPaperExcludeTheHeaviestWeights) {
    const WholeChange cases[] = {
        {"book paper resets Thick6",
         {{DtMediaWeightAuto, 9}},
         {},
         call<setMediaTypeAuto>(3),
         {{DtMediaWeightAuto, 0}},
         {"DtMediaTypeAuto", "DtMediaWeightAuto"}},
        {"Thick6 resets book paper",
         {{DtMediaTypeAuto, 3}},
         {},
         call<setMediaWeightAuto>(9),
         {{DtMediaTypeAuto, 0}},
         {"DtMediaWeightAuto", "DtMediaTypeAuto"}},
        {"rough paper keeps Thick4",
         {{DtMediaWeightAuto, 7}},
         {},
         call<setMediaTypeAuto>(4),
         {{DtMediaWeightAuto, 7}},
         {"DtMediaTypeAuto"}},
        {"a weight in progress stays",
         {{DtMediaWeightAuto, 8}},
         {DtMediaWeightAuto},
         call<setMediaTypeAuto>(4),
         {{DtMediaWeightAuto, 8}},
         {"DtMediaTypeAuto"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(OffsetRules, KeepOneVariantOfOffsetWithItsCount) {
    const WholeChange cases[] = {
        {"offset by copies off switches offset by sheets off and both counts to 1",
         {{DtOffsetCopies, 1},
          {DtOffsetPages, 1},
          {DtOffsetPagesCount, 5},
          {DtOffsetCopiesCount, 3}},
         {},
         call<setOffsetCopies>(0),
         {{DtOffsetPages, 0}, {DtOffsetPagesCount, 1}, {DtOffsetCopiesCount, 1}},
         {"DtOffsetCopies", "DtOffsetPages", "DtOffsetPagesCount", "DtOffsetCopiesCount"}},
        {"offset by sheets in progress stays on",
         {{DtOffsetCopies, 1}, {DtOffsetPages, 1}},
         {DtOffsetPages},
         call<setOffsetCopies>(0),
         {{DtOffsetPages, 1}},
         {"DtOffsetCopies"}},
        {"offset by copies drops the folds 3 and 4, ring binding and the StaplerSub tray",
         {{DtFold, 4}, {DtRingBinding, 1}, {DtOutputBin, 2}},
         {},
         call<setOffsetCopies>(1),
         {{DtFold, 0}, {DtRingBinding, 0}, {DtOutputBin, 0}},
         {"DtOffsetCopies", "DtFold", "DtRingBinding", "DtOutputBin"}},
        // The overriding row sets a count that is being set, even to the value it holds.
        {"offset by sheets sets the copies count even while that count is being set",
         {},
         {DtOffsetCopiesCount},
         call<setOffsetPages>(1),
         {{DtOffsetCopies, 1}, {DtOffsetCopiesCount, 1}},
         {"DtOffsetPages", "DtOffsetCopies", "DtOffsetCopiesCount"}},
        {"a copies count other than 1 selects offset by copies over offset by sheets in progress",
         {{DtOffsetPages, 1}},
         {DtOffsetPages},
         call<setOffsetCopiesCount>(0),
         {{DtOffsetCopiesCount, 0}, {DtOffsetCopies, 1}, {DtOffsetPages, 0}},
         {"DtOffsetCopiesCount", "DtOffsetCopies", "DtOffsetPages"}},
        {"a sheets count other than 1 selects offset by sheets",
         {{DtOffsetCopiesCount, 4}},
         {},
         call<setOffsetPagesCount>(65535),
         {{DtOffsetPages, 1}, {DtOffsetCopies, 1}, {DtOffsetCopiesCount, 1}},
         {"DtOffsetPagesCount", "DtOffsetPages", "DtOffsetCopies", "DtOffsetCopiesCount"}},
        {"a count of 1 changes nothing else",
         {{DtOffsetPages, 1}},
         {},
         call<setOffsetPagesCount>(1),
         {{DtOffsetPages, 1}},
         {"DtOffsetPagesCount"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(OutputBinRules, StaplerTraysExcludeWhatTheyCannotTake) {
    const WholeChange cases[] = {
        {"StaplerSub clears the staple, ring binding, the fold 3 and both offsets",
         {{DtStaple, 3},
          {DtRingBinding, 1},
          {DtFold, 3},
          {DtOffsetCopies, 1},
          {DtOffsetPages, 1},
          {DtOffsetPagesCount, 4}},
         {},
         call<setOutputBin>(2),
         {{DtStaple, 0},
          {DtRingBinding, 0},
          {DtFold, 0},
          {DtOffsetCopies, 0},
          {DtOffsetPages, 0},
          {DtOffsetPagesCount, 1}},
         {"DtOutputBin", "DtStaple", "DtRingBinding", "DtFold", "DtOffsetCopies", "DtOffsetPages",
          "DtOffsetPagesCount"}},
        {"StaplerMain keeps staple, Z-fold and offsets",
         {{DtStaple, 5}, {DtRingBinding, 1}, {DtFold, 1}, {DtOffsetCopies, 1}},
         {},
         call<setOutputBin>(1),
         {{DtStaple, 5}, {DtRingBinding, 0}, {DtFold, 1}, {DtOffsetCopies, 1}},
         {"DtOutputBin", "DtRingBinding"}},
        {"a member in progress stays",
         {{DtStaple, 6}},
         {DtStaple},
         call<setOutputBin>(2),
         {{DtStaple, 6}},
         {"DtOutputBin"}},
        {"a tray past the last choice matches no row",
         {{DtStaple, 6}},
         {},
         call<setOutputBin>(3),
         {{DtStaple, 6}},
         {"DtOutputBin"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(SmoothingToFaceUpRules, ExcludeWhatTheSettingCannotGoWith) {
    const WholeChange cases[] = {
        {"smoothing at 1200 dpi sets 600 dpi",
         {{DtResolution, 1}},
         {},
         call<setSmoothing>(3),
         {{DtResolution, 0}},
         {"DtSmoothing", "DtResolution"}},
        {"no smoothing keeps 1200 dpi",
         {{DtResolution, 1}},
         {},
         call<setSmoothing>(0),
         {{DtResolution, 1}},
         {"DtSmoothing"}},
        {"a back cover from a tray clears the multi-letter fold and grouped output",
         {{DtFold, 3}, {DtFoldDirection, 1}, {DtCollate, 1}},
         {},
         call<setBackCoverTray>(5),
         {{DtFold, 0}, {DtCollate, 0}},
         {"DtBackCoverTray", "DtFold", "DtCollate"}},
        {"a back tray past the last choice matches no row",
         {{DtFold, 3}},
         {},
         call<setBackCoverTray>(6),
         {{DtFold, 3}},
         {"DtBackCoverTray"}},
        {"divided output without a staple brings 2StaplesNormal and sorts",
         {{DtCollate, 1}},
         {},
         call<setDivideOutput>(1),
         {{DtStaple, 5}, {DtCollate, 0}},
         {"DtDivideOutput", "DtStaple", "DtCollate"}},
        {"divided output keeps a staple",
         {{DtStaple, 2}},
         {},
         call<setDivideOutput>(1),
         {{DtStaple, 2}},
         {"DtDivideOutput"}},
        {"face up clears staple, punch and ring binding and folds a multi-letter fold inside",
         {{DtStaple, 6}, {DtPunch, 4}, {DtFold, 3}, {DtFoldDirection, 1}, {DtRingBinding, 1}},
         {},
         call<setFaceUp>(1),
         // Folding inside brings N-to-1.
         {{DtStaple, 0},
          {DtPunch, 0},
          {DtFoldDirection, 0},
          {DtNTo1, 1},
          {DtFold, 3},
          {DtRingBinding, 0}},
         {"DtFaceUp", "DtStaple", "DtPunch", "DtFoldDirection", "DtNTo1", "DtRingBinding"}},
        {"face up clears a Z-fold",
         {{DtFold, 2}},
         {},
         call<setFaceUp>(1),
         {{DtFold, 0}},
         {"DtFaceUp", "DtFold"}},
        {"face down folds a multi-letter fold outside",
         {{DtFold, 3}},
         {},
         call<setFaceUp>(0),
         {{DtFoldDirection, 1}},
         {"DtFaceUp", "DtFoldDirection"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(FaceUpRules, FaceDownMeetsTheMediaOfTheSlot) {
    const WholeChange cases[] = {
        // The re-entered face-up call applies its own rows inside the outer one.
        {"on a heavy tray with the slot in progress the output turns face up",
         {{DtInputSlot, 1}, {DtMediaWeightTray1, thick7}, {DtStaple, 3}},
         {DtInputSlot},
         call<setFaceUp>(0),
         {{DtFaceUp, 1}, {DtStaple, 0}, {DtInputSlot, 1}},
         {"DtFaceUp", "DtFaceUp", "DtStaple"}},
        // Duplex, which the heavy Auto weight refuses, stays: the weight is reset first.
        {"on a heavy tray with heavy Auto media the weight is reset and the output stays face "
         "down",
         {{DtInputSlot, 1}, {DtMediaWeightTray1, thick7}, {DtMediaWeightAuto, thick7}},
         {},
         call<setFaceUp>(0),
         {{DtFaceUp, 0}, {DtInputSlot, 0}, {DtMediaWeightAuto, 0}, {DtDuplex, 1}},
         {"DtFaceUp", "DtMediaWeightAuto", "DtInputSlot"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

}  // namespace
}  // namespace pd
