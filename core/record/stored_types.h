// Storage types of the settings record and the page setup record.
//
// Both records are stored formats: packed, with every multi-byte number big-endian on every host.
// Members are therefore byte arrays with accessors, never native integers, so that any member can
// sit at any offset and the whole record can be copied and encoded as plain bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

namespace pd {

// A big-endian integer of sizeof(T) bytes at any alignment.
template <typename T>
struct BigEndian {
    static_assert(std::is_integral_v<T>);
    using value_type = T;
    static constexpr std::size_t size = sizeof(T);

    unsigned char bytes[sizeof(T)];

    constexpr T get() const {
        using U = std::make_unsigned_t<T>;
        U value = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) value = static_cast<U>((value << 8) | bytes[i]);
        return static_cast<T>(value);
    }
    constexpr void set(T value) {
        using U = std::make_unsigned_t<T>;
        U bits = static_cast<U>(value);
        for (std::size_t i = sizeof(T); i-- > 0;) {
            bytes[i] = static_cast<unsigned char>(bits & 0xFF);
            if constexpr (sizeof(T) > 1) bits = static_cast<U>(bits >> 8);
        }
    }
};

using StoredUInt8 = BigEndian<std::uint8_t>;
using StoredUInt16 = BigEndian<std::uint16_t>;
using StoredUInt32 = BigEndian<std::uint32_t>;
using StoredInt32 = BigEndian<std::int32_t>;

// A text of at most N-1 bytes followed by NUL, in N bytes. Every writer keeps the last byte NUL and
// zeroes the bytes after the text, so that members holding the same text are byte-for-byte equal.
template <std::size_t N>
struct FixedText {
    static_assert(N > 0);
    static constexpr std::size_t size = N;

    char bytes[N];

    // Copies source (NUL-terminated, or null for empty), cut at N-1 bytes. A null source or one
    // that overlaps this member zeroes the member; assigning a member's own bytes changes nothing.
    void assign(const char* source) {
        if (source == bytes) return;
        const auto begin = reinterpret_cast<std::uintptr_t>(bytes);
        const auto from = reinterpret_cast<std::uintptr_t>(source);
        const bool overlaps = source != nullptr && from < begin + N && begin < from + N;
        if (source == nullptr || overlaps) {
            std::memset(bytes, 0, N);
            return;
        }
        std::size_t length = 0;
        while (length < N - 1 && source[length] != '\0') ++length;
        std::memcpy(bytes, source, length);
        std::memset(bytes + length, 0, N - length);
    }

    // The text up to the first NUL, never beyond the member.
    std::string_view view() const {
        std::size_t length = 0;
        while (length < N && bytes[length] != '\0') ++length;
        return {bytes, length};
    }

    bool isTerminated() const { return bytes[N - 1] == '\0'; }
};

// N bytes with an inner format of their own (page lists, relay-server settings).
template <std::size_t N>
struct ByteBlock {
    static constexpr std::size_t size = N;
    unsigned char bytes[N];
};

}  // namespace pd
