// The setters of offset output and of the output tray. Offset by sheets is a variant of offset by
// copies and needs it on; only the count of the variant selected may differ from 1, and a count
// other than 1 selects its variant. Either offset and both stapler trays exclude the multi-letter
// and multi-centre folds and ring binding; the StaplerSub tray (2) also excludes every staple
// and both offsets.
#include "core/catalog/choice_values.h"
#include "core/rules/row_groups.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

// The rows of either offset that is on, after its first row.
constexpr auto offsetExclusions = rows({
    {when(own == 1, DtFold == foldMultiLetter), set(DtFold, foldNone)},
    {when(own == 1, DtFold == foldMultiCenter), set(DtFold, foldNone)},
    {when(own == 1, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == 1, DtOutputBin == outputBinStaplerSub), set(DtOutputBin, outputBinAuto)},
});

constexpr auto offsetCopiesRules =
    ruleTable(rows({{when(own == 0, DtOffsetPages == 1), set(DtOffsetPages, 0)}}), offsetExclusions,
              rows({{when(own == 0), set(DtOffsetCopiesCount, 1), RuleKind::forced}}),
              sheetRules(when(own == 1), PaperFeature::offsetOutput));

constexpr auto offsetPagesRules = ruleTable(
    rows({{when(own == 1, DtOffsetCopies == 0), set(DtOffsetCopies, 1)}}), offsetExclusions,
    rows({
        {when(own != 0), set(DtOffsetCopiesCount, 1), RuleKind::forced},
        {when(own == 0), set(DtOffsetPagesCount, 1), RuleKind::forced},
    }),
    sheetRules(when(own == 1), PaperFeature::offsetOutput));
static_assert(offsetCopiesRules.size() == 9 && offsetPagesRules.size() == 10);

// The forced rows also act while their target is being set.
constexpr auto offsetCopiesCountRules = ruleTable({
    {when(own != 1), set(DtOffsetCopies, 1), RuleKind::forced},
    {when(own != 1), set(DtOffsetPages, 0), RuleKind::forced},
});

constexpr auto offsetPagesCountRules = ruleTable({
    {when(own != 1), set(DtOffsetPages, 1), RuleKind::forced},
    {when(own != 1), set(DtOffsetCopiesCount, 1), RuleKind::forced},
});

// After the staples that StaplerSub (2) cannot take: both stapler trays exclude ring binding and
// the folds 3 and 4, and StaplerSub both offsets.
constexpr auto staplerTrayExclusions = rows({
    {when(own == outputBinStaplerMain, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == outputBinStaplerSub, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == outputBinStaplerMain, DtFold == foldMultiLetter), set(DtFold, foldNone)},
    {when(own == outputBinStaplerMain, DtFold == foldMultiCenter), set(DtFold, foldNone)},
    {when(own == outputBinStaplerSub, DtFold == foldMultiLetter), set(DtFold, foldNone)},
    {when(own == outputBinStaplerSub, DtFold == foldMultiCenter), set(DtFold, foldNone)},
    {when(own == outputBinStaplerSub, DtOffsetCopies == 1), set(DtOffsetCopies, 0)},
    {when(own == outputBinStaplerSub, DtOffsetPages == 1), set(DtOffsetPages, 0)},
});

constexpr auto outputBinRules =
    ruleTable(everyStapleOff(own == outputBinStaplerSub), staplerTrayExclusions);
static_assert(outputBinRules.size() == 14);

}  // namespace

void setOffsetCopies(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtOffsetCopies, value, change, offsetCopiesRules);
}

void setOffsetPages(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtOffsetPages, value, change, offsetPagesRules);
}

void setOffsetCopiesCount(PdCoreData& record, std::uint16_t value, ChangeContext& change) {
    runRuleSetter(record, DtOffsetCopiesCount, value, change, offsetCopiesCountRules);
}

void setOffsetPagesCount(PdCoreData& record, std::uint16_t value, ChangeContext& change) {
    runRuleSetter(record, DtOffsetPagesCount, value, change, offsetPagesCountRules);
}

void setOutputBin(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtOutputBin, value, change, outputBinRules);
}

}  // namespace pd
