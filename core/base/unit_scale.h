// Exact conversion of integer lengths between units given as "units per millimetre"
// (10000 in the settings record, 1000 in the paper table, 10 or 1 in printer values).
#pragma once

#include <cstdint>

namespace pd {

// gcd(0, b) is b, gcd(a, 0) is a, gcd(0, 0) is 0.
constexpr std::uint32_t greatestCommonDivisor(std::uint32_t a, std::uint32_t b) {
    while (b != 0) {
        const std::uint32_t remainder = a % b;
        a = b;
        b = remainder;
    }
    return a;
}

// Converts value from `from` to `to` units per millimetre (a unit of 0 counts as 1). The ratio
// is reduced first, so exact ratios stay exact; a conversion to a coarser unit rounds half away
// from zero, one to a finer unit by a non-integral ratio truncates. The result keeps the low 32
// bits of the 64-bit quotient.
constexpr std::uint32_t rescaleUnits(std::uint32_t value, std::uint32_t from, std::uint32_t to) {
    if (from == to) return value;
    if (from == 0) from = 1;
    if (to == 0) to = 1;
    const std::uint32_t divisor = greatestCommonDivisor(from, to);
    const std::uint64_t multiplier = to / divisor;
    const std::uint64_t denominator = from / divisor;
    const std::uint64_t half = multiplier < denominator ? denominator / 2 : 0;
    return static_cast<std::uint32_t>((value * multiplier + half) / denominator);
}

constexpr std::int32_t rescaleUnits(std::int32_t value, std::uint32_t from, std::uint32_t to) {
    if (from == to) return value;
    if (from == 0) from = 1;
    if (to == 0) to = 1;
    const std::uint32_t divisor = greatestCommonDivisor(from, to);
    const std::int64_t multiplier = to / divisor;
    const std::int64_t denominator = from / divisor;
    const std::int64_t half = multiplier < denominator ? denominator / 2 : 0;
    const std::int64_t product = value * multiplier;
    return static_cast<std::int32_t>((product < 0 ? product - half : product + half) / denominator);
}

}  // namespace pd
