// The setter of the page layout. Every layout excludes N-up printing; adhesive binding (1) and
// booklets (2) also stapling, punching and ring binding, booklets divided output too, and both are
// printed on both sides. Only booklets keep a creep and the blank pages inserted into them, and a
// page without layout has no gutter. The reversed repeat layouts take the orientation that their
// side names. 2in1 (3, 4) drops chapters, and so do booklet and adhesive binding unless the rule
// flag is on; with the flag on the repeat layouts (5 to 9) drop chapters, punching and (6 to 9)
// stapling instead, and every layout drops the folds and cover trays it excludes. Then the paper
// rules run, and booklet and adhesive binding take the binding edge that suits the orientation.
#include "core/rules/row_groups.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

// With the rule flag on: the cover trays that a layout excludes.
consteval std::array<RuleRow, 6> coverTraysOff(std::int64_t layout) {
    return joined(forEachOwn({layout}, DtPIFrontCoverTray, {1, 2}, 0, RuleGate::on),
                  overriding({layout}, DtFrontCoverTray, 0, RuleGate::on),
                  overriding({layout}, DtBackCoverTray, 0, RuleGate::on),
                  forEachOwn({layout}, DtPIBackCoverTray, {1, 2}, 0, RuleGate::on));
}

// One line per combination of layouts and values of a member, each expanded layout by layout and
// value by value. The gutter, the creep and the cover trays are overridden: zeroed also while
// another setter is setting them.
// clang-format off
constexpr auto layoutRules = ruleTable(
    overriding({0}, DtGutter, 0),
    overriding({0}, DtCreep, 0),
    forEachOwn({0}, DtBookletBlankInsertion, {1}, 0),
    forEachOwn({2}, DtNUpCount, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 0),
    forEachOwn({2}, DtChapterMode, {1}, 0, RuleGate::off),
    forEachOwn({2}, DtDuplex, {0}, 1),
    forEachOwn({2}, DtStaple, {1, 2, 3, 6, 5, 4}, 0),
    forEachOwn({2}, DtPunch, {1, 2, 3, 4}, 0),
    forEachOwn({2}, DtRingBinding, {1}, 0),
    forEachOwn({2}, DtDivideOutput, {1}, 0),
    forEachOwn({2}, DtFold, {1, 2, 3}, 0, RuleGate::on),
    forEachOwn({1}, DtFold, {1, 2, 3, 4}, 0, RuleGate::on),
    forEachOwn({3, 4, 5, 6, 7, 8, 9}, DtFold, {3}, 0, RuleGate::on),
    overriding({2}, DtBackCoverTray, 0, RuleGate::on),
    coverTraysOff(1),
    coverTraysOff(3),
    coverTraysOff(4),
    overriding({1}, DtCreep, 0),
    forEachOwn({1}, DtBookletBlankInsertion, {1}, 0),
    forEachOwn({1}, DtDuplex, {0}, 1),
    forEachOwn({1}, DtStaple, {1, 2, 3, 6, 5, 4}, 0),
    forEachOwn({1}, DtPunch, {1, 2, 3, 4}, 0),
    forEachOwn({1}, DtRingBinding, {1}, 0),
    forEachOwn({1}, DtNUpCount, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 0),
    forEachOwn({1}, DtChapterMode, {1}, 0, RuleGate::off),
    overriding({3}, DtCreep, 0),
    forEachOwn({3}, DtBookletBlankInsertion, {1}, 0),
    forEachOwn({3}, DtNUpCount, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 0),
    forEachOwn({3}, DtChapterMode, {1}, 0),
    overriding({4}, DtCreep, 0),
    forEachOwn({4}, DtBookletBlankInsertion, {1}, 0),
    forEachOwn({4}, DtNUpCount, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 0),
    forEachOwn({4}, DtChapterMode, {1}, 0),
    overriding({5}, DtCreep, 0),
    forEachOwn({5}, DtBookletBlankInsertion, {1}, 0),
    forEachOwn({5}, DtNUpCount, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 0),
    overriding({6, 7, 8, 9}, DtCreep, 0),
    forEachOwn({6, 7, 8, 9}, DtBookletBlankInsertion, {1}, 0),
    forEachOwn({6, 7, 8, 9}, DtNUpCount, {1, 2}, 0),
    forEachOwn({6, 7, 8, 9}, DtNUpCount, {3, 4}, 0),
    forEachOwn({6, 7, 8, 9}, DtNUpCount, {5, 6}, 0),
    forEachOwn({6, 7, 8, 9}, DtNUpCount, {7, 8}, 0),
    forEachOwn({6, 7, 8, 9}, DtNUpCount, {9, 10}, 0),
    forEachOwn({6, 7, 8, 9}, DtNUpCount, {11, 12}, 0),
    forEachOwn({8, 9}, DtOrientation, {0}, 1),
    forEachOwn({6, 7}, DtOrientation, {1}, 0),
    forEachOwn({6, 7, 8, 9}, DtStaple, {1, 2, 3, 6, 5, 4}, 0, RuleGate::on),
    forEachOwn({5, 6, 7, 8, 9}, DtPunch, {1, 2, 3, 4}, 0, RuleGate::on),
    forEachOwn({5, 6, 7, 8, 9}, DtChapterMode, {1}, 0, RuleGate::on),
    rows({{when(), runStep(RuleStep::resolvePaperRules)}}),
    bookletBindingRules(given, valueOf(DtOrientation)));
// clang-format on
static_assert(layoutRules.size() == 242 + 1 + 4);

}  // namespace

void setLayout(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtLayout, value, change, layoutRules);
}

}  // namespace pd
