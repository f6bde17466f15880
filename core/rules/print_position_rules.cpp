// The setter of the image position across the sheet. Left and Right need a sheet that the image
// position's table accepts (a wide "W" paper or a custom size); when it refuses the sheet, the
// feed direction goes to Auto, the binding turns to the other edge, or a wide target paper is
// sought. Middle has no rules.
#include "core/catalog/choice_values.h"
#include "core/rules/row_groups.h"
#include "core/rules/rule_derivations.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

constexpr auto printPositionRules =
    ruleTable(sheetRules(when(own == printPositionLeft), PaperFeature::sideImagePosition,
                         wideTargetPaperSize),
              sheetRules(when(own == printPositionRight), PaperFeature::sideImagePosition,
                         wideTargetPaperSize));
static_assert(printPositionRules.size() == 6);

}  // namespace

void setPrintPosition(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtPrintPosition, value, change, printPositionRules);
}

}  // namespace pd
