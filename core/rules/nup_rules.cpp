// The setter of N-up printing. Every N-up choice excludes every imposition layout, a complete
// matrix of 108 rows in the order below. Whatever the value, the paper rules then run: the N-up
// count is part of the printed sheet.
#include "core/rules/paper_rules.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

// The layouts 2, 1, 3, 4 and 5, each against N-up 1 to 12; then the N-up choices in pairs, each
// pair against the layouts 6 to 9, the odd choice first.
constexpr auto nUpCountRules = ruleTable({
    {when(own == 1, DtLayout == 2), set(DtLayout, 0)},
    {when(own == 2, DtLayout == 2), set(DtLayout, 0)},
    {when(own == 3, DtLayout == 2), set(DtLayout, 0)},
    {when(own == 4, DtLayout == 2), set(DtLayout, 0)},
    {when(own == 5, DtLayout == 2), set(DtLayout, 0)},
    {when(own == 6, DtLayout == 2), set(DtLayout, 0)},
    {when(own == 7, DtLayout == 2), set(DtLayout, 0)},
    {when(own == 8, DtLayout == 2), set(DtLayout, 0)},
    {when(own == 9, DtLayout == 2), set(DtLayout, 0)},
    {when(own == 10, DtLayout == 2), set(DtLayout, 0)},
    {when(own == 11, DtLayout == 2), set(DtLayout, 0)},
    {when(own == 12, DtLayout == 2), set(DtLayout, 0)},
    {when(own == 1, DtLayout == 1), set(DtLayout, 0)},
    {when(own == 2, DtLayout == 1), set(DtLayout, 0)},
    {when(own == 3, DtLayout == 1), set(DtLayout, 0)},
    {when(own == 4, DtLayout == 1), set(DtLayout, 0)},
    {when(own == 5, DtLayout == 1), set(DtLayout, 0)},
    {when(own == 6, DtLayout == 1), set(DtLayout, 0)},
    {when(own == 7, DtLayout == 1), set(DtLayout, 0)},
    {when(own == 8, DtLayout == 1), set(DtLayout, 0)},
    {when(own == 9, DtLayout == 1), set(DtLayout, 0)},
    {when(own == 10, DtLayout == 1), set(DtLayout, 0)},
    {when(own == 11, DtLayout == 1), set(DtLayout, 0)},
    {when(own == 12, DtLayout == 1), set(DtLayout, 0)},
    {when(own == 1, DtLayout == 3), set(DtLayout, 0)},
    {when(own == 2, DtLayout == 3), set(DtLayout, 0)},
    {when(own == 3, DtLayout == 3), set(DtLayout, 0)},
    {when(own == 4, DtLayout == 3), set(DtLayout, 0)},
    {when(own == 5, DtLayout == 3), set(DtLayout, 0)},
    {when(own == 6, DtLayout == 3), set(DtLayout, 0)},
    {when(own == 7, DtLayout == 3), set(DtLayout, 0)},
    {when(own == 8, DtLayout == 3), set(DtLayout, 0)},
    {when(own == 9, DtLayout == 3), set(DtLayout, 0)},
    {when(own == 10, DtLayout == 3), set(DtLayout, 0)},
    {when(own == 11, DtLayout == 3), set(DtLayout, 0)},
    {when(own == 12, DtLayout == 3), set(DtLayout, 0)},
    {when(own == 1, DtLayout == 4), set(DtLayout, 0)},
    {when(own == 2, DtLayout == 4), set(DtLayout, 0)},
    {when(own == 3, DtLayout == 4), set(DtLayout, 0)},
    {when(own == 4, DtLayout == 4), set(DtLayout, 0)},
    {when(own == 5, DtLayout == 4), set(DtLayout, 0)},
    {when(own == 6, DtLayout == 4), set(DtLayout, 0)},
    {when(own == 7, DtLayout == 4), set(DtLayout, 0)},
    {when(own == 8, DtLayout == 4), set(DtLayout, 0)},
    {when(own == 9, DtLayout == 4), set(DtLayout, 0)},
    {when(own == 10, DtLayout == 4), set(DtLayout, 0)},
    {when(own == 11, DtLayout == 4), set(DtLayout, 0)},
    {when(own == 12, DtLayout == 4), set(DtLayout, 0)},
    {when(own == 1, DtLayout == 5), set(DtLayout, 0)},
    {when(own == 2, DtLayout == 5), set(DtLayout, 0)},
    {when(own == 3, DtLayout == 5), set(DtLayout, 0)},
    {when(own == 4, DtLayout == 5), set(DtLayout, 0)},
    {when(own == 5, DtLayout == 5), set(DtLayout, 0)},
    {when(own == 6, DtLayout == 5), set(DtLayout, 0)},
    {when(own == 7, DtLayout == 5), set(DtLayout, 0)},
    {when(own == 8, DtLayout == 5), set(DtLayout, 0)},
    {when(own == 9, DtLayout == 5), set(DtLayout, 0)},
    {when(own == 10, DtLayout == 5), set(DtLayout, 0)},
    {when(own == 11, DtLayout == 5), set(DtLayout, 0)},
    {when(own == 12, DtLayout == 5), set(DtLayout, 0)},
    {when(own == 1, DtLayout == 6), set(DtLayout, 0)},
    {when(own == 2, DtLayout == 6), set(DtLayout, 0)},
    {when(own == 1, DtLayout == 7), set(DtLayout, 0)},
    {when(own == 2, DtLayout == 7), set(DtLayout, 0)},
    {when(own == 1, DtLayout == 8), set(DtLayout, 0)},
    {when(own == 2, DtLayout == 8), set(DtLayout, 0)},
    {when(own == 1, DtLayout == 9), set(DtLayout, 0)},
    {when(own == 2, DtLayout == 9), set(DtLayout, 0)},
    {when(own == 3, DtLayout == 6), set(DtLayout, 0)},
    {when(own == 4, DtLayout == 6), set(DtLayout, 0)},
    {when(own == 3, DtLayout == 7), set(DtLayout, 0)},
    {when(own == 4, DtLayout == 7), set(DtLayout, 0)},
    {when(own == 3, DtLayout == 8), set(DtLayout, 0)},
    {when(own == 4, DtLayout == 8), set(DtLayout, 0)},
    {when(own == 3, DtLayout == 9), set(DtLayout, 0)},
    {when(own == 4, DtLayout == 9), set(DtLayout, 0)},
    {when(own == 5, DtLayout == 6), set(DtLayout, 0)},
    {when(own == 6, DtLayout == 6), set(DtLayout, 0)},
    {when(own == 5, DtLayout == 7), set(DtLayout, 0)},
    {when(own == 6, DtLayout == 7), set(DtLayout, 0)},
    {when(own == 5, DtLayout == 8), set(DtLayout, 0)},
    {when(own == 6, DtLayout == 8), set(DtLayout, 0)},
    {when(own == 5, DtLayout == 9), set(DtLayout, 0)},
    {when(own == 6, DtLayout == 9), set(DtLayout, 0)},
    {when(own == 7, DtLayout == 6), set(DtLayout, 0)},
    {when(own == 8, DtLayout == 6), set(DtLayout, 0)},
    {when(own == 7, DtLayout == 7), set(DtLayout, 0)},
    {when(own == 8, DtLayout == 7), set(DtLayout, 0)},
    {when(own == 7, DtLayout == 8), set(DtLayout, 0)},
    {when(own == 8, DtLayout == 8), set(DtLayout, 0)},
    {when(own == 7, DtLayout == 9), set(DtLayout, 0)},
    {when(own == 8, DtLayout == 9), set(DtLayout, 0)},
    {when(own == 9, DtLayout == 6), set(DtLayout, 0)},
    {when(own == 10, DtLayout == 6), set(DtLayout, 0)},
    {when(own == 9, DtLayout == 7), set(DtLayout, 0)},
    {when(own == 10, DtLayout == 7), set(DtLayout, 0)},
    {when(own == 9, DtLayout == 8), set(DtLayout, 0)},
    {when(own == 10, DtLayout == 8), set(DtLayout, 0)},
    {when(own == 9, DtLayout == 9), set(DtLayout, 0)},
    {when(own == 10, DtLayout == 9), set(DtLayout, 0)},
    {when(own == 11, DtLayout == 6), set(DtLayout, 0)},
    {when(own == 12, DtLayout == 6), set(DtLayout, 0)},
    {when(own == 11, DtLayout == 7), set(DtLayout, 0)},
    {when(own == 12, DtLayout == 7), set(DtLayout, 0)},
    {when(own == 11, DtLayout == 8), set(DtLayout, 0)},
    {when(own == 12, DtLayout == 8), set(DtLayout, 0)},
    {when(own == 11, DtLayout == 9), set(DtLayout, 0)},
    {when(own == 12, DtLayout == 9), set(DtLayout, 0)},
    {when(), runStep<resolvePaperRules>()},
});
static_assert(nUpCountRules.size() == 108 + 1);

}  // namespace

void setNUpCount(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtNUpCount, value, change, nUpCountRules);
}

}  // namespace pd
