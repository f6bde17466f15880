// The setters that pull the page layout along: a blank page inserted into a booklet and a creep
// other than 0 make the layout Booklet (2); a gutter other than 0 on a page without layout makes
// it 2in1 (3).
#include "core/catalog/choice_values.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

// While on holds, every other layout becomes Booklet, tested layout by layout.
consteval auto bookletRules(RuleTest on) {
    return ruleTable({
        {when(on, DtLayout == layoutNone), set(DtLayout, layoutBooklet)},
        {when(on, DtLayout == layoutAdhesiveBinding), set(DtLayout, layoutBooklet)},
        {when(on, DtLayout == layoutTwoInOne), set(DtLayout, layoutBooklet)},
        {when(on, DtLayout == layoutTwoInOneReverse), set(DtLayout, layoutBooklet)},
        {when(on, DtLayout == layoutRepeat), set(DtLayout, layoutBooklet)},
        {when(on, DtLayout == layoutRepeatReverseLeft), set(DtLayout, layoutBooklet)},
        {when(on, DtLayout == layoutRepeatReverseRight), set(DtLayout, layoutBooklet)},
        {when(on, DtLayout == layoutRepeatReverseTop), set(DtLayout, layoutBooklet)},
        {when(on, DtLayout == layoutRepeatReverseBottom), set(DtLayout, layoutBooklet)},
    });
}

constexpr auto bookletBlankInsertionRules = bookletRules(own == 1);
constexpr auto creepRules = bookletRules(own != 0);

// The given value decides, as the gutter is a length.
constexpr auto gutterRules = ruleTable({
    {when(given != 0, DtLayout == layoutNone), set(DtLayout, layoutTwoInOne)},
});

}  // namespace

void setBookletBlankInsertion(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtBookletBlankInsertion, value, change, bookletBlankInsertionRules);
}

void setCreep(PdCoreData& record, std::int32_t value, ChangeContext& change) {
    runRuleSetter(record, DtCreep, value, change, creepRules);
}

void setGutter(PdCoreData& record, std::int32_t value, ChangeContext& change) {
    runRuleSetter(record, DtGutter, value, change, gutterRules);
}

}  // namespace pd
