// The setter of folding. A fold sets the fold direction that it needs and excludes the finishing
// it cannot be combined with: the multi-letter and multi-centre folds (3, 4) every staple, punch
// and offset, grouped output and the stapler trays; the Z-folds (1, 2) the GBCStreampunch
// punching; every fold ring binding, face-up output and N-to-1 but the multi-letter fold folded
// inside, which needs both and no front cover; the multi-letter fold the back covers; and every
// fold but the multi-centre fold the fold and staple. With the rule flag on a fold also drops the
// layouts it excludes. A sheet that the folder refuses gets another feed direction, binding edge
// or target paper; a stapled Z-fold may lose its staple, a creased multi-centre fold its creases
// instead. The fold must suit the media of the paper source: when it does not, it gives way while
// the source or its media are being changed, and otherwise moves the job to the Auto source.
#include "core/rules/row_groups.h"
#include "core/rules/rule_derivations.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

constexpr std::uint32_t zFoldPaper = 2;
constexpr std::uint32_t multiLetterFoldPaper = 3;
constexpr std::uint32_t multiCenterFoldPaper = 4;
constexpr std::uint32_t creasedMultiCenterFoldPaper = 5;
constexpr std::uint32_t zFoldStaplePaper = 10;
constexpr std::uint32_t zFoldMedia = 7;
constexpr std::uint32_t multiLetterFoldMedia = 8;
constexpr std::uint32_t multiCenterFoldMedia = 9;

// With the rule flag on: the layouts that a fold excludes.
constexpr auto foldLayoutExclusions =
    joined(forEachOwn({1, 2, 3}, DtLayout, {2}, 0, RuleGate::on),
           forEachOwn({1, 2, 3, 4}, DtLayout, {1}, 0, RuleGate::on),
           forEachOwn({3}, DtLayout, {3, 4, 5, 6, 7, 8, 9}, 0, RuleGate::on));

// The settings that depend on the fold, one line per combination of folds and values of a member,
// each expanded fold by fold and value by value.
// clang-format off
constexpr auto foldDependents = joined(
        forEachOwn({4}, DtFoldDirection, {0}, 1),
        forEachOwn({1, 2}, DtFoldDirection, {1}, 0),
        forEachOwn({3, 4}, DtStaple, {3, 1, 2, 6, 5, 4}, 0),
        forEachOwn({3, 4}, DtPunch, {1, 2, 3, 4}, 0),
        forEachOwn({1, 2}, DtPunch, {4}, 0),
        forEachOwn({0, 1, 2, 3}, DtStitch, {1}, 0),
        forEachOwn({1, 2, 3, 4}, DtRingBinding, {1}, 0),
        forEachOwn(when(DtFoldDirection == 1), {3}, DtFaceUp, {1}, 0),
        forEachOwn({4}, DtFaceUp, {1}, 0),
        forEachOwn(when(DtFoldDirection == 0), {3}, DtFaceUp, {0}, 1),
        forEachOwn({1, 2}, DtFaceUp, {1}, 0),
        forEachOwn(when(DtFoldDirection == 0), {3}, DtNTo1, {0}, 1),
        forEachOwn(when(DtFoldDirection == 1), {3}, DtNTo1, {1}, 0),
        forEachOwn({4, 1, 2}, DtNTo1, {1}, 0),
        forEachOwn({3, 4}, DtCollate, {1}, 0),
        forEachOwn({3, 4}, DtOffsetCopies, {1}, 0),
        forEachOwn({3, 4}, DtOffsetPages, {1}, 0),
        forEachOwn(when(DtFoldDirection == 0), {3}, DtFrontCoverTray, {1, 2, 3, 4, 5}, 0),
        forEachOwn(when(DtFoldDirection == 0), {3}, DtPIFrontCoverTray, {1, 2}, 0),
        forEachOwn({3}, DtBackCoverTray, {1, 2, 3, 4, 5}, 0),
        forEachOwn({3}, DtPIBackCoverTray, {1, 2}, 0),
        forEachOwn({3, 4}, DtOutputBin, {1}, 0),
        forEachOwn({3, 4}, DtOutputBin, {2}, 0));
// clang-format on
static_assert(foldLayoutExclusions.size() == 14 && foldDependents.size() == 67);

// The sheet rules of a Z-fold with a staple, with the staple giving way.
consteval std::array<RuleRow, 4> zFoldStapleSheetRules(std::int64_t fold, std::int64_t staple) {
    return sheetRulesGivingWay(when(own == fold, DtStaple == staple), zFoldStaplePaper, DtStaple,
                               stapleOffChangesSheet);
}

// The sheet rules of a multi-centre fold with creases, with the creases giving way.
consteval std::array<RuleRow, 4> creasedSheetRules(std::int64_t crease) {
    return sheetRulesGivingWay(when(own == 4, DtCrease == crease), creasedMultiCenterFoldPaper,
                               DtCrease, creaseOffChangesSheet);
}

// The creases are only ever written with 0, so the multi-centre fold without creases may test
// them at every row as the other groups do.
// clang-format off
constexpr auto foldSheetRules = joined(
        zFoldStapleSheetRules(1, 3),
        zFoldStapleSheetRules(2, 3),
        zFoldStapleSheetRules(1, 1),
        zFoldStapleSheetRules(2, 1),
        zFoldStapleSheetRules(1, 2),
        zFoldStapleSheetRules(2, 2),
        zFoldStapleSheetRules(1, 6),
        zFoldStapleSheetRules(2, 6),
        zFoldStapleSheetRules(1, 5),
        zFoldStapleSheetRules(2, 5),
        zFoldStapleSheetRules(1, 4),
        zFoldStapleSheetRules(2, 4),
        sheetRules(when(own == 1), zFoldPaper),
        sheetRules(when(own == 2), zFoldPaper),
        sheetRules(when(own == 4, DtCrease == 0), multiCenterFoldPaper),
        creasedSheetRules(1),
        creasedSheetRules(2),
        creasedSheetRules(3),
        creasedSheetRules(4),
        sheetRules(when(own == 3), multiLetterFoldPaper));
// clang-format on

constexpr auto foldRules =
    ruleTable(foldLayoutExclusions, foldDependents, foldSheetRules,
              rows({
                  {when(own == 1), mediaRule(zFoldMedia, 0)},
                  {when(own == 2), mediaRule(zFoldMedia, 0)},
                  {when(DtCrease == 0, own == 4), mediaRule(multiCenterFoldMedia, 0)},
                  {when(DtCrease == 0, own == 3), mediaRule(multiLetterFoldMedia, 0)},
              }));
static_assert(foldRules.size() == 14 + 67 + 12 * 4 + 4 * 3 + 4 * 4 + 4);

}  // namespace

void setFold(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtFold, value, change, foldRules);
}

}  // namespace pd
