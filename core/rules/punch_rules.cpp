// The setter of hole punching. A punch excludes adhesive binding and booklets, the multi-letter
// and multi-centre folds, ring binding, N-to-1 and face-up output; GBCStreampunch (4) also
// excludes every staple and the Z-folds. A sheet that the punch refuses gets another feed
// direction, binding edge or target paper. The punch must suit the media of the paper source:
// when it does not, it gives way while the source or its media are being changed, and otherwise
// moves the job to the Auto source.
#include "core/rules/row_groups.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

// Paper and media feature numbers by punch choice: 2Holes, 3Holes, 4Holes, GBCStreampunch.
constexpr std::uint32_t punchPaper[] = {0, 9, 11, 12, 13};
constexpr std::uint32_t punchMedia[] = {0, 2, 3, 4, 5};

constexpr auto punchRules =
    ruleTable(rows({
                  {when(own == 1, DtLayout == 2), set(DtLayout, 0)},
                  {when(own == 2, DtLayout == 2), set(DtLayout, 0)},
                  {when(own == 3, DtLayout == 2), set(DtLayout, 0)},
                  {when(own == 4, DtLayout == 2), set(DtLayout, 0)},
                  {when(own == 1, DtLayout == 1), set(DtLayout, 0)},
                  {when(own == 2, DtLayout == 1), set(DtLayout, 0)},
                  {when(own == 3, DtLayout == 1), set(DtLayout, 0)},
                  {when(own == 4, DtLayout == 1), set(DtLayout, 0)},
                  {when(own == 4, DtStaple == 5), set(DtStaple, 0)},
                  {when(own == 4, DtStaple == 4), set(DtStaple, 0)},
                  {when(own == 4, DtStaple == 6), set(DtStaple, 0)},
                  {when(own == 4, DtStaple == 3), set(DtStaple, 0)},
                  {when(own == 4, DtStaple == 1), set(DtStaple, 0)},
                  {when(own == 4, DtStaple == 2), set(DtStaple, 0)},
                  {when(own == 1, DtFold == 3), set(DtFold, 0)},
                  {when(own == 2, DtFold == 3), set(DtFold, 0)},
                  {when(own == 3, DtFold == 3), set(DtFold, 0)},
                  {when(own == 4, DtFold == 3), set(DtFold, 0)},
                  {when(own == 1, DtFold == 4), set(DtFold, 0)},
                  {when(own == 2, DtFold == 4), set(DtFold, 0)},
                  {when(own == 3, DtFold == 4), set(DtFold, 0)},
                  {when(own == 4, DtFold == 4), set(DtFold, 0)},
                  {when(own == 4, DtFold == 1), set(DtFold, 0)},
                  {when(own == 4, DtFold == 2), set(DtFold, 0)},
                  {when(own == 1, DtRingBinding == 1), set(DtRingBinding, 0)},
                  {when(own == 2, DtRingBinding == 1), set(DtRingBinding, 0)},
                  {when(own == 3, DtRingBinding == 1), set(DtRingBinding, 0)},
                  {when(own == 4, DtRingBinding == 1), set(DtRingBinding, 0)},
                  {when(own == 1, DtNTo1 == 1), set(DtNTo1, 0)},
                  {when(own == 2, DtNTo1 == 1), set(DtNTo1, 0)},
                  {when(own == 3, DtNTo1 == 1), set(DtNTo1, 0)},
                  {when(own == 4, DtNTo1 == 1), set(DtNTo1, 0)},
                  {when(own == 1, DtFaceUp == 1), set(DtFaceUp, 0)},
                  {when(own == 2, DtFaceUp == 1), set(DtFaceUp, 0)},
                  {when(own == 3, DtFaceUp == 1), set(DtFaceUp, 0)},
                  {when(own == 4, DtFaceUp == 1), set(DtFaceUp, 0)},
              }),
              sheetRules(when(own == 1), punchPaper[1]), sheetRules(when(own == 2), punchPaper[2]),
              sheetRules(when(own == 3), punchPaper[3]), sheetRules(when(own == 4), punchPaper[4]),
              rows({
                  {when(own == 1), mediaRule(punchMedia[1], 0)},
                  {when(own == 2), mediaRule(punchMedia[2], 0)},
                  {when(own == 3), mediaRule(punchMedia[3], 0)},
                  {when(own == 4), mediaRule(punchMedia[4], 0)},
              }));
static_assert(punchRules.size() == 52);

}  // namespace

void setPunch(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtPunch, value, change, punchRules);
}

}  // namespace pd
