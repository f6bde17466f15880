// The measurement system and the default paper of this process, each asked once and then kept
// for the life of the process: a later change of the user's locale is not seen.
#pragma once

#include <cstdint>

namespace pd {

// 1 when the user measures in other than metric units, 0 when in metric units or when the system
// gives no answer. The filter always answers 0 (see `useFilterMeasurementSystem`).
std::uint32_t localeIsNonMetric();

// The paper id of the default paper: "Letter" (17) where `localeIsNonMetric` is 1, else "A4" (1).
std::uint32_t defaultPaperId();

}  // namespace pd
