// Choices of record members that the code tests or sets by name: each value is the index of the
// choice in its option's descriptor.
#pragma once

#include <cstdint>

namespace pd {

// `layoutOption` (DtLayout).
inline constexpr std::uint8_t layoutAdhesiveBinding = 1;
inline constexpr std::uint8_t layoutBooklet = 2;
inline constexpr std::uint8_t layoutRepeatReverseLeft = 6;
inline constexpr std::uint8_t layoutRepeatReverseBottom = 9;

// `bindingOption` (DtBinding).
inline constexpr std::uint8_t bindingLeft = 0;
inline constexpr std::uint8_t bindingRight = 1;
inline constexpr std::uint8_t bindingTop = 2;

// `stapleOption` (DtStaple).
inline constexpr std::uint8_t stapleOneLeft = 1;
inline constexpr std::uint8_t stapleOneRight = 2;
// One staple in the corner of the binding edge.
inline constexpr std::uint8_t stapleOneOnBindingSide = 3;

// `foldOption` (DtFold).
inline constexpr std::uint8_t foldZFold1 = 1;
inline constexpr std::uint8_t foldZFold2 = 2;
inline constexpr std::uint8_t foldMultiLetter = 3;
inline constexpr std::uint8_t foldMultiCenter = 4;

// `collateOption` (DtCollate).
inline constexpr std::uint8_t collateSort = 0;

// `imageShiftTypeOption` (DtImageShiftType).
inline constexpr std::uint8_t imageShiftDriverSettings = 2;

// `tab1PageSizeOption` and `tab2PageSizeOption` (DtTab1PageSize, DtTab2PageSize).
inline constexpr std::uint8_t tabPageSizeA4 = 0;
inline constexpr std::uint8_t tabPageSizeA4Tab15 = 1;
inline constexpr std::uint8_t tabPageSizeLetter = 2;

// `orientationOption` (DtOrientation).
inline constexpr std::uint8_t orientationPortrait = 0;
inline constexpr std::uint8_t orientationLandscape = 1;

}  // namespace pd
