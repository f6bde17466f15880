// The setters of two-sided printing and of fold and staple. One-sided printing drops booklet and
// adhesive binding, chapters and a separate back-side shift. Fold and staple goes only with a
// multi-centre fold, and with a sheet and media that its unit takes. Both settings must suit the
// media of the paper source: when they do not, they give way while the source or its media are
// being changed, and otherwise move the job to the Auto source.
#include "core/rules/row_groups.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

constexpr std::uint32_t duplexMedia = 0;
constexpr std::uint32_t foldAndStaplePaper = 6;
constexpr std::uint32_t foldAndStapleMedia = 10;

constexpr auto duplexRules = ruleTable({
    {when(own == 0, DtLayout == 2), set(DtLayout, 0)},
    {when(own == 0, DtLayout == 1), set(DtLayout, 0)},
    {when(own == 0, DtChapterMode == 1), set(DtChapterMode, 0)},
    {when(own == 0, DtShiftFrontBack == 1), set(DtShiftFrontBack, 0)},
    {when(own == 1), mediaRule(duplexMedia, 0)},
});

// With creases the sheet is not tested.
constexpr auto stitchRules =
    ruleTable(rows({
                  {when(own == 1, DtFold == 0), set(DtFold, 4)},
                  {when(own == 1, DtFold == 1), set(DtFold, 4)},
                  {when(own == 1, DtFold == 2), set(DtFold, 4)},
                  {when(own == 1, DtFold == 3), set(DtFold, 4)},
              }),
              sheetRules(when(own == 1, DtCrease == 0), foldAndStaplePaper),
              rows({{when(own == 1), mediaRule(foldAndStapleMedia, 0)}}));

}  // namespace

void setDuplex(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtDuplex, value, change, duplexRules);
}

void setStitch(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtStitch, value, change, stitchRules);
}

}  // namespace pd
