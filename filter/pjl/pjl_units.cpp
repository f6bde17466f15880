#include "filter/pjl/pjl_units.h"

#include <numeric>
#include <type_traits>

namespace pd {
namespace {

// value * factor / divisor with the ratio reduced first; a zero divisor counts as 1. A shrinking
// ratio rounds half away from zero; a growing one truncates toward zero.
template <typename Wide>
Wide rescale(Wide value, std::uint32_t factor, std::uint32_t divisor) {
    const std::uint32_t nonZeroDivisor = divisor == 0 ? 1 : divisor;
    const std::uint32_t common = std::gcd(nonZeroDivisor, factor);
    const Wide scale = factor / common;
    const Wide reduced = nonZeroDivisor / common;
    Wide product = value * scale;
    if (scale < reduced) {
        const Wide half = reduced / 2;
        if constexpr (std::is_signed_v<Wide>) {
            product += value < 0 ? -half : half;
        } else {
            product += half;
        }
    }
    return product / reduced;
}

}  // namespace

std::int32_t convertToPjlUnits(std::int32_t value, std::uint32_t outputScale,
                               std::uint32_t divisor) {
    if (outputScale == divisor) return value;
    return static_cast<std::int32_t>(rescale<std::int64_t>(value, outputScale, divisor));
}

std::uint32_t convertToPjlUnits(std::uint32_t value, std::uint32_t outputScale,
                                std::uint32_t divisor) {
    if (outputScale == divisor) return value;
    return static_cast<std::uint32_t>(rescale<std::uint64_t>(value, outputScale, divisor));
}

std::int32_t convertFromPjlUnits(std::int32_t value, std::uint32_t outputScale,
                                 std::uint32_t divisor) {
    if (outputScale == divisor) return value;
    return static_cast<std::int32_t>(rescale<std::int64_t>(value, divisor, outputScale));
}

std::uint32_t convertFromPjlUnits(std::uint32_t value, std::uint32_t outputScale,
                                  std::uint32_t divisor) {
    if (outputScale == divisor) return value;
    return static_cast<std::uint32_t>(rescale<std::uint64_t>(value, divisor, outputScale));
}

}  // namespace pd
