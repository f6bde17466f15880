// The setter of folding. A fold sets the fold direction that it needs and excludes the finishing
// it cannot be combined with: the multi-letter and multi-centre folds (3, 4) every staple, punch
// and offset, grouped output and the stapler trays; the Z-folds (1, 2) the GBCStreampunch
// punching; every fold ring binding, face-up output and N-to-1 but the multi-letter fold folded
// inside, which needs both and no front cover; the multi-letter fold the back covers; and every
// fold but the multi-centre fold the fold and staple. With the rule flag on a fold also drops the
// layouts it excludes. A sheet that the folder refuses gets another feed direction, binding edge
// or target paper; a stapled Z-fold may lose its staple, a creased multi-centre fold its creases
// instead. The fold must suit the media of the paper source: when it does not, it gives way while
// the source or its media are being changed, and otherwise moves the job to the Auto source.
#include "core/catalog/choice_values.h"
#include "core/rules/row_groups.h"
#include "core/rules/rule_derivations.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

// The choices that several lines list, in the order in which the lines test them.
constexpr std::int64_t stapleChoices[] = {stapleOneOnBindingSide, stapleOneLeft,   stapleOneRight,
                                          stapleTwoNarrow,        stapleTwoNormal, stapleTwoWide};
constexpr std::int64_t punchChoices[] = {punchTwoHoles, punchThreeHoles, punchFourHoles,
                                         punchStreampunch};
constexpr std::int64_t coverTrays[] = {coverTray1, coverTray2, coverTray3, coverTray4, coverTray5};
constexpr std::int64_t postInserterTrays[] = {postInserterTray1, postInserterTray2};

// With the rule flag on: the layouts that a fold excludes.
constexpr auto foldLayoutExclusions =
    joined(forEachOwn({foldZFold1, foldZFold2, foldMultiLetter}, DtLayout, {layoutBooklet},
                      layoutNone, RuleGate::on),
           forEachOwn({foldZFold1, foldZFold2, foldMultiLetter, foldMultiCenter}, DtLayout,
                      {layoutAdhesiveBinding}, layoutNone, RuleGate::on),
           forEachOwn({foldMultiLetter}, DtLayout,
                      {layoutTwoInOne, layoutTwoInOneReverse, layoutRepeat, layoutRepeatReverseLeft,
                       layoutRepeatReverseRight, layoutRepeatReverseTop, layoutRepeatReverseBottom},
                      layoutNone, RuleGate::on));

// The settings that depend on the fold, one line per combination of folds and values of a member,
// each expanded fold by fold and value by value.
// clang-format off
constexpr auto foldDependents = joined(
        forEachOwn({foldMultiCenter}, DtFoldDirection, {foldDirectionInside},
                   foldDirectionOutside),
        forEachOwn({foldZFold1, foldZFold2}, DtFoldDirection, {foldDirectionOutside},
                   foldDirectionInside),
        forEachOwn({foldMultiLetter, foldMultiCenter}, DtStaple, stapleChoices, stapleNone),
        forEachOwn({foldMultiLetter, foldMultiCenter}, DtPunch, punchChoices, punchNone),
        forEachOwn({foldZFold1, foldZFold2}, DtPunch, {punchStreampunch}, punchNone),
        forEachOwn({foldNone, foldZFold1, foldZFold2, foldMultiLetter}, DtStitch, {1}, 0),
        forEachOwn({foldZFold1, foldZFold2, foldMultiLetter, foldMultiCenter}, DtRingBinding,
                   {1}, 0),
        forEachOwn(when(DtFoldDirection == foldDirectionOutside), {foldMultiLetter}, DtFaceUp, {1}, 0),
        forEachOwn({foldMultiCenter}, DtFaceUp, {1}, 0),
        forEachOwn(when(DtFoldDirection == foldDirectionInside), {foldMultiLetter}, DtFaceUp, {0}, 1),
        forEachOwn({foldZFold1, foldZFold2}, DtFaceUp, {1}, 0),
        forEachOwn(when(DtFoldDirection == foldDirectionInside), {foldMultiLetter}, DtNTo1, {0}, 1),
        forEachOwn(when(DtFoldDirection == foldDirectionOutside), {foldMultiLetter}, DtNTo1, {1}, 0),
        forEachOwn({foldMultiCenter, foldZFold1, foldZFold2}, DtNTo1, {1}, 0),
        forEachOwn({foldMultiLetter, foldMultiCenter}, DtCollate, {collateGroup}, collateSort),
        forEachOwn({foldMultiLetter, foldMultiCenter}, DtOffsetCopies, {1}, 0),
        forEachOwn({foldMultiLetter, foldMultiCenter}, DtOffsetPages, {1}, 0),
        forEachOwn(when(DtFoldDirection == foldDirectionInside), {foldMultiLetter}, DtFrontCoverTray, coverTrays,
                   coverTrayNone),
        forEachOwn(when(DtFoldDirection == foldDirectionInside), {foldMultiLetter}, DtPIFrontCoverTray,
                   postInserterTrays, postInserterTrayNone),
        forEachOwn({foldMultiLetter}, DtBackCoverTray, coverTrays, coverTrayNone),
        forEachOwn({foldMultiLetter}, DtPIBackCoverTray, postInserterTrays, postInserterTrayNone),
        forEachOwn({foldMultiLetter, foldMultiCenter}, DtOutputBin, {outputBinStaplerMain},
                   outputBinAuto),
        forEachOwn({foldMultiLetter, foldMultiCenter}, DtOutputBin, {outputBinStaplerSub},
                   outputBinAuto));
