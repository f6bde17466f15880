// A compile-time check that a record type holds no pointer: its constant objects then need no
// relocation at start-up and stay in read-only pages shared between processes.
#pragma once

#include <array>
#include <bit>
#include <cstddef>

namespace pd {

// A bit_cast is a constant expression only for types without pointers, so this does not compile
// into a constant for a type that holds one.
template <typename T>
constexpr bool holdsNoPointer() {
    return (void)std::bit_cast<std::array<std::byte, sizeof(T)>>(T{}), true;
}

}  // namespace pd
