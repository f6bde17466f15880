// The setters of the paper and sheet members and of the binding edge.
#include "core/catalog/choice_values.h"
#include "core/catalog/paper_size.h"
#include "core/rules/row_groups.h"
#include "core/rules/rule_derivations.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

// The finishing settings first meet the new slot's media; then, with the slot on Auto (0), the
// sheet must suit the automatic source.
constexpr auto inputSlotRules =
    ruleTable(rows({{when(), runStep(RuleStep::resolveSlotMediaRules)}}),
              sheetRules(when(own == inputSlotAuto), PaperFeature::autoSlot));

constexpr auto sheetSizeRules = ruleTable({
    {when(), runStep(RuleStep::resolvePaperRules)},
    {when(), runStep(RuleStep::checkFullBleed)},
});

// A wide target paper belongs to a standard page; a wide or custom page keeps it.
constexpr auto pageSizeRules = ruleTable({
    {when(), runStep(RuleStep::resolvePaperRules)},
    {when(), runStep(RuleStep::checkFullBleed)},
    {when(is(standardPage), is(wideTarget)), set(DtTargetPaperSize, noTargetPaperSize)},
});

// Portrait takes the left and right variants of the reversed two-up repeat layouts (6, 7),
// landscape the top and bottom ones (8, 9). The binding of adhesive binding and booklets follows
// the orientation given.
constexpr auto orientationRules =
    ruleTable(rows({
                  {when(own == orientationPortrait, DtLayout == layoutRepeatReverseTop),
                   set(DtLayout, layoutRepeatReverseLeft)},
                  {when(own == orientationPortrait, DtLayout == layoutRepeatReverseBottom),
                   set(DtLayout, layoutRepeatReverseRight)},
                  {when(own == orientationLandscape, DtLayout == layoutRepeatReverseLeft),
                   set(DtLayout, layoutRepeatReverseTop)},
                  {when(own == orientationLandscape, DtLayout == layoutRepeatReverseRight),
                   set(DtLayout, layoutRepeatReverseBottom)},
              }),
              bookletBindingRules(valueOf(DtLayout), given),
              rows({{when(), runStep(RuleStep::resolvePaperRules)}}));

// A corner staple (1 left, 2 right) goes only with a top binding (2): with a side binding (0, 1)
// it becomes the plain single staple (3), and the plain single staple with a top binding goes to
// the corner of the binding asked for. The during rows adjust a staple that a setter further out
// is setting.
constexpr auto bindingRules = ruleTable({
    {when(own == bindingLeft, DtStaple == stapleOneLeft), set(DtStaple, stapleOneOnBindingSide)},
    {when(own == bindingRight, DtStaple == stapleOneRight), set(DtStaple, stapleOneOnBindingSide)},
    {when(own == bindingRight, DtStaple == stapleOneLeft), set(DtStaple, stapleOneOnBindingSide)},
    {when(own == bindingLeft, DtStaple == stapleOneRight), set(DtStaple, stapleOneOnBindingSide)},
    {when(own == bindingTop, DtStaple == stapleOneOnBindingSide, given == bindingRight),
     set(DtStaple, stapleOneRight)},
    {when(own == bindingTop, DtStaple == stapleOneOnBindingSide, given != bindingRight),
     set(DtStaple, stapleOneLeft)},
    {when(own == bindingTop, DtStaple == stapleOneOnBindingSide, given == bindingLeft),
     set(DtStaple, stapleOneLeft), RuleKind::during},
    {when(own == bindingTop, DtStaple == stapleOneOnBindingSide, given == bindingRight),
     set(DtStaple, stapleOneRight), RuleKind::during},
    {when(own == bindingLeft, DtStaple == stapleOneLeft), set(DtStaple, stapleOneOnBindingSide),
     RuleKind::during},
    {when(own == bindingRight, DtStaple == stapleOneRight), set(DtStaple, stapleOneOnBindingSide),
     RuleKind::during},
    {when(own == bindingRight, DtStaple == stapleOneLeft), set(DtStaple, stapleOneOnBindingSide),
     RuleKind::during},
    {when(own == bindingLeft, DtStaple == stapleOneRight), set(DtStaple, stapleOneOnBindingSide),
     RuleKind::during},
    {when(), runStep(RuleStep::resolvePaperRules)},
});

}  // namespace

void setInputSlot(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtInputSlot, value, change, inputSlotRules);
}

void setCustomPageSizeWidth(PdCoreData& record, std::uint32_t value, ChangeContext& change) {
    runRuleSetter(record, DtCustomPageSizeWidth, value, change, sheetSizeRules);
}

void setTargetPaperSize(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtTargetPaperSize, value, change, sheetSizeRules);
}

void setPageSize(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtPageSize, value, change, pageSizeRules);
}

void setOrientation(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtOrientation, value, change, orientationRules);
}

void setBinding(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtBinding, value, change, bindingRules);
}

}  // namespace pd
