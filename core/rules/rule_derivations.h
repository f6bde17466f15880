// Values that rule rows derive from the record and the change, for the tests and values of rows
// that ask more than a member's value: whether a finishing feature refuses the printed sheet,
// what a what-if probe answers, the binding edge or target paper to move to. None of them
// changes the record or the change; the probes and the search work on copies.
#pragma once

#include <cstdint>

#include "core/record/core_data.h"
#include "core/rules/change_context.h"
#include "core/rules/rule_rows.h"

namespace pd {

// A derivation that names a finishing feature asks about the feature of its operand.
enum class Derivation : std::uint8_t {
    // 1 when the feature refuses the record's printed sheet, else 0.
    sheetRefused,
    // 1 when the feature accepts the sheet with the feed direction on Auto (`probeFeedDirOff`).
    feedDirectionOffHelps,
    // 1 when moving the binding to `finishingSide` changes nothing else and the feature then
    // accepts the sheet (`probeBinding`).
    finishingSideHelps,
    // `finishingSide` of the record.
    finishingSideOf,
    // 1 while a member that makes the printed sheet is in progress (`isPaperSizeChanged`).
    paperSizeChanging,
    // The standard target paper size under which the feature accepts the sheet (search kind 1).
    standardTargetPaperSize,
    // The wide ("W") target paper size under which the feature accepts the sheet (search kind 2).
    wideTargetPaperSize,
    // 1 when switching the fold off (setFold(0) and its rules) changes the printed sheet
    // (`probeFold`).
    foldOffChangesSheet,
    // 1 when switching the staple off (setStaple(0) and its rules) changes the printed sheet
    // (`probeStaple`).
    stapleOffChangesSheet,
    // 1 when writing 0 into DtCrease changes the printed sheet (`probeCreaseOff`).
    creaseOffChangesSheet,
    // The resolution that is not the record's: 1 for 0, else 0.
    otherResolution,
    // The number of entries of the page-specific forms.
    pageFormCount,
    // `fullBleedClass` of the page size and target paper size.
    paperFullBleedClass,
    // 1 for a page size that is neither oversize nor none.
    standardPage,
    // 1 for an oversize ("W") target paper.
    wideTarget,
};

// Tables name derivations as sheetRefused rather than Derivation::sheetRefused.
using enum Derivation;

// The value of the derivation for the record and the change.
std::int64_t derivedValue(Derivation derivation, const PdCoreData& record,
                          const ChangeContext& change, PaperFeature feature);

}  // namespace pd
