#include "core/rules/slot_media_rules.h"

#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"

namespace pd {

namespace {

using enum MemberId;

// Media feature numbers: 7 Z-fold, 9 and 8 the multi-centre and multi-letter folds without
// creases, 10 fold and staple, 0 duplex, 6 stapling, 2 to 5 the punch choices, 11 ring binding,
// 1 face-down output. The last check turns face-down output face up instead of off.
constexpr auto slotMediaRules = resolverTable({
    {when(DtFold == 1), slotMediaCheck(7, DtFold, 0)},
    {when(DtFold == 2), slotMediaCheck(7, DtFold, 0)},
    {when(DtCrease == 0, DtFold == 4), slotMediaCheck(9, DtFold, 0)},
    {when(DtCrease == 0, DtFold == 3), slotMediaCheck(8, DtFold, 0)},
    {when(DtStitch == 1), slotMediaCheck(10, DtStitch, 0)},
    {when(DtDuplex == 1), slotMediaCheck(0, DtDuplex, 0)},
    {when(DtStaple == 3), slotMediaCheck(6, DtStaple, 0)},
    {when(DtStaple == 1), slotMediaCheck(6, DtStaple, 0)},
    {when(DtStaple == 2), slotMediaCheck(6, DtStaple, 0)},
    {when(DtStaple == 6), slotMediaCheck(6, DtStaple, 0)},
    {when(DtStaple == 5), slotMediaCheck(6, DtStaple, 0)},
    {when(DtStaple == 4), slotMediaCheck(6, DtStaple, 0)},
    {when(DtPunch == 1), slotMediaCheck(2, DtPunch, 0)},
    {when(DtPunch == 2), slotMediaCheck(3, DtPunch, 0)},
    {when(DtPunch == 3), slotMediaCheck(4, DtPunch, 0)},
    {when(DtPunch == 4), slotMediaCheck(5, DtPunch, 0)},
    {when(DtRingBinding == 1), slotMediaCheck(11, DtRingBinding, 0)},
    {when(DtFaceUp == 0), slotMediaCheck(1, DtFaceUp, 1)},
});
static_assert(slotMediaRules.size() == 18);

}  // namespace

void resolveSlotMediaRules(PdCoreData& record, ChangeContext& change) {
    applyRules(record, change, slotMediaRules, nullptr);
}

}  // namespace pd
