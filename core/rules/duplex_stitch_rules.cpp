// The setters of two-sided printing and of fold and staple. One-sided printing drops booklet and
// adhesive binding, chapters and a separate back-side shift. Fold and staple goes only with a
// multi-centre fold, and with a sheet and media that its unit takes. Both settings must suit the
// media of the paper source: when they do not, they give way while the source or its media are
// being changed, and otherwise move the job to the Auto source.
#include "core/catalog/choice_values.h"
#include "core/rules/row_groups.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

constexpr auto duplexRules = ruleTable({
    {when(own == 0, DtLayout == layoutBooklet), set(DtLayout, layoutNone)},
    {when(own == 0, DtLayout == layoutAdhesiveBinding), set(DtLayout, layoutNone)},
    {when(own == 0, DtChapterMode == 1), set(DtChapterMode, 0)},
    {when(own == 0, DtShiftFrontBack == 1), set(DtShiftFrontBack, 0)},
    {when(own == 1), mediaRule(MediaFeature::duplex, 0)},
});

// With creases the sheet is not tested.
constexpr auto stitchRules =
    ruleTable(rows({
                  {when(own == 1, DtFold == foldNone), set(DtFold, foldMultiCenter)},
                  {when(own == 1, DtFold == foldZFold1), set(DtFold, foldMultiCenter)},
                  {when(own == 1, DtFold == foldZFold2), set(DtFold, foldMultiCenter)},
                  {when(own == 1, DtFold == foldMultiLetter), set(DtFold, foldMultiCenter)},
              }),
              sheetRules(when(own == 1, DtCrease == creaseOff), PaperFeature::foldAndStaple),
              rows({{when(own == 1), mediaRule(MediaFeature::foldAndStaple, 0)}}));

}  // namespace

void setDuplex(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtDuplex, value, change, duplexRules);
}

void setStitch(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, DtStitch, value, change, stitchRules);
}

}  // namespace pd
