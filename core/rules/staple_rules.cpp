// The setter of stapling. A staple excludes adhesive binding and booklets, the GBCStreampunch
// punching, the multi-letter and multi-centre folds, N-to-1 and face-up output, ring binding, the
// StaplerSub tray, slitting and creasing; a corner staple takes the binding edge it needs (Top for
// 1StapleLeft and 1StapleRight, a side for 1Staple), and no staple means no divided output. A
// sheet that stapling refuses gets another feed direction, binding edge or target paper; a
// Z-folded one may lose its fold instead. Stapling must suit the media of the paper source: when
// it does not, it gives way while the source or its media are being changed, and otherwise moves
// the job to the Auto source.
#include "core/catalog/choice_values.h"
#include "core/rules/row_groups.h"
#include "core/rules/rule_derivations.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

// 1Staple off a Top binding goes to the side that the call's value names: Right when it was given
// 1StapleRight (2), else Left; one rule written as two rows by the given value.
constexpr auto stapleExclusions = rows({
    {when(own == stapleOneLeft, DtLayout == layoutBooklet), set(DtLayout, layoutNone)},
    {when(own == stapleOneRight, DtLayout == layoutBooklet), set(DtLayout, layoutNone)},
    {when(own == stapleOneOnBindingSide, DtLayout == layoutBooklet), set(DtLayout, layoutNone)},
    {when(own == stapleTwoNarrow, DtLayout == layoutBooklet), set(DtLayout, layoutNone)},
    {when(own == stapleTwoNormal, DtLayout == layoutBooklet), set(DtLayout, layoutNone)},
    {when(own == stapleTwoWide, DtLayout == layoutBooklet), set(DtLayout, layoutNone)},
    {when(own == stapleOneLeft, DtLayout == layoutAdhesiveBinding), set(DtLayout, layoutNone)},
    {when(own == stapleOneRight, DtLayout == layoutAdhesiveBinding), set(DtLayout, layoutNone)},
    {when(own == stapleOneOnBindingSide, DtLayout == layoutAdhesiveBinding),
     set(DtLayout, layoutNone)},
    {when(own == stapleTwoNarrow, DtLayout == layoutAdhesiveBinding), set(DtLayout, layoutNone)},
    {when(own == stapleTwoNormal, DtLayout == layoutAdhesiveBinding), set(DtLayout, layoutNone)},
    {when(own == stapleTwoWide, DtLayout == layoutAdhesiveBinding), set(DtLayout, layoutNone)},
    {when(own == stapleOneLeft, DtBinding == bindingRight), set(DtBinding, bindingTop)},
    {when(own == stapleOneRight, DtBinding == bindingLeft), set(DtBinding, bindingTop)},
    {when(own == stapleOneOnBindingSide, DtBinding == bindingTop, given == stapleOneRight),
     set(DtBinding, bindingRight)},
    {when(own == stapleOneOnBindingSide, DtBinding == bindingTop, given != stapleOneRight),
     set(DtBinding, bindingLeft)},
    {when(own == stapleNone, DtDivideOutput == 1), set(DtDivideOutput, 0)},
    {when(own == stapleOneLeft, DtBinding == bindingLeft), set(DtBinding, bindingTop)},
    {when(own == stapleOneRight, DtBinding == bindingRight), set(DtBinding, bindingTop)},
    {when(own == stapleTwoNarrow, DtPunch == punchStreampunch), set(DtPunch, punchNone)},
    {when(own == stapleTwoNormal, DtPunch == punchStreampunch), set(DtPunch, punchNone)},
    {when(own == stapleTwoWide, DtPunch == punchStreampunch), set(DtPunch, punchNone)},
    {when(own == stapleOneOnBindingSide, DtPunch == punchStreampunch), set(DtPunch, punchNone)},
    {when(own == stapleOneLeft, DtPunch == punchStreampunch), set(DtPunch, punchNone)},
    {when(own == stapleOneRight, DtPunch == punchStreampunch), set(DtPunch, punchNone)},
    {when(own == stapleOneOnBindingSide, DtFold == foldMultiLetter), set(DtFold, foldNone)},
    {when(own == stapleOneLeft, DtFold == foldMultiLetter), set(DtFold, foldNone)},
    {when(own == stapleOneRight, DtFold == foldMultiLetter), set(DtFold, foldNone)},
    {when(own == stapleTwoNarrow, DtFold == foldMultiLetter), set(DtFold, foldNone)},
    {when(own == stapleTwoNormal, DtFold == foldMultiLetter), set(DtFold, foldNone)},
    {when(own == stapleTwoWide, DtFold == foldMultiLetter), set(DtFold, foldNone)},
    {when(own == stapleOneOnBindingSide, DtFold == foldMultiCenter), set(DtFold, foldNone)},
    {when(own == stapleOneLeft, DtFold == foldMultiCenter), set(DtFold, foldNone)},
    {when(own == stapleOneRight, DtFold == foldMultiCenter), set(DtFold, foldNone)},
    {when(own == stapleTwoNarrow, DtFold == foldMultiCenter), set(DtFold, foldNone)},
    {when(own == stapleTwoNormal, DtFold == foldMultiCenter), set(DtFold, foldNone)},
    {when(own == stapleTwoWide, DtFold == foldMultiCenter), set(DtFold, foldNone)},
    {when(own == stapleOneOnBindingSide, DtNTo1 == 1), set(DtNTo1, 0)},
    {when(own == stapleOneLeft, DtNTo1 == 1), set(DtNTo1, 0)},
    {when(own == stapleOneRight, DtNTo1 == 1), set(DtNTo1, 0)},
    {when(own == stapleTwoNarrow, DtNTo1 == 1), set(DtNTo1, 0)},
    {when(own == stapleTwoNormal, DtNTo1 == 1), set(DtNTo1, 0)},
    {when(own == stapleTwoWide, DtNTo1 == 1), set(DtNTo1, 0)},
    {when(own == stapleOneOnBindingSide, DtFaceUp == 1), set(DtFaceUp, 0)},
    {when(own == stapleOneLeft, DtFaceUp == 1), set(DtFaceUp, 0)},
    {when(own == stapleOneRight, DtFaceUp == 1), set(DtFaceUp, 0)},
    {when(own == stapleTwoNarrow, DtFaceUp == 1), set(DtFaceUp, 0)},
    {when(own == stapleTwoNormal, DtFaceUp == 1), set(DtFaceUp, 0)},
    {when(own == stapleTwoWide, DtFaceUp == 1), set(DtFaceUp, 0)},
    {when(own == stapleOneOnBindingSide, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == stapleOneLeft, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == stapleOneRight, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == stapleTwoNarrow, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == stapleTwoNormal, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == stapleTwoWide, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == stapleOneOnBindingSide, DtOutputBin == outputBinStaplerSub),
     set(DtOutputBin, outputBinAuto)},
    {when(own == stapleOneLeft, DtOutputBin == outputBinStaplerSub),
     set(DtOutputBin, outputBinAuto)},
    {when(own == stapleOneRight, DtOutputBin == outputBinStaplerSub),
     set(DtOutputBin, outputBinAuto)},
    {when(own == stapleTwoNarrow, DtOutputBin == outputBinStaplerSub),
     set(DtOutputBin, outputBinAuto)},
    {when(own == stapleTwoNormal, DtOutputBin == outputBinStaplerSub),
     set(DtOutputBin, outputBinAuto)},
    {when(own == stapleTwoWide, DtOutputBin == outputBinStaplerSub),
     set(DtOutputBin, outputBinAuto)},
});

