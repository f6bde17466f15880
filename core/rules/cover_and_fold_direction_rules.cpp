// The setters of N-to-1 output, the cover trays and the fold direction. N-to-1 excludes stapling,
// punching, ring binding, the Z-folds, the multi-centre fold and both post-inserter covers. With
// the multi-letter fold (3), folding inside goes with N-to-1 and face-up output and without any
// front cover; folding outside goes without either. Covers from the post inserter exclude ring
// binding and N-to-1; a front cover from a tray turns an inside multi-letter fold outside and
// excludes grouped output.
#include "core/catalog/choice_values.h"
#include "core/rules/row_groups.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

constexpr auto nTo1Rules = ruleTable(
    everyStapleOff(own == 1), everyPunchOff(own == 1),
    rows({
        {when(own == 0, DtFold == foldMultiLetter, DtFoldDirection == foldDirectionInside),
         set(DtFoldDirection, foldDirectionOutside)},
        {when(own == 1, DtFold == foldMultiLetter, DtFoldDirection == foldDirectionOutside),
         set(DtFoldDirection, foldDirectionInside)},
        {when(own == 1, DtFold == foldMultiCenter), set(DtFold, foldNone)},
        {when(own == 1, DtFold == foldZFold1), set(DtFold, foldNone)},
        {when(own == 1, DtFold == foldZFold2), set(DtFold, foldNone)},
        {when(own == 1, DtRingBinding == 1), set(DtRingBinding, 0)},
    }),
    everyPostInserterCoverOff(own == 1));
static_assert(nTo1Rules.size() == 20);

constexpr auto foldDirectionRules = ruleTable({
    {when(own == 0, DtFold == foldMultiCenter), set(DtFold, foldNone)},
    {when(own == 1, DtFold == foldZFold1), set(DtFold, foldNone)},
    {when(own == 1, DtFold == foldZFold2), set(DtFold, foldNone)},
    {when(own == 1, DtFold == foldMultiLetter, DtFaceUp == 1), set(DtFaceUp, 0)},
    {when(own == 0, DtFold == foldMultiLetter, DtFaceUp == 0), set(DtFaceUp, 1)},
    {when(own == 0, DtFold == foldMultiLetter, DtNTo1 == 0), set(DtNTo1, 1)},
    {when(own == 1, DtFold == foldMultiLetter, DtNTo1 == 1), set(DtNTo1, 0)},
    {when(own == 0, DtFold == foldMultiLetter, DtFrontCoverTray == coverTray1),
     set(DtFrontCoverTray, coverTrayNone)},
    {when(own == 0, DtFold == foldMultiLetter, DtFrontCoverTray == coverTray2),
     set(DtFrontCoverTray, coverTrayNone)},
    {when(own == 0, DtFold == foldMultiLetter, DtFrontCoverTray == coverTray3),
     set(DtFrontCoverTray, coverTrayNone)},
    {when(own == 0, DtFold == foldMultiLetter, DtFrontCoverTray == coverTray4),
     set(DtFrontCoverTray, coverTrayNone)},
    {when(own == 0, DtFold == foldMultiLetter, DtFrontCoverTray == coverTray5),
     set(DtFrontCoverTray, coverTrayNone)},
    {when(own == 0, DtFold == foldMultiLetter, DtPIFrontCoverTray == postInserterTray1),
     set(DtPIFrontCoverTray, postInserterTrayNone)},
    {when(own == 0, DtFold == foldMultiLetter, DtPIFrontCoverTray == postInserterTray2),
     set(DtPIFrontCoverTray, postInserterTrayNone)},
});

constexpr auto piFrontCoverTrayRules = ruleTable({
    {when(own == postInserterTray1, DtFoldDirection == foldDirectionInside,
          DtFold == foldMultiLetter),
     set(DtFold, foldNone)},
    {when(own == postInserterTray2, DtFoldDirection == foldDirectionInside,
          DtFold == foldMultiLetter),
     set(DtFold, foldNone)},
    {when(own == postInserterTray1, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == postInserterTray2, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == postInserterTray1, DtNTo1 == 1), set(DtNTo1, 0)},
    {when(own == postInserterTray2, DtNTo1 == 1), set(DtNTo1, 0)},
});

constexpr auto piBackCoverTrayRules = ruleTable({
    {when(own == postInserterTray1, DtFold == foldMultiLetter), set(DtFold, foldNone)},
    {when(own == postInserterTray2, DtFold == foldMultiLetter), set(DtFold, foldNone)},
    {when(own == postInserterTray1, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == postInserterTray2, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == postInserterTray1, DtNTo1 == 1), set(DtNTo1, 0)},
    {when(own == postInserterTray2, DtNTo1 == 1), set(DtNTo1, 0)},
});

constexpr auto frontCoverTrayRules = ruleTable({
    {when(own == coverTray1, DtFold == foldMultiLetter, DtFoldDirection == foldDirectionInside),
     set(DtFoldDirection, foldDirectionOutside)},
    {when(own == coverTray2, DtFold == foldMultiLetter, DtFoldDirection == foldDirectionInside),
     set(DtFoldDirection, foldDirectionOutside)},
    {when(own == coverTray3, DtFold == foldMultiLetter, DtFoldDirection == foldDirectionInside),
     set(DtFoldDirection, foldDirectionOutside)},
    {when(own == coverTray4, DtFold == foldMultiLetter, DtFoldDirection == foldDirectionInside),
     set(DtFoldDirection, foldDirectionOutside)},
    {when(own == coverTray5, DtFold == foldMultiLetter, DtFoldDirection == foldDirectionInside),
     set(DtFoldDirection, foldDirectionOutside)},
    {when(own == coverTray1, DtCollate == collateGroup), set(DtCollate, collateSort)},
    {when(own == coverTray2, DtCollate == collateGroup), set(DtCollate, collateSort)},
    {when(own == coverTray3, DtCollate == collateGroup), set(DtCollate, collateSort)},
    {when(own == coverTray4, DtCollate == collateGroup), set(DtCollate, collateSort)},
    {when(own == coverTray5, DtCollate == collateGroup), set(DtCollate, collateSort)},
});

}  // namespace

void setNTo1(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtNTo1, value, change, nTo1Rules);
}

void setFoldDirection(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtFoldDirection, value, change, foldDirectionRules);
}

void setPIFrontCoverTray(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtPIFrontCoverTray, value, change, piFrontCoverTrayRules);
}

void setPIBackCoverTray(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtPIBackCoverTray, value, change, piBackCoverTrayRules);
}

void setFrontCoverTray(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtFrontCoverTray, value, change, frontCoverTrayRules);
}

}  // namespace pd
