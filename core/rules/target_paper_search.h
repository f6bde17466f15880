// The search for a target paper size on which a finishing feature accepts the printed sheet.
// It only reads: every trial runs on a copy of the record in a nested change that is discarded.
#pragma once

#include <cstdint>

#include "core/record/core_data.h"
#include "core/rules/change_context.h"
#include "core/rules/finishing_features.h"

namespace pd {

// Search kinds of `findTargetPaperSize`.
inline constexpr std::uint32_t standardSizeSearch = 1;
inline constexpr std::uint32_t wideSizeSearch = 2;

// A value for DtTargetPaperSize under which the feature accepts the sheet: 0 when no target is
// needed. Kind 1 tries 0 and the region's small and large standard sizes, own region first, and
// falls back to the own small size; kind 2 searches the wide sizes with `findTargetPaperSizeA`.
// The caller stores the answer with setTargetPaperSize, 0 included.
std::uint32_t findTargetPaperSize(const PdCoreData& record, const ChangeContext& change,
                                  std::uint32_t searchKind, PaperFeature feature);

// Tries 0, c1 to c5, then the wide sizes 23, 24, 25, 26, 27 and 31, and answers the first that
// passes; c1 when none does.
std::uint32_t findTargetPaperSizeA(const PdCoreData& record, const ChangeContext& change,
                                   PaperFeature feature, std::uint32_t c1, std::uint32_t c2,
                                   std::uint32_t c3, std::uint32_t c4, std::uint32_t c5);

}  // namespace pd