// The sheet rules of a staple: one staple in a corner (1 to 3), or two (4 to 6).
consteval std::array<RuleRow, 3> stapleSheetRules(std::int64_t staple) {
    return sheetRules(when(own == staple),
                      staple <= 3 ? PaperFeature::oneStaple : PaperFeature::twoStaples);
}

// The sheet rules of a staple on a Z-folded sheet, with the fold giving way.
consteval std::array<RuleRow, 4> zFoldSheetRules(std::int64_t staple, std::int64_t fold) {
    return sheetRulesGivingWay(when(own == staple, DtFold == fold), PaperFeature::zFoldStaple,
                               DtFold, foldOffChangesSheet);
}

constexpr auto slitAndCreaseOff = rows({
    {when(own == stapleOneLeft, DtSlit == slitAll), set(DtSlit, slitOff), RuleKind::write},
    {when(own == stapleOneRight, DtSlit == slitAll), set(DtSlit, slitOff), RuleKind::write},
    {when(own == stapleOneOnBindingSide, DtSlit == slitAll), set(DtSlit, slitOff), RuleKind::write},
    {when(own == stapleTwoWide, DtSlit == slitAll), set(DtSlit, slitOff), RuleKind::write},
    {when(own == stapleTwoNormal, DtSlit == slitAll), set(DtSlit, slitOff), RuleKind::write},
    {when(own == stapleTwoNarrow, DtSlit == slitAll), set(DtSlit, slitOff), RuleKind::write},
    {when(own == stapleOneLeft, DtSlit == slitFirstOnly), set(DtSlit, slitOff), RuleKind::write},
    {when(own == stapleOneRight, DtSlit == slitFirstOnly), set(DtSlit, slitOff), RuleKind::write},
    {when(own == stapleOneOnBindingSide, DtSlit == slitFirstOnly), set(DtSlit, slitOff),
     RuleKind::write},
    {when(own == stapleTwoWide, DtSlit == slitFirstOnly), set(DtSlit, slitOff), RuleKind::write},
    {when(own == stapleTwoNormal, DtSlit == slitFirstOnly), set(DtSlit, slitOff), RuleKind::write},
    {when(own == stapleTwoNarrow, DtSlit == slitFirstOnly), set(DtSlit, slitOff), RuleKind::write},
    {when(own == stapleOneLeft, DtCrease == creaseOnePiece), set(DtCrease, creaseOff),
     RuleKind::write},
    {when(own == stapleOneRight, DtCrease == creaseOnePiece), set(DtCrease, creaseOff),
     RuleKind::write},
    {when(own == stapleOneOnBindingSide, DtCrease == creaseOnePiece), set(DtCrease, creaseOff),
     RuleKind::write},
    {when(own == stapleTwoWide, DtCrease == creaseOnePiece), set(DtCrease, creaseOff),
     RuleKind::write},
    {when(own == stapleTwoNormal, DtCrease == creaseOnePiece), set(DtCrease, creaseOff),
     RuleKind::write},
    {when(own == stapleTwoNarrow, DtCrease == creaseOnePiece), set(DtCrease, creaseOff),
     RuleKind::write},
    {when(own == stapleOneLeft, DtCrease == creaseTwoPieces), set(DtCrease, creaseOff),
     RuleKind::write},
    {when(own == stapleOneRight, DtCrease == creaseTwoPieces), set(DtCrease, creaseOff),
     RuleKind::write},
    {when(own == stapleOneOnBindingSide, DtCrease == creaseTwoPieces), set(DtCrease, creaseOff),
     RuleKind::write},
    {when(own == stapleTwoWide, DtCrease == creaseTwoPieces), set(DtCrease, creaseOff),
     RuleKind::write},
    {when(own == stapleTwoNormal, DtCrease == creaseTwoPieces), set(DtCrease, creaseOff),
     RuleKind::write},
    {when(own == stapleTwoNarrow, DtCrease == creaseTwoPieces), set(DtCrease, creaseOff),
     RuleKind::write},
    {when(own == stapleOneLeft, DtCrease == creaseThreePieces), set(DtCrease, creaseOff),
     RuleKind::write},
    {when(own == stapleOneRight, DtCrease == creaseThreePieces), set(DtCrease, creaseOff),
     RuleKind::write},
    {when(own == stapleOneOnBindingSide, DtCrease == creaseThreePieces), set(DtCrease, creaseOff),
     RuleKind::write},
    {when(own == stapleTwoWide, DtCrease == creaseThreePieces), set(DtCrease, creaseOff),
     RuleKind::write},
    {when(own == stapleTwoNormal, DtCrease == creaseThreePieces), set(DtCrease, creaseOff),
     RuleKind::write},
    {when(own == stapleTwoNarrow, DtCrease == creaseThreePieces), set(DtCrease, creaseOff),
     RuleKind::write},
    {when(own == stapleOneLeft, DtCrease == creaseFourPieces), set(DtCrease, creaseOff),
     RuleKind::write},
    {when(own == stapleOneRight, DtCrease == creaseFourPieces), set(DtCrease, creaseOff),
     RuleKind::write},
    {when(own == stapleOneOnBindingSide, DtCrease == creaseFourPieces), set(DtCrease, creaseOff),
     RuleKind::write},
    {when(own == stapleTwoWide, DtCrease == creaseFourPieces), set(DtCrease, creaseOff),
     RuleKind::write},
    {when(own == stapleTwoNormal, DtCrease == creaseFourPieces), set(DtCrease, creaseOff),
     RuleKind::write},
    {when(own == stapleTwoNarrow, DtCrease == creaseFourPieces), set(DtCrease, creaseOff),
     RuleKind::write},
});

