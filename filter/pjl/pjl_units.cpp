#include "filter/pjl/pjl_units.h"

#include "core/base/unit_scale.h"

namespace pd {

// The stored number counts 1/divisor units, the PJL value 1/outputScale units. A zero divisor
// counts as 1; a zero output scale (with a non-zero divisor) makes every PJL value 0.

std::int32_t convertToPjlUnits(std::int32_t value, std::uint32_t outputScale,
                               std::uint32_t divisor) {
    if (outputScale == divisor) return value;
    if (outputScale == 0) return 0;
    return rescaleUnits(value, divisor, outputScale);
}

std::uint32_t convertToPjlUnits(std::uint32_t value, std::uint32_t outputScale,
                                std::uint32_t divisor) {
    if (outputScale == divisor) return value;
    if (outputScale == 0) return 0;
    return rescaleUnits(value, divisor, outputScale);
}

std::int32_t convertFromPjlUnits(std::int32_t value, std::uint32_t outputScale,
                                 std::uint32_t divisor) {
    if (outputScale == divisor) return value;
    if (divisor == 0) return 0;
    return rescaleUnits(value, outputScale, divisor);
}

std::uint32_t convertFromPjlUnits(std::uint32_t value, std::uint32_t outputScale,
                                  std::uint32_t divisor) {
    if (outputScale == divisor) return value;
    if (divisor == 0) return 0;
    return rescaleUnits(value, outputScale, divisor);
}

}  // namespace pd
