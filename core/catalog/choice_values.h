// Choices of record members that the code tests or sets by name: each value is the index of the
// choice in its option's descriptor.
#pragma once

#include <cstdint>

namespace pd {

// `bindingOption` (DtBinding).
inline constexpr std::uint8_t bindingLeft = 0;
inline constexpr std::uint8_t bindingRight = 1;
inline constexpr std::uint8_t bindingTop = 2;

// `stapleOption` (DtStaple).
inline constexpr std::uint8_t stapleOneLeft = 1;
inline constexpr std::uint8_t stapleOneRight = 2;
// One staple in the corner of the binding edge.
inline constexpr std::uint8_t stapleOneOnBindingSide = 3;

// `tab1PageSizeOption` and `tab2PageSizeOption` (DtTab1PageSize, DtTab2PageSize).
inline constexpr std::uint8_t tabPageSizeA4 = 0;
inline constexpr std::uint8_t tabPageSizeA4Tab15 = 1;
inline constexpr std::uint8_t tabPageSizeLetter = 2;

// `orientationOption` (DtOrientation).
inline constexpr std::uint8_t orientationPortrait = 0;
inline constexpr std::uint8_t orientationLandscape = 1;

}  // namespace pd
