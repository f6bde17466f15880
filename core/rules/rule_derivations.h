// Values that rule rows derive from the record and the change, for the tests and values of rows
// that ask more than a member's value: whether a finishing feature refuses the printed sheet,
// what a what-if probe answers, the binding edge or target paper to move to. None of them
// changes the record or the change; the probes and the search work on copies.
#pragma once

#include <cstdint>

#include "core/record/core_data.h"
#include "core/rules/change_context.h"

namespace pd {

// 1 when the feature (the parameter) refuses the record's printed sheet, else 0.
std::int64_t sheetRefused(const PdCoreData& record, const ChangeContext& change,
                          std::uint32_t feature);

// 1 when the feature accepts the sheet with the feed direction on Auto (`probeFeedDirOff`).
std::int64_t feedDirectionOffHelps(const PdCoreData& record, const ChangeContext& change,
                                   std::uint32_t feature);

// 1 when moving the binding to `finishingSide` changes nothing else and the feature then
// accepts the sheet (`probeBinding`).
std::int64_t finishingSideHelps(const PdCoreData& record, const ChangeContext& change,
                                std::uint32_t feature);

// `finishingSide` of the record.
std::int64_t finishingSideOf(const PdCoreData& record, const ChangeContext& change,
                             std::uint32_t unused);

// 1 while a member that makes the printed sheet is in progress (`isPaperSizeChanged`).
std::int64_t paperSizeChanging(const PdCoreData& record, const ChangeContext& change,
                               std::uint32_t unused);

// The standard target paper size under which the feature accepts the sheet (search kind 1).
std::int64_t standardTargetPaperSize(const PdCoreData& record, const ChangeContext& change,
                                     std::uint32_t feature);

// The wide ("W") target paper size under which the feature accepts the sheet (search kind 2).
std::int64_t wideTargetPaperSize(const PdCoreData& record, const ChangeContext& change,
                                 std::uint32_t feature);

// 1 when switching the fold off (setFold(0) and its rules) changes the printed sheet
// (`probeFold`).
std::int64_t foldOffChangesSheet(const PdCoreData& record, const ChangeContext& change,
                                 std::uint32_t unused);

// 1 when switching the staple off (setStaple(0) and its rules) changes the printed sheet
// (`probeStaple`).
std::int64_t stapleOffChangesSheet(const PdCoreData& record, const ChangeContext& change,
                                   std::uint32_t unused);

// 1 when writing 0 into DtCrease changes the printed sheet (`probeCreaseOff`).
std::int64_t creaseOffChangesSheet(const PdCoreData& record, const ChangeContext& change,
                                   std::uint32_t unused);

}  // namespace pd
