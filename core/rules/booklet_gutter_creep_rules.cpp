// The setters that pull the page layout along: a blank page inserted into a booklet and a creep
// other than 0 make the layout Booklet (2); a gutter other than 0 on a page without layout makes
// it 2in1 (3).
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

// While on holds, every other layout becomes Booklet, tested layout by layout.
consteval auto bookletRules(RuleTest on) {
    return ruleTable({
        {when(on, DtLayout == 0), set(DtLayout, 2)},
        {when(on, DtLayout == 1), set(DtLayout, 2)},
        {when(on, DtLayout == 3), set(DtLayout, 2)},
        {when(on, DtLayout == 4), set(DtLayout, 2)},
        {when(on, DtLayout == 5), set(DtLayout, 2)},
        {when(on, DtLayout == 6), set(DtLayout, 2)},
        {when(on, DtLayout == 7), set(DtLayout, 2)},
        {when(on, DtLayout == 8), set(DtLayout, 2)},
        {when(on, DtLayout == 9), set(DtLayout, 2)},
    });
}

constexpr auto bookletBlankInsertionRules = bookletRules(own == 1);
constexpr auto creepRules = bookletRules(own != 0);

// The given value decides, as the gutter is a length.
constexpr auto gutterRules = ruleTable({
    {when(given != 0, DtLayout == 0), set(DtLayout, 3)},
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
