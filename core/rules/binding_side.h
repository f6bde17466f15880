// Where the binding edge should go when a finishing function, a layout or the paper needs it
// moved. Both functions only read the record.
#pragma once

#include <cstdint>

#include "core/record/core_data.h"

namespace pd {

// `proposeBinding`'s answer when it proposes nothing.
inline constexpr std::uint32_t noBindingProposal = 3;

// The edge on the other axis: Top (2) for a side binding; for any other binding the side that
// the staple corner names (1StapleLeft: 0, 1StapleRight: 1), else Right (1) for a reversed N-up
// order and Left (0) otherwise.
std::uint32_t finishingSide(const PdCoreData& record);

// The edge that suits the page's orientation, whether a layout is set, and the directions in
// which the sheet may be fed; `noBindingProposal` for an orientation other than 0 or 1. A side
// proposal keeps the record's own side when it has one.
std::uint32_t proposeBinding(const PdCoreData& record);

}  // namespace pd
