// Exact conversion between a stored number and its PJL value.
//
// A descriptor's PJL output scale S and divisor D say that a stored number v is written as
// v * S / D. Both are reduced by their greatest common divisor first, so exact ratios stay exact;
// a conversion that makes the number smaller rounds half away from zero (half up when unsigned).
// Integer arithmetic only, with 64-bit intermediates; a result is cut to its low 32 bits.
#pragma once

#include <cstdint>

namespace pd {

std::int32_t convertToPjlUnits(std::int32_t value, std::uint32_t outputScale,
                               std::uint32_t divisor);
std::uint32_t convertToPjlUnits(std::uint32_t value, std::uint32_t outputScale,
                                std::uint32_t divisor);

// The reverse: a PJL value back to stored units (v * D / S, rounded the same way).
std::int32_t convertFromPjlUnits(std::int32_t value, std::uint32_t outputScale,
                                 std::uint32_t divisor);
std::uint32_t convertFromPjlUnits(std::uint32_t value, std::uint32_t outputScale,
                                  std::uint32_t divisor);

}  // namespace pd
