// The setter of the page layout. Every layout excludes N-up printing; adhesive binding (1) and
// booklets (2) also stapling, punching and ring binding, booklets divided output too, and both are
// printed on both sides. Only booklets keep a creep and the blank pages inserted into them, and a
// page without layout has no gutter. The reversed repeat layouts take the orientation that their
// side names. 2in1 (3, 4) drops chapters, and so do booklet and adhesive binding unless the rule
// flag is on; with the flag on the repeat layouts (5 to 9) drop chapters, punching and (6 to 9)
// stapling instead, and every layout drops the folds and cover trays it excludes. Then the paper
// rules run, and booklet and adhesive binding take the binding edge that suits the orientation.
#include "core/catalog/choice_values.h"
#include "core/rules/row_groups.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

// The choices that several lines list, in the order in which the lines test them: N-up other
// than one page per sheet, the staples and punchings, and the layouts of two pages per sheet, of
// which the repeat layouts and their reversed variants.
constexpr std::int64_t multipleNUp[] = {nUpCount2, nUpCount2Reverse, nUpCount4,  nUpCount4Reverse,
                                        nUpCount6, nUpCount6Reverse, nUpCount8,  nUpCount8Reverse,
                                        nUpCount9, nUpCount9Reverse, nUpCount16, nUpCount16Reverse};
constexpr std::int64_t stapleChoices[] = {stapleOneLeft,   stapleOneRight,  stapleOneOnBindingSide,
                                          stapleTwoNarrow, stapleTwoNormal, stapleTwoWide};
constexpr std::int64_t punchChoices[] = {punchTwoHoles, punchThreeHoles, punchFourHoles,
                                         punchStreampunch};
constexpr std::int64_t twoUpLayouts[] = {
    layoutTwoInOne,           layoutTwoInOneReverse,    layoutRepeat,
    layoutRepeatReverseLeft,  layoutRepeatReverseRight, layoutRepeatReverseTop,
    layoutRepeatReverseBottom};
constexpr std::int64_t repeatLayouts[] = {layoutRepeat, layoutRepeatReverseLeft,
                                          layoutRepeatReverseRight, layoutRepeatReverseTop,
                                          layoutRepeatReverseBottom};
constexpr std::int64_t reversedRepeatLayouts[] = {layoutRepeatReverseLeft, layoutRepeatReverseRight,
                                                  layoutRepeatReverseTop,
                                                  layoutRepeatReverseBottom};

// With the rule flag on: the cover trays that a layout excludes.
consteval std::array<RuleRow, 6> coverTraysOff(std::int64_t layout) {
    return joined(forEachOwn({layout}, DtPIFrontCoverTray, {postInserterTray1, postInserterTray2},
                             postInserterTrayNone, RuleGate::on),
                  overriding({layout}, DtFrontCoverTray, coverTrayNone, RuleGate::on),
                  overriding({layout}, DtBackCoverTray, coverTrayNone, RuleGate::on),
                  forEachOwn({layout}, DtPIBackCoverTray, {postInserterTray1, postInserterTray2},
                             postInserterTrayNone, RuleGate::on));
}

