// The setters of N-to-1 output, the cover trays and the fold direction. N-to-1 excludes stapling,
// punching, ring binding, the Z-folds, the multi-centre fold and both post-inserter covers. With
// the multi-letter fold (3), folding inside goes with N-to-1 and face-up output and without any
// front cover; folding outside goes without either. Covers from the post inserter exclude ring
// binding and N-to-1; a front cover from a tray turns an inside multi-letter fold outside and
// excludes grouped output.
#include "core/rules/row_groups.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

constexpr auto nTo1Rules =
    ruleTable(everyStapleOff(own == 1), everyPunchOff(own == 1),
              rows({
                  {when(own == 0, DtFold == 3, DtFoldDirection == 0), set(DtFoldDirection, 1)},
                  {when(own == 1, DtFold == 3, DtFoldDirection == 1), set(DtFoldDirection, 0)},
                  {when(own == 1, DtFold == 4), set(DtFold, 0)},
                  {when(own == 1, DtFold == 1), set(DtFold, 0)},
                  {when(own == 1, DtFold == 2), set(DtFold, 0)},
                  {when(own == 1, DtRingBinding == 1), set(DtRingBinding, 0)},
                  {when(own == 1, DtPIFrontCoverTray == 1), set(DtPIFrontCoverTray, 0)},
                  {when(own == 1, DtPIFrontCoverTray == 2), set(DtPIFrontCoverTray, 0)},
                  {when(own == 1, DtPIBackCoverTray == 1), set(DtPIBackCoverTray, 0)},
                  {when(own == 1, DtPIBackCoverTray == 2), set(DtPIBackCoverTray, 0)},
              }));
static_assert(nTo1Rules.size() == 20);

constexpr auto foldDirectionRules = ruleTable({
    {when(own == 0, DtFold == 4), set(DtFold, 0)},
    {when(own == 1, DtFold == 1), set(DtFold, 0)},
    {when(own == 1, DtFold == 2), set(DtFold, 0)},
    {when(own == 1, DtFold == 3, DtFaceUp == 1), set(DtFaceUp, 0)},
    {when(own == 0, DtFold == 3, DtFaceUp == 0), set(DtFaceUp, 1)},
    {when(own == 0, DtFold == 3, DtNTo1 == 0), set(DtNTo1, 1)},
    {when(own == 1, DtFold == 3, DtNTo1 == 1), set(DtNTo1, 0)},
    {when(own == 0, DtFold == 3, DtFrontCoverTray == 1), set(DtFrontCoverTray, 0)},
    {when(own == 0, DtFold == 3, DtFrontCoverTray == 2), set(DtFrontCoverTray, 0)},
    {when(own == 0, DtFold == 3, DtFrontCoverTray == 3), set(DtFrontCoverTray, 0)},
    {when(own == 0, DtFold == 3, DtFrontCoverTray == 4), set(DtFrontCoverTray, 0)},
    {when(own == 0, DtFold == 3, DtFrontCoverTray == 5), set(DtFrontCoverTray, 0)},
    {when(own == 0, DtFold == 3, DtPIFrontCoverTray == 1), set(DtPIFrontCoverTray, 0)},
    {when(own == 0, DtFold == 3, DtPIFrontCoverTray == 2), set(DtPIFrontCoverTray, 0)},
});

constexpr auto piFrontCoverTrayRules = ruleTable({
    {when(own == 1, DtFoldDirection == 0, DtFold == 3), set(DtFold, 0)},
    {when(own == 2, DtFoldDirection == 0, DtFold == 3), set(DtFold, 0)},
    {when(own == 1, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == 2, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == 1, DtNTo1 == 1), set(DtNTo1, 0)},
    {when(own == 2, DtNTo1 == 1), set(DtNTo1, 0)},
});

constexpr auto piBackCoverTrayRules = ruleTable({
    {when(own == 1, DtFold == 3), set(DtFold, 0)},
    {when(own == 2, DtFold == 3), set(DtFold, 0)},
    {when(own == 1, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == 2, DtRingBinding == 1), set(DtRingBinding, 0)},
    {when(own == 1, DtNTo1 == 1), set(DtNTo1, 0)},
    {when(own == 2, DtNTo1 == 1), set(DtNTo1, 0)},
});

constexpr auto frontCoverTrayRules = ruleTable({
    {when(own == 1, DtFold == 3, DtFoldDirection == 0), set(DtFoldDirection, 1)},
    {when(own == 2, DtFold == 3, DtFoldDirection == 0), set(DtFoldDirection, 1)},
    {when(own == 3, DtFold == 3, DtFoldDirection == 0), set(DtFoldDirection, 1)},
    {when(own == 4, DtFold == 3, DtFoldDirection == 0), set(DtFoldDirection, 1)},
    {when(own == 5, DtFold == 3, DtFoldDirection == 0), set(DtFoldDirection, 1)},
    {when(own == 1, DtCollate == 1), set(DtCollate, 0)},
    {when(own == 2, DtCollate == 1), set(DtCollate, 0)},
    {when(own == 3, DtCollate == 1), set(DtCollate, 0)},
    {when(own == 4, DtCollate == 1), set(DtCollate, 0)},
    {when(own == 5, DtCollate == 1), set(DtCollate, 0)},
});

}  // namespace

void setNTo1(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtNTo1, value, change, nTo1Rules);
}

void setFoldDirection(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtFoldDirection, value, change, foldDirectionRules);
}

void setPIFrontCoverTray(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtPIFrontCoverTray, value, change, piFrontCoverTrayRules);
}

void setPIBackCoverTray(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtPIBackCoverTray, value, change, piBackCoverTrayRules);
}

void setFrontCoverTray(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtFrontCoverTray, value, change, frontCoverTrayRules);
}

}  // namespace pd
