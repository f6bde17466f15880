// A width and a height in whatever unit their user works in.
#pragma once

#include <cstdint>

namespace pd {

struct DimensionPair {
    std::uint32_t width = 0;
    std::uint32_t height = 0;

    constexpr bool isEmpty() const { return width == 0 || height == 0; }
    friend constexpr bool operator==(const DimensionPair&, const DimensionPair&) = default;
};

}  // namespace pd
