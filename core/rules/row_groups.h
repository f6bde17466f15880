// Groups of rows that several rule tables share, each in the order the tables test them: the sheet
// rules, with which a setting that is on reacts when its finishing feature refuses the printed
// sheet (alone, or with another setting giving way before a target paper is sought), and the rows
// that turn every staple or every punch choice off. Included by the units that hold tables.
#pragma once

#include <array>
#include <cstdint>

#include "core/record/member_id.h"
#include "core/rules/rule_derivations.h"
#include "core/rules/rule_rows.h"
#include "core/rules/rule_table.h"

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

// The sheet rules with one more row between the binding and the target paper: while on holds and
// the feature still refuses the sheet, the member giving (a setter's member, or one that is
// written directly) goes to 0 unless that would change the printed sheet, as changesSheet (a
// probe on a copy) answers. A Z-folded sheet that stapling refuses lets the fold give way this
// way before it gets a target paper.
consteval std::array<RuleRow, 4> sheetRulesGivingWay(const RuleCondition& on, std::uint32_t feature,
                                                     MemberId giving, Derivation changesSheet) {
    const std::array<RuleRow, 3> sheet = sheetRules(on, feature);
    const RuleKind kind = isWrittenDirectly(giving) ? RuleKind::write : RuleKind::yields;
    return {{
        sheet[0],
        sheet[1],
        {withTests(on, is(sheetRefused, feature), isNot(changesSheet)), set(giving, 0), kind},
        sheet[2],
    }};
}

// While on holds, each staple choice (3, 1, 2, 6, 5, 4) goes to None, unless the staple is being
// set.
consteval std::array<RuleRow, 6> everyStapleOff(const RuleTest& on) {
    using enum MemberId;
    return {{
        {when(on, DtStaple == 3), set(DtStaple, 0)},
        {when(on, DtStaple == 1), set(DtStaple, 0)},
        {when(on, DtStaple == 2), set(DtStaple, 0)},
        {when(on, DtStaple == 6), set(DtStaple, 0)},
        {when(on, DtStaple == 5), set(DtStaple, 0)},
        {when(on, DtStaple == 4), set(DtStaple, 0)},
    }};
}

// While on holds, each punch choice 1 to 4 goes to None, unless the punch is being set.
consteval std::array<RuleRow, 4> everyPunchOff(const RuleTest& on) {
    using enum MemberId;
    return {{
        {when(on, DtPunch == 1), set(DtPunch, 0)},
        {when(on, DtPunch == 2), set(DtPunch, 0)},
        {when(on, DtPunch == 3), set(DtPunch, 0)},
        {when(on, DtPunch == 4), set(DtPunch, 0)},
    }};
}

}  // namespace pd
