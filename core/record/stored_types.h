// Storage types of the settings record and the page setup record.
//
// Both records are stored formats: packed, with every multi-byte number big-endian on every host.
// Members are therefore byte arrays with accessors, never native integers, so that any member can
// sit at any offset and the whole record can be copied and encoded as plain bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
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

// Assigns source (NUL-terminated, or null for empty) to the text member whose bytes member spans:
// at most member.size()-1 bytes of it, then zeroes up to the end, so the last byte is NUL. The
// source is read only up to its NUL or that limit, and may lie anywhere, inside the member or
// just before it included: the bytes are moved, never taken as lost. Assigning a member's own
// bytes changes nothing.
inline void assignMemberText(std::span<unsigned char> member, const char* source) {
    if (member.empty() || source == reinterpret_cast<const char*>(member.data())) return;
    std::size_t length = 0;
    if (source != nullptr) {
        while (length < member.size() - 1 && source[length] != '\0') ++length;
        std::memmove(member.data(), source, length);
    }
    std::memset(member.data() + length, 0, member.size() - length);
}

// A text of at most N-1 bytes followed by NUL, in N bytes. Every writer keeps the last byte NUL and
// zeroes the bytes after the text, so that members holding the same text are byte-for-byte equal.
template <std::size_t N>
struct FixedText {
    static_assert(N > 0);
    static constexpr std::size_t size = N;

    char bytes[N];

    // Copies source (NUL-terminated, or null for empty), cut at N-1 bytes: assignMemberText.
    void assign(const char* source) {
        assignMemberText(std::span<unsigned char>(reinterpret_cast<unsigned char*>(bytes), N),
                         source);
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
