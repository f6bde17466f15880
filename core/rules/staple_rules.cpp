// The setter of stapling. A staple excludes adhesive binding and booklets, the GBCStreampunch
// punching, the multi-letter and multi-centre folds, N-to-1 and face-up output, ring binding, the
// StaplerSub tray, slitting and creasing; a corner staple takes the binding edge it needs (Top for
// 1StapleLeft and 1StapleRight, a side for 1Staple), and no staple means no divided output. A
// sheet that stapling refuses gets another feed direction, binding edge or target paper; a
// Z-folded one may lose its fold instead. Stapling must suit the media of the paper source: when
// it does not, it gives way while the source or its media are being changed, and otherwise moves
// the job to the Auto source.
#include "core/rules/row_groups.h"
#include "core/rules/rule_derivations.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

constexpr std::uint32_t oneStaplePaper = 7;
constexpr std::uint32_t twoStaplesPaper = 8;
constexpr std::uint32_t zFoldStaplePaper = 10;
constexpr std::uint32_t stapleMedia = 6;

// 1Staple off a Top binding goes to the side that the call's value names: Right when it was given
// 1StapleRight (2), else Left; one rule written as two rows by the given value.
constexpr auto stapleExclusions = rows({
    {when(own == 1, DtLayout == 2), set(DtLayout, 0)},
    {when(own == 2, DtLayout == 2), set(DtLayout, 0)},
    {when(own == 3, DtLayout == 2), set(DtLayout, 0)},
    {when(own == 6, DtLayout == 2), set(DtLayout, 0)},
    {when(own == 5, DtLayout == 2), set(DtLayout, 0)},
    {when(own == 4, DtLayout == 2), set(DtLayout, 0)},
    {when(own == 1, DtLayout == 1), set(DtLayout, 0)},
    {when(own == 2, DtLayout == 1), set(DtLayout, 0)},
    {when(own == 3, DtLayout == 1), set(DtLayout, 0)},
    {when(own == 6, DtLayout == 1), set(DtLayout, 0)},
    {when(own == 5, DtLayout == 1), set(DtLayout, 0)},
    {when(own == 4, DtLayout == 1), set(DtLayout, 0)},
    {when(own == 1, DtBinding == 1), set(DtBinding, 2)},
    {when(own == 2, DtBinding == 0), set(DtBinding, 2)},
    {when(own == 3, DtBinding == 2, given == 2), set(DtBinding, 1)},
    {when(own == 3, DtBinding == 2, given != 2), set(DtBinding, 0)},
    {when(own == 0, DtDivideOutput == 1), set(DtDivideOutput, 0)},
    {when(own == 1, DtBinding == 0), set(DtBinding, 2)},
    {when(own == 2, DtBinding == 1), set(DtBinding, 2)},
    {when(own == 6, DtPunch == 4), set(DtPunch, 0)},
    {when(own == 5, DtPunch == 4), set(DtPunch, 0)},
    {when(own == 4, DtPunch == 4), set(DtPunch, 0)},
    {when(own == 3, DtPunch == 4), set(DtPunch, 0)},
    {when(own == 1, DtPunch == 4), set(DtPunch, 0)},
    {when(own == 2, DtPunch == 4), set(DtPunch, 0)},
    {when(own == 3, DtFold == 3), set(DtFold, 0)},
    {when(own == 1, DtFold == 3), set(DtFold, 0)},
    {when(own == 2, DtFold == 3), set(DtFold, 0)},
    {when(own == 6, DtFold == 3), set(DtFold, 0)},
    {when(own == 5, DtFold == 3), set(DtFold, 0)},
    {when(own == 4, DtFold == 3), set(DtFold, 0)},
    {when(own == 3, DtFold == 4), set(DtFold, 0)},
    {when(own == 1, DtFold == 4), set(DtFold, 0)},
    {when(own == 2, DtFold == 4), set(DtFold, 0)},
    {when(own == 6, DtFold == 4), set(DtFold, 0)},
    {when(own == 5, DtFold == 4), set(DtFold, 0)},
    {when(own == 4, DtFold == 4), set(DtFold, 0)},
    {when(own == 3, DtNTo1 == 1), set(DtNTo1, 0)},
    {when(own == 1, DtNTo1 == 1), set(DtNTo1, 0)},
    {when(own == 2, DtNTo1 == 1), set(DtNTo1, 0)},
    {when(own == 6, DtNTo1 == 1), set(DtNTo1, 0)},
    {when(own == 5, DtNTo1 == 1), set(DtNTo1, 0)},
    {when(own == 4, DtNTo1 == 1), set(DtNTo1, 0)},
    {when(own == 3, DtFaceUp == 1), set(DtFaceUp, 0)},
    {when(own == 1, DtFaceUp == 1), set(DtFaceUp, 0)},
    {when(own == 2, DtFaceUp == 1), set(DtFaceUp, 0)},
    {when(own == 6, DtFaceUp == 1), set(DtFaceUp, 0)},
    {when(own == 5, DtFaceUp == 1), set(DtFaceUp, 0)},
    {when(own == 4, DtFaceUp == 1), set(DtFaceUp, 0)},
    {when(own == 3, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == 1, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == 2, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == 6, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == 5, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == 4, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == 3, DtOutputBin == 2), set(DtOutputBin, 0)},
    {when(own == 1, DtOutputBin == 2), set(DtOutputBin, 0)},
    {when(own == 2, DtOutputBin == 2), set(DtOutputBin, 0)},
    {when(own == 6, DtOutputBin == 2), set(DtOutputBin, 0)},
    {when(own == 5, DtOutputBin == 2), set(DtOutputBin, 0)},
    {when(own == 4, DtOutputBin == 2), set(DtOutputBin, 0)},
});

