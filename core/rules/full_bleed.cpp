#include "core/rules/full_bleed.h"

#include "core/catalog/paper_size.h"
#include "core/rules/rule_derivations.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

// A stored value other than 0 and 1 is left alone.
constexpr auto fullBleedRules = resolverTable({
    {when(DtFullBleed == 0, derived(paperFullBleedClass) == fullBleedForcedOn),
     set(DtFullBleed, 1)},
    {when(DtFullBleed == 1, derived(paperFullBleedClass) == fullBleedForcedOff),
     set(DtFullBleed, 0)},
});

constexpr auto setFullBleedRules = ruleTable({
    {when(), runStep(RuleStep::checkFullBleed)},
});

}  // namespace

void checkFullBleed(PdCoreData& record, ChangeContext& change) {
    applyRules(record, change, fullBleedRules, nullptr);
}

void setFullBleed(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtFullBleed, value, change, setFullBleedRules);
}

}  // namespace pd
