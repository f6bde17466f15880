// The setters of the main paper's media type and weight. Each first lets the finishing settings
// meet the changed media of the Auto source; then book and rough paper (types 3 and 4) and the
// weights Thick5 to Thick7 (8 to 10) exclude each other: whichever is set second wins.
#include "core/catalog/choice_values.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

constexpr auto mediaTypeAutoRules = ruleTable({
    {when(), runStep(RuleStep::resolveSlotMediaRules)},
    {when(own == mediaTypeBook, DtMediaWeightAuto == mediaWeightThick5),
     set(DtMediaWeightAuto, mediaWeightNoSet)},
    {when(own == mediaTypeBook, DtMediaWeightAuto == mediaWeightThick6),
     set(DtMediaWeightAuto, mediaWeightNoSet)},
    {when(own == mediaTypeBook, DtMediaWeightAuto == mediaWeightThick7),
     set(DtMediaWeightAuto, mediaWeightNoSet)},
    {when(own == mediaTypeRough, DtMediaWeightAuto == mediaWeightThick5),
     set(DtMediaWeightAuto, mediaWeightNoSet)},
    {when(own == mediaTypeRough, DtMediaWeightAuto == mediaWeightThick6),
     set(DtMediaWeightAuto, mediaWeightNoSet)},
    {when(own == mediaTypeRough, DtMediaWeightAuto == mediaWeightThick7),
     set(DtMediaWeightAuto, mediaWeightNoSet)},
});

constexpr auto mediaWeightAutoRules = ruleTable({
    {when(), runStep(RuleStep::resolveSlotMediaRules)},
    {when(own == mediaWeightThick5, DtMediaTypeAuto == mediaTypeBook),
     set(DtMediaTypeAuto, mediaTypeNoSet)},
    {when(own == mediaWeightThick6, DtMediaTypeAuto == mediaTypeBook),
     set(DtMediaTypeAuto, mediaTypeNoSet)},
    {when(own == mediaWeightThick7, DtMediaTypeAuto == mediaTypeBook),
     set(DtMediaTypeAuto, mediaTypeNoSet)},
    {when(own == mediaWeightThick5, DtMediaTypeAuto == mediaTypeRough),
     set(DtMediaTypeAuto, mediaTypeNoSet)},
    {when(own == mediaWeightThick6, DtMediaTypeAuto == mediaTypeRough),
     set(DtMediaTypeAuto, mediaTypeNoSet)},
    {when(own == mediaWeightThick7, DtMediaTypeAuto == mediaTypeRough),
     set(DtMediaTypeAuto, mediaTypeNoSet)},
});

}  // namespace

void setMediaTypeAuto(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtMediaTypeAuto, value, change, mediaTypeAutoRules);
}

void setMediaWeightAuto(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtMediaWeightAuto, value, change, mediaWeightAutoRules);
}

}  // namespace pd
