// The setters of the main paper's media type and weight. Each first lets the finishing settings
// meet the changed media of the Auto source; then book and rough paper (types 3 and 4) and the
// weights Thick5 to Thick7 (8 to 10) exclude each other: whichever is set second wins.
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

constexpr auto mediaTypeAutoRules = ruleTable({
    {when(), runStep(RuleStep::resolveSlotMediaRules)},
    {when(own == 3, DtMediaWeightAuto == 8), set(DtMediaWeightAuto, 0)},
    {when(own == 3, DtMediaWeightAuto == 9), set(DtMediaWeightAuto, 0)},
    {when(own == 3, DtMediaWeightAuto == 10), set(DtMediaWeightAuto, 0)},
    {when(own == 4, DtMediaWeightAuto == 8), set(DtMediaWeightAuto, 0)},
    {when(own == 4, DtMediaWeightAuto == 9), set(DtMediaWeightAuto, 0)},
    {when(own == 4, DtMediaWeightAuto == 10), set(DtMediaWeightAuto, 0)},
});

constexpr auto mediaWeightAutoRules = ruleTable({
    {when(), runStep(RuleStep::resolveSlotMediaRules)},
    {when(own == 8, DtMediaTypeAuto == 3), set(DtMediaTypeAuto, 0)},
    {when(own == 9, DtMediaTypeAuto == 3), set(DtMediaTypeAuto, 0)},
    {when(own == 10, DtMediaTypeAuto == 3), set(DtMediaTypeAuto, 0)},
    {when(own == 8, DtMediaTypeAuto == 4), set(DtMediaTypeAuto, 0)},
    {when(own == 9, DtMediaTypeAuto == 4), set(DtMediaTypeAuto, 0)},
    {when(own == 10, DtMediaTypeAuto == 4), set(DtMediaTypeAuto, 0)},
});

}  // namespace

void setMediaTypeAuto(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtMediaTypeAuto, value, change, mediaTypeAutoRules);
}

void setMediaWeightAuto(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtMediaWeightAuto, value, change, mediaWeightAutoRules);
}

}  // namespace pd
