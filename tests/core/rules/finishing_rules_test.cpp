// Whole changes through the staple, image position, punch and ring binding setters.
#include <gtest/gtest.h>

#include <span>

#include "core/rules/row_groups.h"
#include "core/rules/rule_derivations.h"
#include "core/rules/setters.h"
#include "platform/measurement_system.h"
#include "rules_test_support.h"

namespace pd {
namespace {

const bool metric = (useFilterMeasurementSystem(), true);

using namespace test;
using enum MemberId;

// Media weights: stapling refuses Thin2 (1) and Thick7 (10); GBCStreampunch and ring binding
// also Thin1 (2) and Normal (3) and pre-punched paper.
constexpr std::int64_t thin2 = 1, thin1 = 2, thick7 = 10;

TEST(StapleRules, ExclusionsAndTheBindingEdge) {
    const WholeChange cases[] = {
        {"1StapleLeft with a Right binding moves the binding to Top",
         {{DtBinding, 1}},
         {},
         call<setStaple>(1),
         {{DtStaple, 1}, {DtBinding, 2}},
         {"DtStaple", "DtBinding"}},
        {"1StapleLeft leaves a binding in progress alone",
         {{DtBinding, 1}},
         {DtBinding},
         call<setStaple>(1),
         {{DtStaple, 1}, {DtBinding, 1}},
         {"DtStaple"}},
        {"1StapleRight with a Left binding moves the binding to Top",
         {},
         {},
         call<setStaple>(2),
         {{DtBinding, 2}},
         {"DtStaple", "DtBinding"}},
        {"1StapleLeft with a Left binding moves the binding to Top",
         {},
         {},
         call<setStaple>(1),
         {{DtStaple, 1}, {DtBinding, 2}},
         {"DtStaple", "DtBinding"}},
        {"1StapleRight with a Right binding moves the binding to Top",
         {{DtBinding, 1}},
         {},
         call<setStaple>(2),
         {{DtStaple, 2}, {DtBinding, 2}},
         {"DtStaple", "DtBinding"}},
        {"1Staple leaves a Top binding in progress alone",
         {{DtBinding, 2}},
         {DtBinding},
         call<setStaple>(3),
         {{DtStaple, 3}, {DtBinding, 2}},
         {"DtStaple"}},
        {"1Staple moves a Top binding to Left",
         {{DtBinding, 2}},
         {},
         call<setStaple>(3),
         {{DtStaple, 3}, {DtBinding, 0}},
         {"DtStaple", "DtBinding"}},
        {"2StaplesNormal clears punch 4, fold 3, slit and crease in that order",
         {{DtPunch, 4}, {DtFold, 3}, {DtSlit, 1}, {DtCrease, 2}},
         {},
         call<setStaple>(5),
         {{DtPunch, 0}, {DtFold, 0}, {DtSlit, 0}, {DtCrease, 0}},
         {"DtStaple", "DtPunch", "DtFold", "DtSlit", "DtCrease"}},
        {"1StapleLeft clears fold 4, slit FirstOnly and crease 4",
         {{DtBinding, 2}, {DtFold, 4}, {DtSlit, 2}, {DtCrease, 4}},
         {},
         call<setStaple>(1),
         {{DtBinding, 2}, {DtFold, 0}, {DtSlit, 0}, {DtCrease, 0}},
         {"DtStaple", "DtFold", "DtSlit", "DtCrease"}},
        {"a staple clears the layout, N-to-1, face up, ring binding and StaplerSub",
         {{DtLayout, 2}, {DtNTo1, 1}, {DtFaceUp, 1}, {DtRingBinding, 1}, {DtOutputBin, 2}},
         {},
         call<setStaple>(6),
         {{DtLayout, 0}, {DtNTo1, 0}, {DtFaceUp, 0}, {DtRingBinding, 0}, {DtOutputBin, 0}},
         {"DtStaple", "DtLayout", "DtNTo1", "DtFaceUp", "DtRingBinding", "DtOutputBin"}},
        {"punch choices 1 to 3, a Z-fold and members in progress stay",
         {{DtPunch, 3}, {DtFold, 2}, {DtLayout, 1}, {DtNTo1, 1}},
         {DtLayout, DtNTo1},
         call<setStaple>(4),
         {{DtPunch, 3}, {DtFold, 2}, {DtLayout, 1}, {DtNTo1, 1}},
         {"DtStaple"}},
        {"no staple changes only the divided output",
         {{DtDivideOutput, 1}, {DtPunch, 4}, {DtSlit, 1}},
         {},
         call<setStaple>(0),
         {{DtDivideOutput, 0}, {DtPunch, 4}, {DtSlit, 1}},
         {"DtStaple", "DtDivideOutput"}},
        {"no staple leaves a divided output in progress alone",
         {{DtDivideOutput, 1}},
         {DtDivideOutput},
         call<setStaple>(0),
         {{DtDivideOutput, 1}},
         {"DtStaple"}},
        {"a value past the last choice matches no row",
         {{DtLayout, 2}, {DtBinding, 1}, {DtSlit, 1}},
         {},
         call<setStaple>(7),
         {{DtLayout, 2}, {DtBinding, 1}, {DtSlit, 1}},
         {"DtStaple"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(StapleRules, TheSheetAndTheZFold) {
    const WholeChange cases[] = {
        // One staple refuses the postcard in every feed direction, so neither the feed direction
        // nor the binding helps: the search gives the A4 target.
        {"1Staple on a postcard gets the A4 target",
         {{DtPageSize, postcard}},
         {},
         call<setStaple>(3),
         {{DtStaple, 3}, {DtTargetPaperSize, 2}},
         {"DtStaple", "DtTargetPaperSize"}},
        // Bound left, A3 portrait goes long edge first, which two staples refuse; bound at the
        // top it goes short edge first.
        {"two staples on A3 turn the binding to Top",
         {{DtPageSize, a3}},
         {},
         call<setStaple>(5),
         {{DtBinding, 2}, {DtTargetPaperSize, 0}},
         {"DtStaple", "DtBinding"}},
        // A5 goes short edge first, which two staples refuse; the direction of the binding passes.
        {"two staples on A5 fed short edge first turn the feed direction to Auto",
         {{DtPageSize, a5}, {DtFeedDir, 2}},
         {},
         call<setStaple>(4),
         {{DtFeedDir, 0}, {DtBinding, 0}, {DtTargetPaperSize, 0}},
         {"DtStaple", "DtFeedDir"}},
        // With the feed direction set the staple's rows leave the binding alone. The search finds
        // that no target is needed once the binding is at the top, and stores 0; the paper rules
        // of the target then turn the binding and clear the feed direction.
        {"a feed direction that stays keeps the binding until the target's rules run",
         {{DtPageSize, a3}, {DtFeedDir, 1}},
         {},
         call<setStaple>(5),
         {{DtFeedDir, 0}, {DtBinding, 2}, {DtTargetPaperSize, 0}},
         {"DtStaple", "DtTargetPaperSize", "DtBinding", "DtFeedDir"}},
        {"no target is sought while a paper member is being set",
         {{DtPageSize, postcard}},
         {DtOrientation},
         call<setStaple>(3),
         {{DtTargetPaperSize, 0}},
         {"DtStaple"}},
        {"1Staple on A5 with a Z-fold drops the fold, which leaves the sheet as it is",
         {{DtPageSize, a5}, {DtFold, 1}},
         {},
         call<setStaple>(3),
         {{DtStaple, 3}, {DtFold, 0}, {DtTargetPaperSize, 0}},
         {"DtStaple", "DtFold"}},
        {"a Z-fold in progress stays and the sheet gets a target instead",
         {{DtPageSize, a5}, {DtFold, 2}},
         {DtFold},
         call<setStaple>(6),
         {{DtFold, 2}, {DtTargetPaperSize, 2}},
         {"DtStaple", "DtTargetPaperSize"}},
        // The folded sheet's table refuses A5 in every feed direction and with every binding edge,
        // so the feed direction and the binding stay and the fold goes.
        {"a feed direction cannot make a Z-folded A5 pass: it stays and the fold goes",
         {{DtPageSize, a5}, {DtFold, 1}, {DtFeedDir, 2}},
         {},
         call<setStaple>(3),
         {{DtFeedDir, 2}, {DtBinding, 0}, {DtFold, 0}, {DtTargetPaperSize, 0}},
         {"DtStaple", "DtFold"}},
        {"nor can a binding edge: a Top binding stays and the fold goes",
         {{DtPageSize, a5}, {DtFold, 2}, {DtBinding, 2}},
         {},
         call<setStaple>(1),
         {{DtStaple, 1}, {DtBinding, 2}, {DtFold, 0}, {DtTargetPaperSize, 0}},
         {"DtStaple", "DtFold"}},
        {"a Z-fold on A4 stays",
         {{DtFold, 1}},
         {},
         call<setStaple>(1),
         {{DtFold, 1}},
         {"DtStaple", "DtBinding"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

// The Z-fold's table refuses a paper in every feed direction, so that through setStaple the
// feed-direction and binding rows of the Z-fold never act; and dropping the fold changes no member
// that the sheet is made of, so it never changes the paper. The same row shape over the table of
// two staples, which one feed direction or binding edge satisfies, shows those rows act; a probe
// that answers that the paper would change keeps the fold (standardPage answers yes for these
// papers).
constexpr std::uint32_t twoStaplesPaper = 8;
constexpr auto foldGivesWay =
    sheetRulesGivingWay(when(own == 5, DtFold == 1), twoStaplesPaper, DtFold, foldOffChangesSheet);
constexpr auto foldKeptForThePaper =
    sheetRulesGivingWay(when(own == 5, DtFold == 1), twoStaplesPaper, DtFold, standardPage);

// 2StaplesNormal set by a setter whose only rows are the given ones.
auto twoStaplesWith(std::span<const RuleRow> rows) {
    return [rows](PdCoreData& record, ChangeContext& change) {
        runRuleSetter(record, DtStaple, 5, change, rows);
    };
}

TEST(StapleRules, TheZFoldRowsTryTheFeedDirectionAndTheBindingBeforeTheFold) {
    const WholeChange cases[] = {
        {"the feed direction goes to Auto when that makes the sheet pass, and the fold stays",
         {{DtPageSize, a5}, {DtFold, 1}, {DtFeedDir, 2}},
         {},
         twoStaplesWith(foldGivesWay),
         {{DtFeedDir, 0}, {DtBinding, 0}, {DtFold, 1}, {DtTargetPaperSize, 0}},
         {"DtStaple", "DtFeedDir"}},
        {"with the feed direction on Auto the binding turns to Top, and the fold stays",
         {{DtPageSize, a3}, {DtFold, 1}},
         {},
         twoStaplesWith(foldGivesWay),
         {{DtBinding, 2}, {DtFold, 1}, {DtTargetPaperSize, 0}},
         {"DtStaple", "DtBinding"}},
        {"when neither helps the fold goes, and no target is sought",
         {{DtPageSize, postcard}, {DtFold, 1}},
         {},
         twoStaplesWith(foldGivesWay),
         {{DtBinding, 0}, {DtFold, 0}, {DtTargetPaperSize, 0}},
         {"DtStaple", "DtFold"}},
        {"when dropping the fold would change the paper it stays, and the sheet gets a target",
         {{DtPageSize, postcard}, {DtFold, 1}},
         {},
         twoStaplesWith(foldKeptForThePaper),
         {{DtBinding, 0}, {DtFold, 1}, {DtTargetPaperSize, 2}},
         {"DtStaple", "DtTargetPaperSize"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(StapleRules, MeetTheMediaOfTheSlot) {
    const WholeChange cases[] = {
        {"with the slot in progress the staple gives way and slit and crease stay",
         {{DtInputSlot, 1}, {DtMediaWeightTray1, thin2}, {DtSlit, 2}, {DtCrease, 1}},
         {DtInputSlot},
         call<setStaple>(4),
         {{DtStaple, 0}, {DtInputSlot, 1}, {DtSlit, 2}, {DtCrease, 1}},
         {"DtStaple", "DtStaple"}},
        // Only the weight is refused: the type of the Auto media stays.
        {"on a thin tray the job moves to the Auto slot, whose refused weight is reset",
         {{DtInputSlot, 1},
          {DtMediaWeightTray1, thin2},
          {DtMediaWeightAuto, thick7},
          {DtMediaTypeAuto, 1}},
         {},
         call<setStaple>(3),
         {{DtStaple, 3}, {DtInputSlot, 0}, {DtMediaWeightAuto, 0}, {DtMediaTypeAuto, 1}},
         {"DtStaple", "DtMediaWeightAuto", "DtInputSlot"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(PrintPositionRules, LeftAndRightNeedAWidePaper) {
    const WholeChange cases[] = {
        {"Left on A4 gives the wide A4 target, which brings full bleed",
         {},
         {},
         call<setPrintPosition>(0),
         {{DtPrintPosition, 0}, {DtTargetPaperSize, 22}, {DtFullBleed, 1}},
         {"DtPrintPosition", "DtTargetPaperSize", "DtFullBleed"}},
        {"Right on a postcard, which has no wide paper, gives the wide A4 target too",
         {{DtPageSize, postcard}},
         {},
         call<setPrintPosition>(2),
         {{DtTargetPaperSize, 22}},
         {"DtPrintPosition", "DtTargetPaperSize", "DtFullBleed"}},
        {"a wide page loses a standard target: the search answers none and it is stored",
         {{DtPageSize, a4Wide}, {DtTargetPaperSize, 2}},
         {},
         call<setPrintPosition>(0),
         {{DtTargetPaperSize, 0}},
         {"DtPrintPosition", "DtTargetPaperSize"}},
        {"Right on a wide paper changes nothing else",
         {{DtPageSize, a4Wide}},
         {},
         call<setPrintPosition>(2),
         {{DtTargetPaperSize, 0}},
         {"DtPrintPosition"}},
        // No feed direction makes a standard paper pass, so the feed direction stays, and with it
        // the binding.
        {"with a feed direction and a page member being set nothing else changes",
         {{DtFeedDir, 1}},
         {DtPageSize},
         call<setPrintPosition>(0),
         {{DtFeedDir, 1}, {DtBinding, 0}, {DtTargetPaperSize, 0}},
         {"DtPrintPosition"}},
        {"Middle meets no row", {}, {}, call<setPrintPosition>(1), {}, {"DtPrintPosition"}},
        {"a value past the last choice meets no row",
         {},
         {},
         call<setPrintPosition>(3),
         {{DtTargetPaperSize, 0}},
         {"DtPrintPosition"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(PunchRules, ExclusionsOfEveryPunchAndOfGBCStreampunch) {
    const WholeChange cases[] = {
        {"GBCStreampunch clears staple 3 and the Z-fold",
         {{DtStaple, 3}, {DtFold, 2}},
         {},
         call<setPunch>(4),
         {{DtPunch, 4}, {DtStaple, 0}, {DtFold, 0}},
         {"DtPunch", "DtStaple", "DtFold"}},
        {"2Holes keeps the staple and the Z-fold",
         {{DtStaple, 3}, {DtFold, 1}},
         {},
         call<setPunch>(1),
         {{DtStaple, 3}, {DtFold, 1}},
         {"DtPunch"}},
        {"every punch clears the layout, the folds 3 and 4, ring binding, N-to-1 and face up",
         {{DtLayout, 1}, {DtFold, 4}, {DtRingBinding, 1}, {DtNTo1, 1}, {DtFaceUp, 1}},
         {},
         call<setPunch>(3),
         {{DtLayout, 0}, {DtFold, 0}, {DtRingBinding, 0}, {DtNTo1, 0}, {DtFaceUp, 0}},
         {"DtPunch", "DtLayout", "DtFold", "DtRingBinding", "DtNTo1", "DtFaceUp"}},
        // GBCStreampunch refuses the A3 sheet of an A4 booklet, and takes an A4 target.
        {"a layout and a staple in progress stay, and the booklet's sheet gets a target",
         {{DtLayout, 2}, {DtStaple, 5}},
         {DtLayout, DtStaple},
         call<setPunch>(4),
         {{DtLayout, 2}, {DtStaple, 5}, {DtTargetPaperSize, 2}},
         {"DtPunch", "DtTargetPaperSize"}},
        {"3Holes clears a multi-letter fold",
         {{DtFold, 3}},
         {},
         call<setPunch>(2),
         {{DtPunch, 2}, {DtFold, 0}},
         {"DtPunch", "DtFold"}},
        {"no punch changes nothing else",
         {{DtLayout, 1}, {DtFold, 3}, {DtRingBinding, 1}},
         {},
         call<setPunch>(0),
         {{DtLayout, 1}, {DtFold, 3}, {DtRingBinding, 1}},
         {"DtPunch"}},
        {"a value past the last choice matches no row",
         {{DtLayout, 1}, {DtFold, 3}},
         {},
         call<setPunch>(5),
         {{DtLayout, 1}, {DtFold, 3}},
         {"DtPunch"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(PunchRules, MeetTheSheetAndTheMediaOfTheSlot) {
    const WholeChange cases[] = {
        {"GBCStreampunch moves the job to the Auto slot and resets the refused Auto media",
         {{DtInputSlot, 2},
          {DtMediaWeightTray2, thin1},
          {DtMediaTypeAuto, 1},
          {DtMediaWeightAuto, thin1},
          {DtMediaColorAuto, 2},
          {DtMediaPrepunchedAuto, 1}},
         {},
         call<setPunch>(4),
         {{DtPunch, 4},
          {DtInputSlot, 0},
          {DtMediaTypeAuto, 1},
          {DtMediaWeightAuto, 0},
          {DtMediaColorAuto, 2},
          {DtMediaPrepunchedAuto, 0}},
         {"DtPunch", "DtMediaWeightAuto", "DtMediaPrepunchedAuto", "DtInputSlot"}},
        {"with the slot in progress the punch gives way",
         {{DtInputSlot, 2}, {DtMediaWeightTray2, thin1}},
         {DtInputSlot},
         call<setPunch>(4),
         {{DtPunch, 0}, {DtInputSlot, 2}},
         {"DtPunch", "DtPunch"}},
        {"with a media member of the slot in progress the punch gives way",
         {{DtInputSlot, 2}, {DtMediaWeightTray2, thin1}},
         {DtMediaTypeTray2},
         call<setPunch>(4),
         {{DtPunch, 0}, {DtInputSlot, 2}},
         {"DtPunch", "DtPunch"}},
        // GBCStreampunch takes a tab sheet only long edge first: a portrait one bound at a side.
        {"GBCStreampunch on a tab sheet fed short edge first turns the feed direction to Auto",
         {{DtPageSize, a4Tab}, {DtFeedDir, 2}},
         {},
         call<setPunch>(4),
         {{DtPunch, 4}, {DtFeedDir, 0}, {DtBinding, 0}, {DtTargetPaperSize, 0}},
         {"DtPunch", "DtFeedDir"}},
        {"GBCStreampunch on a tab sheet bound at the top turns the binding to Left",
         {{DtPageSize, a4Tab}, {DtBinding, 2}},
         {},
         call<setPunch>(4),
         {{DtPunch, 4}, {DtBinding, 0}, {DtFeedDir, 0}, {DtTargetPaperSize, 0}},
         {"DtPunch", "DtBinding"}},
        {"2Holes accepts every medium",
         {{DtInputSlot, 2}, {DtMediaWeightTray2, thin1}},
         {},
         call<setPunch>(1),
         {{DtPunch, 1}, {DtInputSlot, 2}},
         {"DtPunch"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(RingBindingRules, ExclusionsInRowOrder) {
    const WholeChange cases[] = {
        {"ring binding clears its nine settings in row order",
         {{DtLayout, 1},
          {DtStaple, 2},
          {DtPunch, 3},
          {DtFold, 4},
          {DtFaceUp, 1},
          {DtNTo1, 1},
          {DtCollate, 1},
          {DtPIBackCoverTray, 2},
          {DtOutputBin, 1}},
         {},
         call<setRingBinding>(1),
         {{DtLayout, 0},
          {DtStaple, 0},
          {DtPunch, 0},
          {DtFold, 0},
          {DtFaceUp, 0},
          {DtNTo1, 0},
          {DtCollate, 0},
          {DtPIBackCoverTray, 0},
          {DtOutputBin, 0}},
         {"DtRingBinding", "DtLayout", "DtStaple", "DtPunch", "DtFold", "DtFaceUp", "DtNTo1",
          "DtCollate", "DtPIBackCoverTray", "DtOutputBin"}},
        {"both offsets and the inserter's front cover go",
         {{DtOffsetCopies, 1}, {DtOffsetPages, 1}, {DtPIFrontCoverTray, 1}},
         {},
         call<setRingBinding>(1),
         {{DtOffsetCopies, 0}, {DtOffsetPages, 0}, {DtPIFrontCoverTray, 0}},
         {"DtRingBinding", "DtOffsetCopies", "DtOffsetPages", "DtPIFrontCoverTray"}},
        {"the other cover trays, StaplerSub and a multi-letter fold go",
         {{DtFold, 3}, {DtPIFrontCoverTray, 2}, {DtPIBackCoverTray, 1}, {DtOutputBin, 2}},
         {},
         call<setRingBinding>(1),
         {{DtFold, 0}, {DtPIFrontCoverTray, 0}, {DtPIBackCoverTray, 0}, {DtOutputBin, 0}},
         {"DtRingBinding", "DtFold", "DtPIFrontCoverTray", "DtPIBackCoverTray", "DtOutputBin"}},
        {"a Z-fold, 2StaplesWide and GBCStreampunch go",
         {{DtFold, 2}, {DtStaple, 4}, {DtPunch, 4}},
         {},
         call<setRingBinding>(1),
         {{DtFold, 0}, {DtStaple, 0}, {DtPunch, 0}},
         {"DtRingBinding", "DtStaple", "DtPunch", "DtFold"}},
        {"members in progress stay",
         {{DtStaple, 6}, {DtFold, 1}},
         {DtStaple, DtFold},
         call<setRingBinding>(1),
         {{DtStaple, 6}, {DtFold, 1}},
         {"DtRingBinding"}},
        {"no ring binding changes nothing else",
         {{DtStaple, 6}, {DtFold, 1}},
         {},
         call<setRingBinding>(0),
         {{DtStaple, 6}, {DtFold, 1}},
         {"DtRingBinding"}},
        {"a value past the last choice matches no row",
         {{DtStaple, 6}},
         {},
         call<setRingBinding>(2),
         {{DtStaple, 6}},
         {"DtRingBinding"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(RingBindingRules, PrintedSidesChooseTheTablesAndTheMediaMustSuit) {
    const WholeChange cases[] = {
        // The tables of an outside first sheet and an inside last sheet (the defaults) take an A4
        // tab sheet; those of an inside first sheet and an outside last one refuse it.
        {"an A4 tab sheet passes with the default printed sides",
         {{DtPageSize, a4Tab}},
         {},
         call<setRingBinding>(1),
         {{DtTargetPaperSize, 0}},
         {"DtRingBinding"}},
        {"an A4 tab sheet printed inside first gets the A4 target",
         {{DtPageSize, a4Tab}, {DtPrintedSideFirst, 0}, {DtPrintedSideLast, 1}},
         {},
         call<setRingBinding>(1),
         {{DtTargetPaperSize, 2}},
         {"DtRingBinding", "DtTargetPaperSize"}},
        // With the default printed sides the tab sheet is refused only short edge first.
        {"a tab sheet fed short edge first turns the feed direction to Auto",
         {{DtPageSize, a4Tab}, {DtFeedDir, 2}},
         {},
         call<setRingBinding>(1),
         {{DtFeedDir, 0}, {DtBinding, 0}, {DtTargetPaperSize, 0}},
         {"DtRingBinding", "DtFeedDir"}},
        {"a tab sheet bound at the top turns the binding to Left",
         {{DtPageSize, a4Tab}, {DtBinding, 2}},
         {},
         call<setRingBinding>(1),
         {{DtBinding, 0}, {DtFeedDir, 0}, {DtTargetPaperSize, 0}},
         {"DtRingBinding", "DtBinding"}},
        {"printed inside first and last, the first sheet's table gives a tab sheet the A4 target",
         {{DtPageSize, a4Tab}, {DtPrintedSideFirst, 0}},
         {},
         call<setRingBinding>(1),
         {{DtTargetPaperSize, 2}, {DtFeedDir, 0}, {DtBinding, 0}},
         {"DtRingBinding", "DtTargetPaperSize"}},
        {"printed inside first, an A4 sheet bound at the top turns the binding to Left",
         {{DtBinding, 2}, {DtPrintedSideFirst, 0}, {DtPrintedSideLast, 1}},
         {},
         call<setRingBinding>(1),
         {{DtBinding, 0}, {DtTargetPaperSize, 0}},
         {"DtRingBinding", "DtBinding"}},
        // The last sheet printed outside is tested before the first: its table refuses the tab
        // sheet in every feed direction, so the A4 target comes first and its rules clear the
        // feed direction, which the first sheet's table would have cleared alone.
        {"printed outside last and first, the last sheet's target comes before the feed direction",
         {{DtPageSize, a4Tab}, {DtFeedDir, 2}, {DtPrintedSideLast, 1}},
         {},
         call<setRingBinding>(1),
         {{DtTargetPaperSize, 2}, {DtFeedDir, 0}, {DtBinding, 0}},
         {"DtRingBinding", "DtTargetPaperSize", "DtFeedDir"}},
        {"with the slot in progress ring binding gives way",
         {{DtInputSlot, 1}, {DtMediaWeightTray1, thick7}, {DtStaple, 3}},
         {DtInputSlot},
         call<setRingBinding>(1),
         {{DtRingBinding, 0}, {DtStaple, 0}, {DtInputSlot, 1}},
         {"DtRingBinding", "DtStaple", "DtRingBinding"}},
        {"else the job moves to the Auto slot and the refused Auto attribute is reset",
         {{DtInputSlot, 1}, {DtMediaWeightTray1, thick7}, {DtMediaPrepunchedAuto, 1}},
         {},
         call<setRingBinding>(1),
         {{DtRingBinding, 1}, {DtInputSlot, 0}, {DtMediaPrepunchedAuto, 0}},
         {"DtRingBinding", "DtMediaPrepunchedAuto", "DtInputSlot"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

}  // namespace
}  // namespace pd
