// The setters of smoothing, the back cover from a tray, divided output and face-up output.
// Smoothing needs 600 dpi. A back cover from a tray excludes the multi-letter fold and grouped
// output. Divided output needs a staple (2StaplesNormal when there is none) and excludes grouped
// output. Face-up output excludes stapling, punching, ring binding, the Z-folds and the
// multi-centre fold, and folds a multi-letter fold inside; face-down output folds it outside and
// needs media that the face-down path takes.
#include "core/catalog/choice_values.h"
#include "core/rules/row_groups.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

constexpr auto smoothingRules = ruleTable({
    {when(own == smoothingDark, DtResolution == resolution1200Dpi),
     set(DtResolution, resolution600Dpi)},
    {when(own == smoothingMedium, DtResolution == resolution1200Dpi),
     set(DtResolution, resolution600Dpi)},
    {when(own == smoothingLight, DtResolution == resolution1200Dpi),
     set(DtResolution, resolution600Dpi)},
});

constexpr auto backCoverTrayRules = ruleTable({
    {when(own == coverTray1, DtFold == foldMultiLetter), set(DtFold, foldNone)},
    {when(own == coverTray2, DtFold == foldMultiLetter), set(DtFold, foldNone)},
    {when(own == coverTray3, DtFold == foldMultiLetter), set(DtFold, foldNone)},
    {when(own == coverTray4, DtFold == foldMultiLetter), set(DtFold, foldNone)},
    {when(own == coverTray5, DtFold == foldMultiLetter), set(DtFold, foldNone)},
    {when(own == coverTray1, DtCollate == collateGroup), set(DtCollate, collateSort)},
    {when(own == coverTray2, DtCollate == collateGroup), set(DtCollate, collateSort)},
    {when(own == coverTray3, DtCollate == collateGroup), set(DtCollate, collateSort)},
    {when(own == coverTray4, DtCollate == collateGroup), set(DtCollate, collateSort)},
    {when(own == coverTray5, DtCollate == collateGroup), set(DtCollate, collateSort)},
});

static_assert(backCoverTrayRules.size() == 10);

constexpr auto divideOutputRules = ruleTable({
    {when(own == 1, DtStaple == stapleNone), set(DtStaple, stapleTwoNormal)},
    {when(own == 1, DtCollate == collateGroup), set(DtCollate, collateSort)},
});

// Face-down output that the slot's media refuse turns face up while the slot or its media are
// being changed.
constexpr auto faceUpRules = ruleTable(
    everyStapleOff(own == 1), everyPunchOff(own == 1),
    rows({
        {when(own == 1, DtFold == foldMultiLetter, DtFoldDirection == foldDirectionOutside),
         set(DtFoldDirection, foldDirectionInside)},
        {when(own == 1, DtFold == foldMultiCenter), set(DtFold, foldNone)},
        {when(own == 0, DtFold == foldMultiLetter, DtFoldDirection == foldDirectionInside),
         set(DtFoldDirection, foldDirectionOutside)},
        {when(own == 1, DtFold == foldZFold1), set(DtFold, foldNone)},
        {when(own == 1, DtFold == foldZFold2), set(DtFold, foldNone)},
        {when(own == 1, DtRingBinding == 1), set(DtRingBinding, 0)},
        {when(own == 0), mediaRule(MediaFeature::faceDown, 1)},
    }));
static_assert(faceUpRules.size() == 17);

}  // namespace

void setSmoothing(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtSmoothing, value, change, smoothingRules);
}

void setBackCoverTray(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtBackCoverTray, value, change, backCoverTrayRules);
}

void setDivideOutput(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtDivideOutput, value, change, divideOutputRules);
}

void setFaceUp(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtFaceUp, value, change, faceUpRules);
}

}  // namespace pd