// clang-format on
static_assert(foldLayoutExclusions.size() == 14 && foldDependents.size() == 67);

// The sheet rules of a Z-fold with a staple, with the staple giving way.
consteval std::array<RuleRow, 4> zFoldStapleSheetRules(std::int64_t fold, std::int64_t staple) {
    return sheetRulesGivingWay(when(own == fold, DtStaple == staple), PaperFeature::zFoldStaple,
                               DtStaple, stapleOffChangesSheet);
}

// The sheet rules of a multi-centre fold with creases, with the creases giving way.
consteval std::array<RuleRow, 4> creasedSheetRules(std::int64_t crease) {
    return sheetRulesGivingWay(when(own == foldMultiCenter, DtCrease == crease),
                               PaperFeature::creasedMultiCenterFold, DtCrease,
                               creaseOffChangesSheet);
}

// The creases are only ever written with 0, so the multi-centre fold without creases may test
// them at every row as the other groups do.
// clang-format off
constexpr auto foldSheetRules = joined(
        zFoldStapleSheetRules(foldZFold1, stapleOneOnBindingSide),
        zFoldStapleSheetRules(foldZFold2, stapleOneOnBindingSide),
        zFoldStapleSheetRules(foldZFold1, stapleOneLeft),
        zFoldStapleSheetRules(foldZFold2, stapleOneLeft),
        zFoldStapleSheetRules(foldZFold1, stapleOneRight),
        zFoldStapleSheetRules(foldZFold2, stapleOneRight),
        zFoldStapleSheetRules(foldZFold1, stapleTwoNarrow),
        zFoldStapleSheetRules(foldZFold2, stapleTwoNarrow),
        zFoldStapleSheetRules(foldZFold1, stapleTwoNormal),
        zFoldStapleSheetRules(foldZFold2, stapleTwoNormal),
        zFoldStapleSheetRules(foldZFold1, stapleTwoWide),
        zFoldStapleSheetRules(foldZFold2, stapleTwoWide),
        sheetRules(when(own == foldZFold1), PaperFeature::zFold),
        sheetRules(when(own == foldZFold2), PaperFeature::zFold),
        sheetRules(when(own == foldMultiCenter, DtCrease == creaseOff),
                   PaperFeature::multiCenterFold),
        creasedSheetRules(creaseOnePiece),
        creasedSheetRules(creaseTwoPieces),
        creasedSheetRules(creaseThreePieces),
        creasedSheetRules(creaseFourPieces),
        sheetRules(when(own == foldMultiLetter), PaperFeature::multiLetterFold));
// clang-format on

constexpr auto foldRules =
    ruleTable(foldLayoutExclusions, foldDependents, foldSheetRules,
              rows({
                  {when(own == foldZFold1), mediaRule(MediaFeature::zFold, foldNone)},
                  {when(own == foldZFold2), mediaRule(MediaFeature::zFold, foldNone)},
                  {when(DtCrease == creaseOff, own == foldMultiCenter),
                   mediaRule(MediaFeature::multiCenterFold, foldNone)},
                  {when(DtCrease == creaseOff, own == foldMultiLetter),
                   mediaRule(MediaFeature::multiLetterFold, foldNone)},
              }));
static_assert(foldRules.size() == 14 + 67 + 12 * 4 + 4 * 3 + 4 * 4 + 4);

}  // namespace

void setFold(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtFold, value, change, foldRules);
}

}  // namespace pd