// The sheet rules of a staple: one staple in a corner (1 to 3), or two (4 to 6).
consteval std::array<RuleRow, 3> stapleSheetRules(std::int64_t staple) {
    return sheetRules(when(own == staple), staple <= 3 ? oneStaplePaper : twoStaplesPaper);
}

// The sheet rules of a staple on a Z-folded sheet, with the fold giving way.
consteval std::array<RuleRow, 4> zFoldSheetRules(std::int64_t staple, std::int64_t fold) {
    return sheetRulesGivingWay(when(own == staple, DtFold == fold), zFoldStaplePaper, DtFold,
                               foldOffChangesSheet);
}

constexpr auto slitAndCreaseOff = rows({
    {when(own == 1, DtSlit == 1), set(DtSlit, 0), RuleKind::write},
    {when(own == 2, DtSlit == 1), set(DtSlit, 0), RuleKind::write},
    {when(own == 3, DtSlit == 1), set(DtSlit, 0), RuleKind::write},
    {when(own == 4, DtSlit == 1), set(DtSlit, 0), RuleKind::write},
    {when(own == 5, DtSlit == 1), set(DtSlit, 0), RuleKind::write},
    {when(own == 6, DtSlit == 1), set(DtSlit, 0), RuleKind::write},
    {when(own == 1, DtSlit == 2), set(DtSlit, 0), RuleKind::write},
    {when(own == 2, DtSlit == 2), set(DtSlit, 0), RuleKind::write},
    {when(own == 3, DtSlit == 2), set(DtSlit, 0), RuleKind::write},
    {when(own == 4, DtSlit == 2), set(DtSlit, 0), RuleKind::write},
    {when(own == 5, DtSlit == 2), set(DtSlit, 0), RuleKind::write},
    {when(own == 6, DtSlit == 2), set(DtSlit, 0), RuleKind::write},
    {when(own == 1, DtCrease == 1), set(DtCrease, 0), RuleKind::write},
    {when(own == 2, DtCrease == 1), set(DtCrease, 0), RuleKind::write},
    {when(own == 3, DtCrease == 1), set(DtCrease, 0), RuleKind::write},
    {when(own == 4, DtCrease == 1), set(DtCrease, 0), RuleKind::write},
    {when(own == 5, DtCrease == 1), set(DtCrease, 0), RuleKind::write},
    {when(own == 6, DtCrease == 1), set(DtCrease, 0), RuleKind::write},
    {when(own == 1, DtCrease == 2), set(DtCrease, 0), RuleKind::write},
    {when(own == 2, DtCrease == 2), set(DtCrease, 0), RuleKind::write},
    {when(own == 3, DtCrease == 2), set(DtCrease, 0), RuleKind::write},
    {when(own == 4, DtCrease == 2), set(DtCrease, 0), RuleKind::write},
    {when(own == 5, DtCrease == 2), set(DtCrease, 0), RuleKind::write},
    {when(own == 6, DtCrease == 2), set(DtCrease, 0), RuleKind::write},
    {when(own == 1, DtCrease == 3), set(DtCrease, 0), RuleKind::write},
    {when(own == 2, DtCrease == 3), set(DtCrease, 0), RuleKind::write},
    {when(own == 3, DtCrease == 3), set(DtCrease, 0), RuleKind::write},
    {when(own == 4, DtCrease == 3), set(DtCrease, 0), RuleKind::write},
    {when(own == 5, DtCrease == 3), set(DtCrease, 0), RuleKind::write},
    {when(own == 6, DtCrease == 3), set(DtCrease, 0), RuleKind::write},
    {when(own == 1, DtCrease == 4), set(DtCrease, 0), RuleKind::write},
    {when(own == 2, DtCrease == 4), set(DtCrease, 0), RuleKind::write},
    {when(own == 3, DtCrease == 4), set(DtCrease, 0), RuleKind::write},
    {when(own == 4, DtCrease == 4), set(DtCrease, 0), RuleKind::write},
    {when(own == 5, DtCrease == 4), set(DtCrease, 0), RuleKind::write},
    {when(own == 6, DtCrease == 4), set(DtCrease, 0), RuleKind::write},
});

constexpr auto stapleRules = ruleTable(
    stapleExclusions, stapleSheetRules(3), stapleSheetRules(1), stapleSheetRules(2),
    stapleSheetRules(6), stapleSheetRules(5), stapleSheetRules(4), zFoldSheetRules(3, 1),
    zFoldSheetRules(3, 2), zFoldSheetRules(1, 1), zFoldSheetRules(1, 2), zFoldSheetRules(2, 1),
    zFoldSheetRules(2, 2), zFoldSheetRules(6, 1), zFoldSheetRules(6, 2), zFoldSheetRules(5, 1),
    zFoldSheetRules(5, 2), zFoldSheetRules(4, 1), zFoldSheetRules(4, 2),
    rows({
        {when(own == 3), mediaRule(stapleMedia, 0)},
        {when(own == 1), mediaRule(stapleMedia, 0)},
        {when(own == 2), mediaRule(stapleMedia, 0)},
        {when(own == 6), mediaRule(stapleMedia, 0)},
        {when(own == 5), mediaRule(stapleMedia, 0)},
        {when(own == 4), mediaRule(stapleMedia, 0)},
    }),
    slitAndCreaseOff);
static_assert(stapleExclusions.size() == 61 && slitAndCreaseOff.size() == 36);
static_assert(stapleRules.size() == 169);

}  // namespace

void setStaple(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtStaple, value, change, stapleRules);
}

}  // namespace pd
