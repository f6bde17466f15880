// Groups of rows that several rule tables share, each in the order the tables test them: the rows
// of a table written as one line per combination of the setter's values and a member's values,
// the sheet rules, with which a setting that is on reacts when its finishing feature refuses the
// printed sheet (alone, or with another setting giving way before a target paper is sought), the
// rows that turn every staple, every punch choice or both post-inserter covers off, and the
// binding edge that adhesive binding and booklets take from the orientation. Included by the
// units that hold tables.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/catalog/choice_values.h"
#include "core/catalog/page_geometry.h"
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
consteval std::array<RuleRow, 3> sheetRules(const RuleCondition& on, PaperFeature feature,
                                            Derivation search = standardTargetPaperSize) {
    using enum MemberId;
    return {{
        {withTests(on, DtFeedDir != feedDirectionAuto, is(sheetRefused, feature),
                   is(feedDirectionOffHelps, feature)),
         set(DtFeedDir, feedDirectionAuto), RuleKind::write},
        {withTests(on, DtFeedDir == feedDirectionAuto, is(sheetRefused, feature),
                   is(finishingSideHelps, feature)),
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
consteval std::array<RuleRow, 4> sheetRulesGivingWay(const RuleCondition& on, PaperFeature feature,
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

// The templates below are constexpr, as clang 14 does not evaluate a consteval template that
// another one calls; they serve constant initialisers only.

// While on holds, one row for each of values in their order: a field holding the value is set to
// newValue unless it is being set.
template <std::size_t N>
constexpr std::array<RuleRow, N> fieldRows(const RuleCondition& on, MemberId field,
                                           const std::int64_t (&values)[N], std::int64_t newValue,
                                           RuleGate gate = RuleGate::none) {
    std::array<RuleRow, N> rows{};
    for (std::size_t i = 0; i < N; ++i)
        rows[i] = {withTests(on, field == values[i]), set(field, newValue), RuleKind::yields, gate};
    return rows;
}

// The rows of fieldRows for each of owns in turn, while the setter's own member holds it and the
// tests of also hold: one line of a table that gives, for several values of the setter, the
// values of a member that go to newValue.
template <std::size_t Owns, std::size_t N>
constexpr std::array<RuleRow, Owns * N> forEachOwn(const RuleCondition& also,
                                                   const std::int64_t (&owns)[Owns], MemberId field,
                                                   const std::int64_t (&values)[N],
                                                   std::int64_t newValue,
                                                   RuleGate gate = RuleGate::none) {
    std::array<RuleRow, Owns * N> rows{};
    for (std::size_t o = 0; o < Owns; ++o) {
        const std::array<RuleRow, N> ofOwn =
            fieldRows(withTests(also, own == owns[o]), field, values, newValue, gate);
        std::copy(ofOwn.begin(), ofOwn.end(), rows.begin() + o * N);
    }
    return rows;
}
template <std::size_t Owns, std::size_t N>
constexpr std::array<RuleRow, Owns * N> forEachOwn(const std::int64_t (&owns)[Owns], MemberId field,
                                                   const std::int64_t (&values)[N],
                                                   std::int64_t newValue,
                                                   RuleGate gate = RuleGate::none) {
    return forEachOwn(when(), owns, field, values, newValue, gate);
}

// For each of owns in turn, the overriding row: while the setter's own member holds it, field
// goes to newValue also while another setter is setting it, and runs its setter again when it
// already holds newValue then.
template <std::size_t Owns>
constexpr std::array<RuleRow, Owns> overriding(const std::int64_t (&owns)[Owns], MemberId field,
                                               std::int64_t newValue,
                                               RuleGate gate = RuleGate::none) {
    std::array<RuleRow, Owns> rows{};
    for (std::size_t o = 0; o < Owns; ++o)
        rows[o] = {when(own == owns[o]), set(field, newValue), RuleKind::forced, gate};
    return rows;
}

// While on holds, each staple choice goes to None, unless the staple is being set.
consteval std::array<RuleRow, 6> everyStapleOff(const RuleTest& on) {
    return fieldRows(when(on), MemberId::DtStaple,
                     {stapleOneOnBindingSide, stapleOneLeft, stapleOneRight, stapleTwoNarrow,
                      stapleTwoNormal, stapleTwoWide},
                     stapleNone);
}

// While on holds, each tray of the post inserter goes to None as the front cover, then as the
// back cover, unless the cover is being set.
consteval std::array<RuleRow, 4> everyPostInserterCoverOff(const RuleTest& on) {
    using enum MemberId;
    return joined(fieldRows(when(on), DtPIFrontCoverTray, {postInserterTray1, postInserterTray2},
                            postInserterTrayNone),
                  fieldRows(when(on), DtPIBackCoverTray, {postInserterTray1, postInserterTray2},
                            postInserterTrayNone));
}

// While on holds, each punch choice goes to None, unless the punch is being set.
consteval std::array<RuleRow, 4> everyPunchOff(const RuleTest& on) {
    return fieldRows(when(on), MemberId::DtPunch,
                     {punchTwoHoles, punchThreeHoles, punchFourHoles, punchStreampunch}, punchNone);
}

// Adhesive binding and booklets bind at a side in portrait and at the top in landscape: a binding
// that does not suit the orientation goes to the finishing side, unless it is being set. The layout
// and the orientation are each the value given to the setter or a member of the record.
consteval std::array<RuleRow, 4> bookletBindingRules(Operand layout, Operand orientation) {
    using enum MemberId;
    return {{
        {when(layout == layoutAdhesiveBinding, orientation == orientationPortrait,
              DtBinding == bindingTop),
         set(DtBinding, derived(finishingSideOf))},
        {when(layout == layoutAdhesiveBinding, orientation == orientationLandscape,
              DtBinding != bindingTop),
         set(DtBinding, derived(finishingSideOf))},
        {when(layout == layoutBooklet, orientation == orientationPortrait, DtBinding == bindingTop),
         set(DtBinding, derived(finishingSideOf))},
        {when(layout == layoutBooklet, orientation == orientationLandscape,
              DtBinding != bindingTop),
         set(DtBinding, derived(finishingSideOf))},
    }};
}

}  // namespace pd
