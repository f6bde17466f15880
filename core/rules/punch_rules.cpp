// The setter of hole punching. A punch excludes adhesive binding and booklets, the multi-letter
// and multi-centre folds, ring binding, N-to-1 and face-up output; GBCStreampunch (4) also
// excludes every staple and the Z-folds. A sheet that the punch refuses gets another feed
// direction, binding edge or target paper. The punch must suit the media of the paper source:
// when it does not, it gives way while the source or its media are being changed, and otherwise
// moves the job to the Auto source.
#include "core/catalog/choice_values.h"
#include "core/rules/row_groups.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

constexpr auto punchRules = ruleTable(
    rows({
        {when(own == punchTwoHoles, DtLayout == layoutBooklet), set(DtLayout, layoutNone)},
        {when(own == punchThreeHoles, DtLayout == layoutBooklet), set(DtLayout, layoutNone)},
        {when(own == punchFourHoles, DtLayout == layoutBooklet), set(DtLayout, layoutNone)},
        {when(own == punchStreampunch, DtLayout == layoutBooklet), set(DtLayout, layoutNone)},
        {when(own == punchTwoHoles, DtLayout == layoutAdhesiveBinding), set(DtLayout, layoutNone)},
        {when(own == punchThreeHoles, DtLayout == layoutAdhesiveBinding),
         set(DtLayout, layoutNone)},
        {when(own == punchFourHoles, DtLayout == layoutAdhesiveBinding), set(DtLayout, layoutNone)},
        {when(own == punchStreampunch, DtLayout == layoutAdhesiveBinding),
         set(DtLayout, layoutNone)},
        {when(own == punchStreampunch, DtStaple == stapleTwoNormal), set(DtStaple, stapleNone)},
        {when(own == punchStreampunch, DtStaple == stapleTwoWide), set(DtStaple, stapleNone)},
        {when(own == punchStreampunch, DtStaple == stapleTwoNarrow), set(DtStaple, stapleNone)},
        {when(own == punchStreampunch, DtStaple == stapleOneOnBindingSide),
         set(DtStaple, stapleNone)},
        {when(own == punchStreampunch, DtStaple == stapleOneLeft), set(DtStaple, stapleNone)},
        {when(own == punchStreampunch, DtStaple == stapleOneRight), set(DtStaple, stapleNone)},
        {when(own == punchTwoHoles, DtFold == foldMultiLetter), set(DtFold, foldNone)},
        {when(own == punchThreeHoles, DtFold == foldMultiLetter), set(DtFold, foldNone)},
        {when(own == punchFourHoles, DtFold == foldMultiLetter), set(DtFold, foldNone)},
        {when(own == punchStreampunch, DtFold == foldMultiLetter), set(DtFold, foldNone)},
        {when(own == punchTwoHoles, DtFold == foldMultiCenter), set(DtFold, foldNone)},
        {when(own == punchThreeHoles, DtFold == foldMultiCenter), set(DtFold, foldNone)},
        {when(own == punchFourHoles, DtFold == foldMultiCenter), set(DtFold, foldNone)},
        {when(own == punchStreampunch, DtFold == foldMultiCenter), set(DtFold, foldNone)},
        {when(own == punchStreampunch, DtFold == foldZFold1), set(DtFold, foldNone)},
        {when(own == punchStreampunch, DtFold == foldZFold2), set(DtFold, foldNone)},
        {when(own == punchTwoHoles, DtRingBinding == 1), set(DtRingBinding, 0)},
        {when(own == punchThreeHoles, DtRingBinding == 1), set(DtRingBinding, 0)},
        {when(own == punchFourHoles, DtRingBinding == 1), set(DtRingBinding, 0)},
        {when(own == punchStreampunch, DtRingBinding == 1), set(DtRingBinding, 0)},
        {when(own == punchTwoHoles, DtNTo1 == 1), set(DtNTo1, 0)},
        {when(own == punchThreeHoles, DtNTo1 == 1), set(DtNTo1, 0)},
        {when(own == punchFourHoles, DtNTo1 == 1), set(DtNTo1, 0)},
        {when(own == punchStreampunch, DtNTo1 == 1), set(DtNTo1, 0)},
        {when(own == punchTwoHoles, DtFaceUp == 1), set(DtFaceUp, 0)},
        {when(own == punchThreeHoles, DtFaceUp == 1), set(DtFaceUp, 0)},
        {when(own == punchFourHoles, DtFaceUp == 1), set(DtFaceUp, 0)},
        {when(own == punchStreampunch, DtFaceUp == 1), set(DtFaceUp, 0)},
    }),
    sheetRules(when(own == punchTwoHoles), PaperFeature::twoHolePunch),
    sheetRules(when(own == punchThreeHoles), PaperFeature::threeHolePunch),
    sheetRules(when(own == punchFourHoles), PaperFeature::fourHolePunch),
    sheetRules(when(own == punchStreampunch), PaperFeature::streamPunch),
    rows({
        {when(own == punchTwoHoles), mediaRule(MediaFeature::twoHolePunch, punchNone)},
        {when(own == punchThreeHoles), mediaRule(MediaFeature::threeHolePunch, punchNone)},
        {when(own == punchFourHoles), mediaRule(MediaFeature::fourHolePunch, punchNone)},
        {when(own == punchStreampunch), mediaRule(MediaFeature::streamPunch, punchNone)},
    }));
static_assert(punchRules.size() == 52);

}  // namespace

void setPunch(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtPunch, value, change, punchRules);
}

}  // namespace pd
