// The setters of smoothing, the back cover from a tray, divided output and face-up output.
// Smoothing needs 600 dpi. A back cover from a tray excludes the multi-letter fold and grouped
// output. Divided output needs a staple (2StaplesNormal when there is none) and excludes grouped
// output. Face-up output excludes stapling, punching, ring binding, the Z-folds and the
// multi-centre fold, and folds a multi-letter fold inside; face-down output folds it outside and
// needs media that the face-down path takes.
#include "core/rules/row_groups.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

constexpr std::uint32_t faceDownMedia = 1;

constexpr auto smoothingRules = ruleTable({
    {when(own == 1, DtResolution == 1), set(DtResolution, 0)},
    {when(own == 2, DtResolution == 1), set(DtResolution, 0)},
    {when(own == 3, DtResolution == 1), set(DtResolution, 0)},
});

constexpr auto backCoverTrayRules = ruleTable({
    {when(own == 1, DtFold == 3), set(DtFold, 0)},
    {when(own == 2, DtFold == 3), set(DtFold, 0)},
    {when(own == 3, DtFold == 3), set(DtFold, 0)},
    {when(own == 4, DtFold == 3), set(DtFold, 0)},
    {when(own == 5, DtFold == 3), set(DtFold, 0)},
    {when(own == 1, DtCollate == 1), set(DtCollate, 0)},
    {when(own == 2, DtCollate == 1), set(DtCollate, 0)},
    {when(own == 3, DtCollate == 1), set(DtCollate, 0)},
    {when(own == 4, DtCollate == 1), set(DtCollate, 0)},
    {when(own == 5, DtCollate == 1), set(DtCollate, 0)},
});

static_assert(backCoverTrayRules.size() == 10);

constexpr auto divideOutputRules = ruleTable({
    {when(own == 1, DtStaple == 0), set(DtStaple, 5)},
    {when(own == 1, DtCollate == 1), set(DtCollate, 0)},
});

// Face-down output that the slot's media refuse turns face up while the slot or its media are
// being changed.
constexpr auto faceUpRules =
    ruleTable(everyStapleOff(own == 1), everyPunchOff(own == 1),
              rows({
                  {when(own == 1, DtFold == 3, DtFoldDirection == 1), set(DtFoldDirection, 0)},
                  {when(own == 1, DtFold == 4), set(DtFold, 0)},
                  {when(own == 0, DtFold == 3, DtFoldDirection == 0), set(DtFoldDirection, 1)},
                  {when(own == 1, DtFold == 1), set(DtFold, 0)},
                  {when(own == 1, DtFold == 2), set(DtFold, 0)},
                  {when(own == 1, DtRingBinding == 1), set(DtRingBinding, 0)},
                  {when(own == 0), mediaRule(faceDownMedia, 1)},
              }));
static_assert(faceUpRules.size() == 17);

}  // namespace

void setSmoothing(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtSmoothing, value, change, smoothingRules);
}

void setBackCoverTray(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtBackCoverTray, value, change, backCoverTrayRules);
}

void setDivideOutput(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtDivideOutput, value, change, divideOutputRules);
}

void setFaceUp(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtFaceUp, value, change, faceUpRules);
}

}  // namespace pd
