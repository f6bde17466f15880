// Equality of the record members that are not plain numbers: fixed-capacity texts and byte
// blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/record/stored_types.h"

namespace pd {

// Equal when both hold the same text up to and including its NUL; what follows the NUL is not
// looked at. A text without a NUL within its capacity equals nothing, not even an identical one.
bool fixedTextEquals(std::span<const char> a, std::span<const char> b);

template <std::size_t N>
bool fixedTextEquals(const FixedText<N>& a, const FixedText<N>& b) {
    return fixedTextEquals(std::span<const char>(a.bytes), std::span<const char>(b.bytes));
}

// Equal when every byte is the same.
template <std::size_t N>
bool fixedBytesEqual(const ByteBlock<N>& a, const ByteBlock<N>& b) {
    for (std::size_t i = 0; i < N; ++i)
        if (a.bytes[i] != b.bytes[i]) return false;
    return true;
}

// The 16-bit value of two bytes, the first the high one.
constexpr std::uint16_t readBE16(const unsigned char* bytes) {
    return static_cast<std::uint16_t>((bytes[0] << 8) | bytes[1]);
}

}  // namespace pd
