// The setter of ring binding. Ring binding excludes adhesive binding and booklets, stapling,
// punching, folding, face-up and N-to-1 output, grouped output, both offsets, the post-inserter
// covers and both stapler trays. The printed side of the first and of the last sheet chooses the
// tables against which the sheet is tested; a sheet that they refuse gets another feed direction,
// binding edge or target paper. Ring binding must suit the media of the paper source: when it
// does not, it gives way while the source or its media are being changed, and otherwise moves the
// job to the Auto source.
#include "core/catalog/choice_values.h"
#include "core/rules/row_groups.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

// The value of the member stays 1 through the sheet rules: it is in progress and no overriding
// rule sets it, so testing it in every row is testing it once.
constexpr auto ringBindingRules = ruleTable(
    rows({
        {when(own == 1, DtLayout == layoutBooklet), set(DtLayout, layoutNone)},
        {when(own == 1, DtLayout == layoutAdhesiveBinding), set(DtLayout, layoutNone)},
    }),
    everyStapleOff(own == 1), everyPunchOff(own == 1),
    rows({
        {when(own == 1, DtFold == foldZFold1), set(DtFold, foldNone)},
        {when(own == 1, DtFold == foldZFold2), set(DtFold, foldNone)},
        {when(own == 1, DtFold == foldMultiLetter), set(DtFold, foldNone)},
        {when(own == 1, DtFold == foldMultiCenter), set(DtFold, foldNone)},
        {when(own == 1, DtFaceUp == 1), set(DtFaceUp, 0)},
        {when(own == 1, DtNTo1 == 1), set(DtNTo1, 0)},
        {when(own == 1, DtCollate == collateGroup), set(DtCollate, collateSort)},
        {when(own == 1, DtOffsetCopies == 1), set(DtOffsetCopies, 0)},
        {when(own == 1, DtOffsetPages == 1), set(DtOffsetPages, 0)},
    }),
    everyPostInserterCoverOff(own == 1),
    rows({
        {when(own == 1, DtOutputBin == outputBinStaplerMain), set(DtOutputBin, outputBinAuto)},
        {when(own == 1, DtOutputBin == outputBinStaplerSub), set(DtOutputBin, outputBinAuto)},
    }),
    sheetRules(when(own == 1, DtPrintedSideFirst == printedSideInside),
               PaperFeature::ringBindingFirstInside),
    sheetRules(when(own == 1, DtPrintedSideLast == printedSideOutside),
               PaperFeature::ringBindingLastOutside),
    sheetRules(when(own == 1, DtPrintedSideFirst == printedSideOutside),
               PaperFeature::ringBindingFirstOutside),
    sheetRules(when(own == 1, DtPrintedSideLast == printedSideInside),
               PaperFeature::ringBindingLastInside),
    rows({{when(own == 1), mediaRule(MediaFeature::ringBinding, 0)}}));
static_assert(ringBindingRules.size() == 40);

}  // namespace

void setRingBinding(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtRingBinding, value, change, ringBindingRules);
}

}  // namespace pd
