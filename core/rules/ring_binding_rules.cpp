// The setter of ring binding. Ring binding excludes adhesive binding and booklets, stapling,
// punching, folding, face-up and N-to-1 output, grouped output, both offsets, the post-inserter
// covers and both stapler trays. The printed side of the first and of the last sheet chooses the
// tables against which the sheet is tested; a sheet that they refuse gets another feed direction,
// binding edge or target paper. Ring binding must suit the media of the paper source: when it
// does not, it gives way while the source or its media are being changed, and otherwise moves the
// job to the Auto source.
#include "core/rules/row_groups.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

// Paper feature numbers by the printed side of the first sheet (inside, outside) and of the last
// sheet (inside, outside), and the media feature number.
constexpr std::uint32_t firstInsidePaper = 16;
constexpr std::uint32_t firstOutsidePaper = 17;
constexpr std::uint32_t lastInsidePaper = 18;
constexpr std::uint32_t lastOutsidePaper = 19;
constexpr std::uint32_t ringBindingMedia = 11;

// The value of the member stays 1 through the sheet rules: it is in progress and no overriding
// rule sets it, so testing it in every row is testing it once.
constexpr auto ringBindingRules =
    ruleTable(rows({
                  {when(own == 1, DtLayout == 2), set(DtLayout, 0)},
                  {when(own == 1, DtLayout == 1), set(DtLayout, 0)},
              }),
              everyStapleOff(own == 1), everyPunchOff(own == 1),
              rows({
                  {when(own == 1, DtFold == 1), set(DtFold, 0)},
                  {when(own == 1, DtFold == 2), set(DtFold, 0)},
                  {when(own == 1, DtFold == 3), set(DtFold, 0)},
                  {when(own == 1, DtFold == 4), set(DtFold, 0)},
                  {when(own == 1, DtFaceUp == 1), set(DtFaceUp, 0)},
                  {when(own == 1, DtNTo1 == 1), set(DtNTo1, 0)},
                  {when(own == 1, DtCollate == 1), set(DtCollate, 0)},
                  {when(own == 1, DtOffsetCopies == 1), set(DtOffsetCopies, 0)},
                  {when(own == 1, DtOffsetPages == 1), set(DtOffsetPages, 0)},
                  {when(own == 1, DtPIFrontCoverTray == 1), set(DtPIFrontCoverTray, 0)},
                  {when(own == 1, DtPIFrontCoverTray == 2), set(DtPIFrontCoverTray, 0)},
                  {when(own == 1, DtPIBackCoverTray == 1), set(DtPIBackCoverTray, 0)},
                  {when(own == 1, DtPIBackCoverTray == 2), set(DtPIBackCoverTray, 0)},
                  {when(own == 1, DtOutputBin == 1), set(DtOutputBin, 0)},
                  {when(own == 1, DtOutputBin == 2), set(DtOutputBin, 0)},
              }),
              sheetRules(when(own == 1, DtPrintedSideFirst == 0), firstInsidePaper),
              sheetRules(when(own == 1, DtPrintedSideLast == 1), lastOutsidePaper),
              sheetRules(when(own == 1, DtPrintedSideFirst == 1), firstOutsidePaper),
              sheetRules(when(own == 1, DtPrintedSideLast == 0), lastInsidePaper),
              rows({{when(own == 1), mediaRule(ringBindingMedia, 0)}}));
static_assert(ringBindingRules.size() == 40);

}  // namespace

void setRingBinding(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtRingBinding, value, change, ringBindingRules);
}

}  // namespace pd