// One line per combination of layouts and values of a member, each expanded layout by layout and
// value by value. The gutter, the creep and the cover trays are overridden: zeroed also while
// another setter is setting them.
// clang-format off
constexpr auto layoutRules = ruleTable(
    overriding({layoutNone}, DtGutter, 0),
    overriding({layoutNone}, DtCreep, 0),
    forEachOwn({layoutNone}, DtBookletBlankInsertion, {1}, 0),
    forEachOwn({layoutBooklet}, DtNUpCount, multipleNUp, nUpCount1),
    forEachOwn({layoutBooklet}, DtChapterMode, {1}, 0, RuleGate::off),
    forEachOwn({layoutBooklet}, DtDuplex, {0}, 1),
    forEachOwn({layoutBooklet}, DtStaple, stapleChoices, stapleNone),
    forEachOwn({layoutBooklet}, DtPunch, punchChoices, punchNone),
    forEachOwn({layoutBooklet}, DtRingBinding, {1}, 0),
    forEachOwn({layoutBooklet}, DtDivideOutput, {1}, 0),
    forEachOwn({layoutBooklet}, DtFold, {foldZFold1, foldZFold2, foldMultiLetter}, foldNone,
               RuleGate::on),
    forEachOwn({layoutAdhesiveBinding}, DtFold,
               {foldZFold1, foldZFold2, foldMultiLetter, foldMultiCenter}, foldNone, RuleGate::on),
    forEachOwn(twoUpLayouts, DtFold, {foldMultiLetter}, foldNone, RuleGate::on),
    overriding({layoutBooklet}, DtBackCoverTray, coverTrayNone, RuleGate::on),
    coverTraysOff(layoutAdhesiveBinding),
    coverTraysOff(layoutTwoInOne),
    coverTraysOff(layoutTwoInOneReverse),
    overriding({layoutAdhesiveBinding}, DtCreep, 0),
    forEachOwn({layoutAdhesiveBinding}, DtBookletBlankInsertion, {1}, 0),
    forEachOwn({layoutAdhesiveBinding}, DtDuplex, {0}, 1),
    forEachOwn({layoutAdhesiveBinding}, DtStaple, stapleChoices, stapleNone),
    forEachOwn({layoutAdhesiveBinding}, DtPunch, punchChoices, punchNone),
    forEachOwn({layoutAdhesiveBinding}, DtRingBinding, {1}, 0),
    forEachOwn({layoutAdhesiveBinding}, DtNUpCount, multipleNUp, nUpCount1),
    forEachOwn({layoutAdhesiveBinding}, DtChapterMode, {1}, 0, RuleGate::off),
    overriding({layoutTwoInOne}, DtCreep, 0),
    forEachOwn({layoutTwoInOne}, DtBookletBlankInsertion, {1}, 0),
    forEachOwn({layoutTwoInOne}, DtNUpCount, multipleNUp, nUpCount1),
    forEachOwn({layoutTwoInOne}, DtChapterMode, {1}, 0),
    overriding({layoutTwoInOneReverse}, DtCreep, 0),
    forEachOwn({layoutTwoInOneReverse}, DtBookletBlankInsertion, {1}, 0),
    forEachOwn({layoutTwoInOneReverse}, DtNUpCount, multipleNUp, nUpCount1),
    forEachOwn({layoutTwoInOneReverse}, DtChapterMode, {1}, 0),
    overriding({layoutRepeat}, DtCreep, 0),
    forEachOwn({layoutRepeat}, DtBookletBlankInsertion, {1}, 0),
    forEachOwn({layoutRepeat}, DtNUpCount, multipleNUp, nUpCount1),
    overriding(reversedRepeatLayouts, DtCreep, 0),
    forEachOwn(reversedRepeatLayouts, DtBookletBlankInsertion, {1}, 0),
    forEachOwn(reversedRepeatLayouts, DtNUpCount, {nUpCount2, nUpCount2Reverse}, nUpCount1),
    forEachOwn(reversedRepeatLayouts, DtNUpCount, {nUpCount4, nUpCount4Reverse}, nUpCount1),
    forEachOwn(reversedRepeatLayouts, DtNUpCount, {nUpCount6, nUpCount6Reverse}, nUpCount1),
    forEachOwn(reversedRepeatLayouts, DtNUpCount, {nUpCount8, nUpCount8Reverse}, nUpCount1),
    forEachOwn(reversedRepeatLayouts, DtNUpCount, {nUpCount9, nUpCount9Reverse}, nUpCount1),
    forEachOwn(reversedRepeatLayouts, DtNUpCount, {nUpCount16, nUpCount16Reverse}, nUpCount1),
    forEachOwn({layoutRepeatReverseTop, layoutRepeatReverseBottom}, DtOrientation,
               {orientationPortrait}, orientationLandscape),
    forEachOwn({layoutRepeatReverseLeft, layoutRepeatReverseRight}, DtOrientation,
               {orientationLandscape}, orientationPortrait),
    forEachOwn(reversedRepeatLayouts, DtStaple, stapleChoices, stapleNone, RuleGate::on),
    forEachOwn(repeatLayouts, DtPunch, punchChoices, punchNone, RuleGate::on),
    forEachOwn(repeatLayouts, DtChapterMode, {1}, 0, RuleGate::on),
    rows({{when(), runStep(RuleStep::resolvePaperRules)}}),
    bookletBindingRules(given, valueOf(DtOrientation)));
// clang-format on
static_assert(layoutRules.size() == 242 + 1 + 4);

}  // namespace

void setLayout(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtLayout, value, change, layoutRules);
}

}  // namespace pd
