#include "core/rules/slot_media_rules.h"

#include "core/catalog/choice_values.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"

namespace pd {

namespace {

using enum MemberId;

// The last check turns face-down output face up instead of off.
constexpr auto slotMediaRules = resolverTable({
    {when(DtFold == foldZFold1), slotMediaCheck(MediaFeature::zFold, DtFold, foldNone)},
    {when(DtFold == foldZFold2), slotMediaCheck(MediaFeature::zFold, DtFold, foldNone)},
    {when(DtCrease == creaseOff, DtFold == foldMultiCenter),
     slotMediaCheck(MediaFeature::multiCenterFold, DtFold, foldNone)},
    {when(DtCrease == creaseOff, DtFold == foldMultiLetter),
     slotMediaCheck(MediaFeature::multiLetterFold, DtFold, foldNone)},
    {when(DtStitch == 1), slotMediaCheck(MediaFeature::foldAndStaple, DtStitch, 0)},
    {when(DtDuplex == 1), slotMediaCheck(MediaFeature::duplex, DtDuplex, 0)},
    {when(DtStaple == stapleOneOnBindingSide),
     slotMediaCheck(MediaFeature::staple, DtStaple, stapleNone)},
    {when(DtStaple == stapleOneLeft), slotMediaCheck(MediaFeature::staple, DtStaple, stapleNone)},
    {when(DtStaple == stapleOneRight), slotMediaCheck(MediaFeature::staple, DtStaple, stapleNone)},
    {when(DtStaple == stapleTwoNarrow), slotMediaCheck(MediaFeature::staple, DtStaple, stapleNone)},
    {when(DtStaple == stapleTwoNormal), slotMediaCheck(MediaFeature::staple, DtStaple, stapleNone)},
    {when(DtStaple == stapleTwoWide), slotMediaCheck(MediaFeature::staple, DtStaple, stapleNone)},
    {when(DtPunch == punchTwoHoles),
     slotMediaCheck(MediaFeature::twoHolePunch, DtPunch, punchNone)},
    {when(DtPunch == punchThreeHoles),
     slotMediaCheck(MediaFeature::threeHolePunch, DtPunch, punchNone)},
    {when(DtPunch == punchFourHoles),
     slotMediaCheck(MediaFeature::fourHolePunch, DtPunch, punchNone)},
    {when(DtPunch == punchStreampunch),
     slotMediaCheck(MediaFeature::streamPunch, DtPunch, punchNone)},
    {when(DtRingBinding == 1), slotMediaCheck(MediaFeature::ringBinding, DtRingBinding, 0)},
    {when(DtFaceUp == 0), slotMediaCheck(MediaFeature::faceDown, DtFaceUp, 1)},
});
static_assert(slotMediaRules.size() == 18);

}  // namespace

void resolveSlotMediaRules(PdCoreData& record, ChangeContext& change) {
    applyRules(record, change, slotMediaRules, nullptr);
}

}  // namespace pd
