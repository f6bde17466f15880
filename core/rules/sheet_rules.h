// The sheet rules: the rows with which a setting that is on reacts when its finishing feature
// refuses the printed sheet. Included by the units that hold tables.
#pragma once

#include <array>
#include <cstdint>

#include "core/record/member_id.h"
#include "core/rules/rule_derivations.h"
#include "core/rules/rule_rows.h"

namespace pd {

// While on holds and the feature refuses the sheet, worked out afresh for every row: the feed
// direction goes back to Auto when the feature then accepts the sheet; else, with the feed
// direction on Auto, the binding turns to the finishing side when that alone makes the sheet
// pass; else, unless a member that makes the sheet is being changed, the target paper becomes
// what search finds for the feature (0 included).
consteval std::array<RuleRow, 3> sheetRules(const RuleCondition& on, std::uint32_t feature,
                                            Derivation search = standardTargetPaperSize) {
    using enum MemberId;
    return {{
        {withTests(on, DtFeedDir != 0, is(sheetRefused, feature),
                   is(feedDirectionOffHelps, feature)),
         set(DtFeedDir, 0), RuleKind::write},
        {withTests(on, DtFeedDir == 0, is(sheetRefused, feature), is(finishingSideHelps, feature)),
         set(DtBinding, derived(finishingSideOf))},
        {withTests(on, isNot(paperSizeChanging), is(sheetRefused, feature)),
         set(DtTargetPaperSize, derived(search, feature))},
    }};
}

}  // namespace pd