constexpr auto stapleRules = ruleTable(
    stapleExclusions, stapleSheetRules(stapleOneOnBindingSide), stapleSheetRules(stapleOneLeft),
    stapleSheetRules(stapleOneRight), stapleSheetRules(stapleTwoNarrow),
    stapleSheetRules(stapleTwoNormal), stapleSheetRules(stapleTwoWide),
    zFoldSheetRules(stapleOneOnBindingSide, foldZFold1),
    zFoldSheetRules(stapleOneOnBindingSide, foldZFold2), zFoldSheetRules(stapleOneLeft, foldZFold1),
    zFoldSheetRules(stapleOneLeft, foldZFold2), zFoldSheetRules(stapleOneRight, foldZFold1),
    zFoldSheetRules(stapleOneRight, foldZFold2), zFoldSheetRules(stapleTwoNarrow, foldZFold1),
    zFoldSheetRules(stapleTwoNarrow, foldZFold2), zFoldSheetRules(stapleTwoNormal, foldZFold1),
    zFoldSheetRules(stapleTwoNormal, foldZFold2), zFoldSheetRules(stapleTwoWide, foldZFold1),
    zFoldSheetRules(stapleTwoWide, foldZFold2),
    rows({
        {when(own == stapleOneOnBindingSide), mediaRule(MediaFeature::staple, stapleNone)},
        {when(own == stapleOneLeft), mediaRule(MediaFeature::staple, stapleNone)},
        {when(own == stapleOneRight), mediaRule(MediaFeature::staple, stapleNone)},
        {when(own == stapleTwoNarrow), mediaRule(MediaFeature::staple, stapleNone)},
        {when(own == stapleTwoNormal), mediaRule(MediaFeature::staple, stapleNone)},
        {when(own == stapleTwoWide), mediaRule(MediaFeature::staple, stapleNone)},
    }),
    slitAndCreaseOff);
static_assert(stapleExclusions.size() == 61 && slitAndCreaseOff.size() == 36);
static_assert(stapleRules.size() == 169);

}  // namespace

void setStaple(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtStaple, value, change, stapleRules);
}

}  // namespace pd
