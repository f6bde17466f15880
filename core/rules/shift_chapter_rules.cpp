// The setters of the image shift and of chapters. The four shift values stay set only with the
// driver's shift values (image shift type 2); shifting the back side separately needs two-sided
// printing and the driver's values, and switching it off clears the back side's values. Chapters
// need two-sided printing and exclude the booklet, adhesive binding and 2in1 layouts.
#include "core/catalog/choice_values.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

// The shift values have no setter: each is written with 0 when it is not 0, and also while it
// is in progress, which no rule ever marks it.
constexpr auto imageShiftTypeRules = ruleTable({
    {when(own == imageShiftOff, DtShiftFrontBack == 1), set(DtShiftFrontBack, 0)},
    {when(own == imageShiftPrinterSettings, DtShiftFrontBack == 1), set(DtShiftFrontBack, 0)},
    {when(own == imageShiftOff), set(DtHorizontalShift, 0), RuleKind::forced},
    {when(own == imageShiftOff), set(DtVerticalShift, 0), RuleKind::forced},
    {when(own == imageShiftOff), set(DtHorizontalShiftBack, 0), RuleKind::forced},
    {when(own == imageShiftOff), set(DtVerticalShiftBack, 0), RuleKind::forced},
    {when(own == imageShiftPrinterSettings), set(DtHorizontalShift, 0), RuleKind::forced},
    {when(own == imageShiftPrinterSettings), set(DtVerticalShift, 0), RuleKind::forced},
    {when(own == imageShiftPrinterSettings), set(DtHorizontalShiftBack, 0), RuleKind::forced},
    {when(own == imageShiftPrinterSettings), set(DtVerticalShiftBack, 0), RuleKind::forced},
});

constexpr auto shiftFrontBackRules = ruleTable({
    {when(own == 1, DtDuplex == 0), set(DtDuplex, 1)},
    {when(own == 1, DtImageShiftType == imageShiftOff),
     set(DtImageShiftType, imageShiftDriverSettings)},
    {when(own == 1, DtImageShiftType == imageShiftPrinterSettings),
     set(DtImageShiftType, imageShiftDriverSettings)},
    {when(own == 0), set(DtHorizontalShiftBack, 0), RuleKind::forced},
    {when(own == 0), set(DtVerticalShiftBack, 0), RuleKind::forced},
});

constexpr auto chapterModeRules = ruleTable({
    {when(own == 1, DtLayout == layoutBooklet), set(DtLayout, layoutNone), RuleKind::yields,
     RuleGate::off},
    {when(own == 1, DtLayout == layoutAdhesiveBinding), set(DtLayout, layoutNone), RuleKind::yields,
     RuleGate::off},
    {when(own == 1, DtLayout == layoutTwoInOne), set(DtLayout, layoutNone)},
    {when(own == 1, DtLayout == layoutTwoInOneReverse), set(DtLayout, layoutNone)},
    {when(own == 1, DtDuplex == 0), set(DtDuplex, 1)},
});

}  // namespace

void setImageShiftType(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtImageShiftType, value, change, imageShiftTypeRules);
}

void setShiftFrontBack(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtShiftFrontBack, value, change, shiftFrontBackRules);
}

void setChapterMode(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtChapterMode, value, change, chapterModeRules);
}

}  // namespace pd
