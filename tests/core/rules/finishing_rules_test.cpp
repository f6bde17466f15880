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
        {.name = "1StapleLeft with a Right binding moves the binding to Top",
         .start = {{DtBinding, 1}},
         .run = call<setStaple>(1),
         .expected = {{DtStaple, 1}, {DtBinding, 2}},
         .changed = {"DtStaple", "DtBinding"}},
        {.name = "1StapleLeft leaves a binding in progress alone",
         .start = {{DtBinding, 1}},
         .marked = {DtBinding},
         .run = call<setStaple>(1),
         .expected = {{DtStaple, 1}, {DtBinding, 1}},
         .changed = {"DtStaple"}},
        {.name = "1StapleRight with a Left binding moves the binding to Top",
         .run = call<setStaple>(2),
         .expected = {{DtBinding, 2}},
         .changed = {"DtStaple", "DtBinding"}},
        {.name = "1StapleLeft with a Left binding moves the binding to Top",
         .run = call<setStaple>(1),
         .expected = {{DtStaple, 1}, {DtBinding, 2}},
         .changed = {"DtStaple", "DtBinding"}},
        {.name = "1StapleRight with a Right binding moves the binding to Top",
         .start = {{DtBinding, 1}},
         .run = call<setStaple>(2),
         .expected = {{DtStaple, 2}, {DtBinding, 2}},
         .changed = {"DtStaple", "DtBinding"}},
        {.name = "1Staple leaves a Top binding in progress alone",
         .start = {{DtBinding, 2}},
         .marked = {DtBinding},
         .run = call<setStaple>(3),
         .expected = {{DtStaple, 3}, {DtBinding, 2}},
         .changed = {"DtStaple"}},
        {.name = "1Staple moves a Top binding to Left",
         .start = {{DtBinding, 2}},
         .run = call<setStaple>(3),
         .expected = {{DtStaple, 3}, {DtBinding, 0}},
         .changed = {"DtStaple", "DtBinding"}},
        {.name = "2StaplesNormal clears punch 4, fold 3, slit and crease in that order",
         .start = {{DtPunch, 4}, {DtFold, 3}, {DtSlit, 1}, {DtCrease, 2}},
         .run = call<setStaple>(5),
         .expected = {{DtPunch, 0}, {DtFold, 0}, {DtSlit, 0}, {DtCrease, 0}},
         .changed = {"DtStaple", "DtPunch", "DtFold", "DtSlit", "DtCrease"}},
        {.name = "1StapleLeft clears fold 4, slit FirstOnly and crease 4",
         .start = {{DtBinding, 2}, {DtFold, 4}, {DtSlit, 2}, {DtCrease, 4}},
         .run = call<setStaple>(1),
         .expected = {{DtBinding, 2}, {DtFold, 0}, {DtSlit, 0}, {DtCrease, 0}},
         .changed = {"DtStaple", "DtFold", "DtSlit", "DtCrease"}},
        {.name = "a staple clears the layout, N-to-1, face up, ring binding and StaplerSub",
         .start = {{DtLayout, 2}, {DtNTo1, 1}, {DtFaceUp, 1}, {DtRingBinding, 1}, {DtOutputBin, 2}},
         .run = call<setStaple>(6),
         .expected =
             {{DtLayout, 0}, {DtNTo1, 0}, {DtFaceUp, 0}, {DtRingBinding, 0}, {DtOutputBin, 0}},
         .changed = {"DtStaple", "DtLayout", "DtNTo1", "DtFaceUp", "DtRingBinding", "DtOutputBin"}},
        {.name = "punch choices 1 to 3, a Z-fold and members in progress stay",
         .start = {{DtPunch, 3}, {DtFold, 2}, {DtLayout, 1}, {DtNTo1, 1}},
         .marked = {DtLayout, DtNTo1},
         .run = call<setStaple>(4),
         .expected = {{DtPunch, 3}, {DtFold, 2}, {DtLayout, 1}, {DtNTo1, 1}},
         .changed = {"DtStaple"}},
        {.name = "no staple changes only the divided output",
         .start = {{DtDivideOutput, 1}, {DtPunch, 4}, {DtSlit, 1}},
         .run = call<setStaple>(0),
         .expected = {{DtDivideOutput, 0}, {DtPunch, 4}, {DtSlit, 1}},
         .changed = {"DtStaple", "DtDivideOutput"}},
        {.name = "no staple leaves a divided output in progress alone",
         .start = {{DtDivideOutput, 1}},
         .marked = {DtDivideOutput},
         .run = call<setStaple>(0),
         .expected = {{DtDivideOutput, 1}},
         .changed = {"DtStaple"}},
        {.name = "a value past the last choice matches no row",
         .start = {{DtLayout, 2}, {DtBinding, 1}, {DtSlit, 1}},
         .run = call<setStaple>(7),
         .expected = {{DtLayout, 2}, {DtBinding, 1}, {DtSlit, 1}},
         .changed = {"DtStaple"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(StapleRules, TheSheetAndTheZFold) {
    const WholeChange cases[] = {
        // One staple refuses the postcard in every feed direction, so neither the feed direction
        // nor the binding helps: the search gives the A4 target.
        {.name = "1Staple on a postcard gets the A4 target",
         .start = {{DtPageSize, postcard}},
         .run = call<setStaple>(3),
         .expected = {{DtStaple, 3}, {DtTargetPaperSize, 2}},
         .changed = {"DtStaple", "DtTargetPaperSize"}},
        // Bound left, A3 portrait goes long edge first, which two staples refuse; bound at the
        // top it goes short edge first.
        {.name = "two staples on A3 turn the binding to Top",
         .start = {{DtPageSize, a3}},
         .run = call<setStaple>(5),
         .expected = {{DtBinding, 2}, {DtTargetPaperSize, 0}},
         .changed = {"DtStaple", "DtBinding"}},
        // A5 goes short edge first, which two staples refuse; the direction of the binding passes.
        {.name = "two staples on A5 fed short edge first turn the feed direction to Auto",
         .start = {{DtPageSize, a5}, {DtFeedDir, 2}},
         .run = call<setStaple>(4),
         .expected = {{DtFeedDir, 0}, {DtBinding, 0}, {DtTargetPaperSize, 0}},
         .changed = {"DtStaple", "DtFeedDir"}},
        // With the feed direction set the staple's rows leave the binding alone. The search finds
        // that no target is needed once the binding is at the top, and stores 0; the paper rules
        // of the target then turn the binding and clear the feed direction.
        {.name = "a feed direction that stays keeps the binding until the target's rules run",
         .start = {{DtPageSize, a3}, {DtFeedDir, 1}},
         .run = call<setStaple>(5),
         .expected = {{DtFeedDir, 0}, {DtBinding, 2}, {DtTargetPaperSize, 0}},
         .changed = {"DtStaple", "DtTargetPaperSize", "DtBinding", "DtFeedDir"}},
        {.name = "no target is sought while a paper member is being set",
         .start = {{DtPageSize, postcard}},
         .marked = {DtOrientation},
         .run = call<setStaple>(3),
         .expected = {{DtTargetPaperSize, 0}},
         .changed = {"DtStaple"}},
        {.name = "1Staple on A5 with a Z-fold drops the fold, which leaves the sheet as it is",
         .start = {{DtPageSize, a5}, {DtFold, 1}},
         .run = call<setStaple>(3),
         .expected = {{DtStaple, 3}, {DtFold, 0}, {DtTargetPaperSize, 0}},
         .changed = {"DtStaple", "DtFold"}},
        {.name = "a Z-fold in progress stays and the sheet gets a target instead",
         .start = {{DtPageSize, a5}, {DtFold, 2}},
         .marked = {DtFold},
         .run = call<setStaple>(6),
         .expected = {{DtFold, 2}, {DtTargetPaperSize, 2}},
         .changed = {"DtStaple", "DtTargetPaperSize"}},
        // The folded sheet's table refuses A5 in every feed direction and with every binding edge,
        // so the feed direction and the binding stay and the fold goes.
        {.name = "a feed direction cannot make a Z-folded A5 pass: it stays and the fold goes",
         .start = {{DtPageSize, a5}, {DtFold, 1}, {DtFeedDir, 2}},
         .run = call<setStaple>(3),
         .expected = {{DtFeedDir, 2}, {DtBinding, 0}, {DtFold, 0}, {DtTargetPaperSize, 0}},
         .changed = {"DtStaple", "DtFold"}},
        {.name = "nor can a binding edge: a Top binding stays and the fold goes",
         .start = {{DtPageSize, a5}, {DtFold, 2}, {DtBinding, 2}},
         .run = call<setStaple>(1),
         .expected = {{DtStaple, 1}, {DtBinding, 2}, {DtFold, 0}, {DtTargetPaperSize, 0}},
         .changed = {"DtStaple", "DtFold"}},
        {.name = "a Z-fold on A4 stays",
         .start = {{DtFold, 1}},
         .run = call<setStaple>(1),
         .expected = {{DtFold, 1}},
         .changed = {"DtStaple", "DtBinding"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

// The Z-fold's table refuses a paper in every feed direction, so that through setStaple the
// feed-direction and binding rows of the Z-fold never act; and dropping the fold changes no member
// that the sheet is made of, so it never changes the paper. The same row shape over the table of
// two staples, which one feed direction or binding edge satisfies, shows those rows act; a probe
// that answers that the paper would change keeps the fold (standardPage answers yes for these
// papers).
constexpr auto foldGivesWay = sheetRulesGivingWay(
    when(own == 5, DtFold == 1), PaperFeature::twoStaples, DtFold, foldOffChangesSheet);
constexpr auto foldKeptForThePaper = sheetRulesGivingWay(
    when(own == 5, DtFold == 1), PaperFeature::twoStaples, DtFold, standardPage);

// 2StaplesNormal set by a setter whose only rows are the given ones.
auto twoStaplesWith(std::span<const RuleRow> rows) {
    return [rows](PdCoreData& record, ChangeContext& change) {
        runRuleSetter(record, DtStaple, 5, change, rows);
    };
}

TEST(StapleRules, TheZFoldRowsTryTheFeedDirectionAndTheBindingBeforeTheFold) {
    const WholeChange cases[] = {
        {.name =
             "the feed direction goes to Auto when that makes the sheet pass, and the fold stays",
         .start = {{DtPageSize, a5}, {DtFold, 1}, {DtFeedDir, 2}},
         .run = twoStaplesWith(foldGivesWay),
         .expected = {{DtFeedDir, 0}, {DtBinding, 0}, {DtFold, 1}, {DtTargetPaperSize, 0}},
         .changed = {"DtStaple", "DtFeedDir"}},
        {.name = "with the feed direction on Auto the binding turns to Top, and the fold stays",
         .start = {{DtPageSize, a3}, {DtFold, 1}},
         .run = twoStaplesWith(foldGivesWay),
         .expected = {{DtBinding, 2}, {DtFold, 1}, {DtTargetPaperSize, 0}},
         .changed = {"DtStaple", "DtBinding"}},
        {.name = "when neither helps the fold goes, and no target is sought",
         .start = {{DtPageSize, postcard}, {DtFold, 1}},
         .run = twoStaplesWith(foldGivesWay),
         .expected = {{DtBinding, 0}, {DtFold, 0}, {DtTargetPaperSize, 0}},
         .changed = {"DtStaple", "DtFold"}},
        {.name =
             "when dropping the fold would change the paper it stays, and the sheet gets a target",
         .start = {{DtPageSize, postcard}, {DtFold, 1}},
         .run = twoStaplesWith(foldKeptForThePaper),
         .expected = {{DtBinding, 0}, {DtFold, 1}, {DtTargetPaperSize, 2}},
         .changed = {"DtStaple", "DtTargetPaperSize"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(StapleRules, MeetTheMediaOfTheSlot) {
    const WholeChange cases[] = {
        {.name = "with the slot in progress the staple gives way and slit and crease stay",
         .start = {{DtInputSlot, 1}, {DtMediaWeightTray1, thin2}, {DtSlit, 2}, {DtCrease, 1}},
         .marked = {DtInputSlot},
         .run = call<setStaple>(4),
         .expected = {{DtStaple, 0}, {DtInputSlot, 1}, {DtSlit, 2}, {DtCrease, 1}},
         .changed = {"DtStaple", "DtStaple"}},
        // Only the weight is refused: the type of the Auto media stays.
        {.name = "on a thin tray the job moves to the Auto slot, whose refused weight is reset",
         .start = {{DtInputSlot, 1},
                   {DtMediaWeightTray1, thin2},
                   {DtMediaWeightAuto, thick7},
                   {DtMediaTypeAuto, 1}},
         .run = call<setStaple>(3),
         .expected =
             {{DtStaple, 3}, {DtInputSlot, 0}, {DtMediaWeightAuto, 0}, {DtMediaTypeAuto, 1}},
         .changed = {"DtStaple", "DtMediaWeightAuto", "DtInputSlot"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(PrintPositionRules, LeftAndRightNeedAWidePaper) {
    const WholeChange cases[] = {
        {.name = "Left on A4 gives the wide A4 target, which brings full bleed",
         .run = call<setPrintPosition>(0),
         .expected = {{DtPrintPosition, 0}, {DtTargetPaperSize, 22}, {DtFullBleed, 1}},
         .changed = {"DtPrintPosition", "DtTargetPaperSize", "DtFullBleed"}},
        {.name = "Right on a postcard, which has no wide paper, gives the wide A4 target too",
         .start = {{DtPageSize, postcard}},
         .run = call<setPrintPosition>(2),
         .expected = {{DtTargetPaperSize, 22}},
         .changed = {"DtPrintPosition", "DtTargetPaperSize", "DtFullBleed"}},
        {.name = "a wide page loses a standard target: the search answers none and it is stored",
         .start = {{DtPageSize, a4Wide}, {DtTargetPaperSize, 2}},
         .run = call<setPrintPosition>(0),
         .expected = {{DtTargetPaperSize, 0}},
         .changed = {"DtPrintPosition", "DtTargetPaperSize"}},
        {.name = "Right on a wide paper changes nothing else",
         .start = {{DtPageSize, a4Wide}},
         .run = call<setPrintPosition>(2),
         .expected = {{DtTargetPaperSize, 0}},
         .changed = {"DtPrintPosition"}},
        // No feed direction makes a standard paper pass, so the feed direction stays, and with it
        // the binding.
        {.name = "with a feed direction and a page member being set nothing else changes",
         .start = {{DtFeedDir, 1}},
         .marked = {DtPageSize},
         .run = call<setPrintPosition>(0),
         .expected = {{DtFeedDir, 1}, {DtBinding, 0}, {DtTargetPaperSize, 0}},
         .changed = {"DtPrintPosition"}},
        {.name = "Middle meets no row",
         .run = call<setPrintPosition>(1),
         .expected = {},
         .changed = {"DtPrintPosition"}},
        {.name = "a value past the last choice meets no row",
         .run = call<setPrintPosition>(3),
         .expected = {{DtTargetPaperSize, 0}},
         .changed = {"DtPrintPosition"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(PunchRules, ExclusionsOfEveryPunchAndOfGBCStreampunch) {
    const WholeChange cases[] = {
        {.name = "GBCStreampunch clears staple 3 and the Z-fold",
         .start = {{DtStaple, 3}, {DtFold, 2}},
         .run = call<setPunch>(4),
         .expected = {{DtPunch, 4}, {DtStaple, 0}, {DtFold, 0}},
         .changed = {"DtPunch", "DtStaple", "DtFold"}},
        {.name = "2Holes keeps the staple and the Z-fold",
         .start = {{DtStaple, 3}, {DtFold, 1}},
         .run = call<setPunch>(1),
         .expected = {{DtStaple, 3}, {DtFold, 1}},
         .changed = {"DtPunch"}},
        {.name =
             "every punch clears the layout, the folds 3 and 4, ring binding, N-to-1 and face up",
         .start = {{DtLayout, 1}, {DtFold, 4}, {DtRingBinding, 1}, {DtNTo1, 1}, {DtFaceUp, 1}},
         .run = call<setPunch>(3),
         .expected = {{DtLayout, 0}, {DtFold, 0}, {DtRingBinding, 0}, {DtNTo1, 0}, {DtFaceUp, 0}},
         .changed = {"DtPunch", "DtLayout", "DtFold", "DtRingBinding", "DtNTo1", "DtFaceUp"}},
        // GBCStreampunch refuses the A3 sheet of an A4 booklet, and takes an A4 target.
        {.name = "a layout and a staple in progress stay, and the booklet's sheet gets a target",
         .start = {{DtLayout, 2}, {DtStaple, 5}},
         .marked = {DtLayout, DtStaple},
         .run = call<setPunch>(4),
         .expected = {{DtLayout, 2}, {DtStaple, 5}, {DtTargetPaperSize, 2}},
         .changed = {"DtPunch", "DtTargetPaperSize"}},
        {.name = "3Holes clears a multi-letter fold",
         .start = {{DtFold, 3}},
         .run = call<setPunch>(2),
         .expected = {{DtPunch, 2}, {DtFold, 0}},
         .changed = {"DtPunch", "DtFold"}},
        {.name = "no punch changes nothing else",
         .start = {{DtLayout, 1}, {DtFold, 3}, {DtRingBinding, 1}},
         .run = call<setPunch>(0),
         .expected = {{DtLayout, 1}, {DtFold, 3}, {DtRingBinding, 1}},
         .changed = {"DtPunch"}},
        {.name = "a value past the last choice matches no row",
         .start = {{DtLayout, 1}, {DtFold, 3}},
         .run = call<setPunch>(5),
         .expected = {{DtLayout, 1}, {DtFold, 3}},
         .changed = {"DtPunch"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(PunchRules, MeetTheSheetAndTheMediaOfTheSlot) {
    const WholeChange cases[] = {
        {.name = "GBCStreampunch moves the job to the Auto slot and resets the refused Auto media",
         .start = {{DtInputSlot, 2},
                   {DtMediaWeightTray2, thin1},
                   {DtMediaTypeAuto, 1},
                   {DtMediaWeightAuto, thin1},
                   {DtMediaColorAuto, 2},
                   {DtMediaPrepunchedAuto, 1}},
         .run = call<setPunch>(4),
         .expected = {{DtPunch, 4},
                      {DtInputSlot, 0},
                      {DtMediaTypeAuto, 1},
                      {DtMediaWeightAuto, 0},
                      {DtMediaColorAuto, 2},
                      {DtMediaPrepunchedAuto, 0}},
         .changed = {"DtPunch", "DtMediaWeightAuto", "DtMediaPrepunchedAuto", "DtInputSlot"}},
        {.name = "with the slot in progress the punch gives way",
         .start = {{DtInputSlot, 2}, {DtMediaWeightTray2, thin1}},
         .marked = {DtInputSlot},
         .run = call<setPunch>(4),
         .expected = {{DtPunch, 0}, {DtInputSlot, 2}},
         .changed = {"DtPunch", "DtPunch"}},
        {.name = "with a media member of the slot in progress the punch gives way",
         .start = {{DtInputSlot, 2}, {DtMediaWeightTray2, thin1}},
         .marked = {DtMediaTypeTray2},
         .run = call<setPunch>(4),
         .expected = {{DtPunch, 0}, {DtInputSlot, 2}},
         .changed = {"DtPunch", "DtPunch"}},
        // GBCStreampunch takes a tab sheet only long edge first: a portrait one bound at a side.
        {.name =
             "GBCStreampunch on a tab sheet fed short edge first turns the feed direction to Auto",
         .start = {{DtPageSize, a4Tab}, {DtFeedDir, 2}},
         .run = call<setPunch>(4),
         .expected = {{DtPunch, 4}, {DtFeedDir, 0}, {DtBinding, 0}, {DtTargetPaperSize, 0}},
         .changed = {"DtPunch", "DtFeedDir"}},
        {.name = "GBCStreampunch on a tab sheet bound at the top turns the binding to Left",
         .start = {{DtPageSize, a4Tab}, {DtBinding, 2}},
         .run = call<setPunch>(4),
         .expected = {{DtPunch, 4}, {DtBinding, 0}, {DtFeedDir, 0}, {DtTargetPaperSize, 0}},
         .changed = {"DtPunch", "DtBinding"}},
        {.name = "2Holes accepts every medium",
         .start = {{DtInputSlot, 2}, {DtMediaWeightTray2, thin1}},
         .run = call<setPunch>(1),
         .expected = {{DtPunch, 1}, {DtInputSlot, 2}},
         .changed = {"DtPunch"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(RingBindingRules, ExclusionsInRowOrder) {
    const WholeChange cases[] = {
        {.name = "ring binding clears its nine settings in row order",
         .start = {{DtLayout, 1},
                   {DtStaple, 2},
                   {DtPunch, 3},
                   {DtFold, 4},
                   {DtFaceUp, 1},
                   {DtNTo1, 1},
                   {DtCollate, 1},
                   {DtPIBackCoverTray, 2},
                   {DtOutputBin, 1}},
         .run = call<setRingBinding>(1),
         .expected = {{DtLayout, 0},
                      {DtStaple, 0},
                      {DtPunch, 0},
                      {DtFold, 0},
                      {DtFaceUp, 0},
                      {DtNTo1, 0},
                      {DtCollate, 0},
                      {DtPIBackCoverTray, 0},
                      {DtOutputBin, 0}},
         .changed = {"DtRingBinding", "DtLayout", "DtStaple", "DtPunch", "DtFold", "DtFaceUp",
                     "DtNTo1", "DtCollate", "DtPIBackCoverTray", "DtOutputBin"}},
        {.name = "both offsets and the inserter's front cover go",
         .start = {{DtOffsetCopies, 1}, {DtOffsetPages, 1}, {DtPIFrontCoverTray, 1}},
         .run = call<setRingBinding>(1),
         .expected = {{DtOffsetCopies, 0}, {DtOffsetPages, 0}, {DtPIFrontCoverTray, 0}},
         .changed = {"DtRingBinding", "DtOffsetCopies", "DtOffsetPages", "DtPIFrontCoverTray"}},
        {.name = "the other cover trays, StaplerSub and a multi-letter fold go",
         .start = {{DtFold, 3}, {DtPIFrontCoverTray, 2}, {DtPIBackCoverTray, 1}, {DtOutputBin, 2}},
         .run = call<setRingBinding>(1),
         .expected =
             {{DtFold, 0}, {DtPIFrontCoverTray, 0}, {DtPIBackCoverTray, 0}, {DtOutputBin, 0}},
         .changed = {"DtRingBinding", "DtFold", "DtPIFrontCoverTray", "DtPIBackCoverTray",
                     "DtOutputBin"}},
        {.name = "a Z-fold, 2StaplesWide and GBCStreampunch go",
         .start = {{DtFold, 2}, {DtStaple, 4}, {DtPunch, 4}},
         .run = call<setRingBinding>(1),
         .expected = {{DtFold, 0}, {DtStaple, 0}, {DtPunch, 0}},
         .changed = {"DtRingBinding", "DtStaple", "DtPunch", "DtFold"}},
        {.name = "members in progress stay",
         .start = {{DtStaple, 6}, {DtFold, 1}},
         .marked = {DtStaple, DtFold},
         .run = call<setRingBinding>(1),
         .expected = {{DtStaple, 6}, {DtFold, 1}},
         .changed = {"DtRingBinding"}},
        {.name = "no ring binding changes nothing else",
         .start = {{DtStaple, 6}, {DtFold, 1}},
         .run = call<setRingBinding>(0),
         .expected = {{DtStaple, 6}, {DtFold, 1}},
         .changed = {"DtRingBinding"}},
        {.name = "a value past the last choice matches no row",
         .start = {{DtStaple, 6}},
         .run = call<setRingBinding>(2),
         .expected = {{DtStaple, 6}},
         .changed = {"DtRingBinding"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

TEST(RingBindingRules, PrintedSidesChooseTheTablesAndTheMediaMustSuit) {
    const WholeChange cases[] = {
        // The tables of an outside first sheet and an inside last sheet (the defaults) take an A4
        // tab sheet; those of an inside first sheet and an outside last one refuse it.
        {.name = "an A4 tab sheet passes with the default printed sides",
         .start = {{DtPageSize, a4Tab}},
         .run = call<setRingBinding>(1),
         .expected = {{DtTargetPaperSize, 0}},
         .changed = {"DtRingBinding"}},
        {.name = "an A4 tab sheet printed inside first gets the A4 target",
         .start = {{DtPageSize, a4Tab}, {DtPrintedSideFirst, 0}, {DtPrintedSideLast, 1}},
         .run = call<setRingBinding>(1),
         .expected = {{DtTargetPaperSize, 2}},
         .changed = {"DtRingBinding", "DtTargetPaperSize"}},
        // With the default printed sides the tab sheet is refused only short edge first.
        {.name = "a tab sheet fed short edge first turns the feed direction to Auto",
         .start = {{DtPageSize, a4Tab}, {DtFeedDir, 2}},
         .run = call<setRingBinding>(1),
         .expected = {{DtFeedDir, 0}, {DtBinding, 0}, {DtTargetPaperSize, 0}},
         .changed = {"DtRingBinding", "DtFeedDir"}},
        {.name = "a tab sheet bound at the top turns the binding to Left",
         .start = {{DtPageSize, a4Tab}, {DtBinding, 2}},
         .run = call<setRingBinding>(1),
         .expected = {{DtBinding, 0}, {DtFeedDir, 0}, {DtTargetPaperSize, 0}},
         .changed = {"DtRingBinding", "DtBinding"}},
        {.name = "printed inside first and last, the first sheet's table gives a tab sheet the A4 "
                 "target",
         .start = {{DtPageSize, a4Tab}, {DtPrintedSideFirst, 0}},
         .run = call<setRingBinding>(1),
         .expected = {{DtTargetPaperSize, 2}, {DtFeedDir, 0}, {DtBinding, 0}},
         .changed = {"DtRingBinding", "DtTargetPaperSize"}},
        {.name = "printed inside first, an A4 sheet bound at the top turns the binding to Left",
         .start = {{DtBinding, 2}, {DtPrintedSideFirst, 0}, {DtPrintedSideLast, 1}},
         .run = call<setRingBinding>(1),
         .expected = {{DtBinding, 0}, {DtTargetPaperSize, 0}},
         .changed = {"DtRingBinding", "DtBinding"}},
        // The last sheet printed outside is tested before the first: its table refuses the tab
        // sheet in every feed direction, so the A4 target comes first and its rules clear the
        // feed direction, which the first sheet's table would have cleared alone.
        {.name = "printed outside last and first, the last sheet's target comes before the feed "
                 "direction",
         .start = {{DtPageSize, a4Tab}, {DtFeedDir, 2}, {DtPrintedSideLast, 1}},
         .run = call<setRingBinding>(1),
         .expected = {{DtTargetPaperSize, 2}, {DtFeedDir, 0}, {DtBinding, 0}},
         .changed = {"DtRingBinding", "DtTargetPaperSize", "DtFeedDir"}},
        {.name = "with the slot in progress ring binding gives way",
         .start = {{DtInputSlot, 1}, {DtMediaWeightTray1, thick7}, {DtStaple, 3}},
         .marked = {DtInputSlot},
         .run = call<setRingBinding>(1),
         .expected = {{DtRingBinding, 0}, {DtStaple, 0}, {DtInputSlot, 1}},
         .changed = {"DtRingBinding", "DtStaple", "DtRingBinding"}},
        {.name = "else the job moves to the Auto slot and the refused Auto attribute is reset",
         .start = {{DtInputSlot, 1}, {DtMediaWeightTray1, thick7}, {DtMediaPrepunchedAuto, 1}},
         .run = call<setRingBinding>(1),
         .expected = {{DtRingBinding, 1}, {DtInputSlot, 0}, {DtMediaPrepunchedAuto, 0}},
         .changed = {"DtRingBinding", "DtMediaPrepunchedAuto", "DtInputSlot"}},
    };
    for (const WholeChange& c : cases) checkWholeChange(c);
}

}  // namespace
}  // namespace pd
