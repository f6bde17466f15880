// Which sheets the printer's finishing functions and paper paths accept.
//
// A function is named by its PaperFeature; its refusal table lists the papers it cannot handle,
// each in every feed direction or in one. Pure functions over constant data.
#pragma once

#include <cstdint>

#include "core/catalog/page_geometry.h"
#include "core/rules/change_context.h"
#include "core/rules/finishing_features.h"

namespace pd {

// One row of a refusal table.
struct PaperSizeRefusal {
    // The page-size number of the refused paper (37: the custom size); 0 ends the table.
    std::uint32_t pageSizeNumber;
    // 0 refuses the paper in every feed direction; 1 long edge first; 2 short edge first.
    std::uint32_t feed;
    // Size ranges for the custom-size row, in 1/1000 mm.
    std::uint32_t min1;
    std::uint32_t min2;
    std::uint32_t max1;
    std::uint32_t max2;
};

// Values of `paperFeedCapability`: 1 is always set, 4 when the paper may go long edge first,
// 2 when it may go short edge first.
inline constexpr std::uint32_t feedCapabilityAny = 1;
inline constexpr std::uint32_t feedCapabilityShortEdgeOnly = 3;
inline constexpr std::uint32_t feedCapabilityLongEdgeOnly = 5;
inline constexpr std::uint32_t feedCapabilityUnlisted = 7;

// Whether the function accepts the sheet. A value that names no function accepts everything;
// some tables apply only with certain installed units (options may be null).
bool isPaperSizeAllowed(const PageGeometry& sheet, PaperFeature feature,
                        const InstalledOptions* options);

// Whether a custom sheet of width x height (1/1000 mm) fed in feed direction fits the ranges;
// feed direction 0 tries short edge first, then long edge first. A zero length never fits.
bool fitsSizeRange(std::uint32_t min1, std::uint32_t min2, std::uint32_t max1, std::uint32_t max2,
                   std::uint32_t width, std::uint32_t height, std::uint32_t feed);

// The feed directions in which the sheet's paper may travel through the printer.
std::uint32_t paperFeedCapability(const PageGeometry& sheet);

}  // namespace pd
