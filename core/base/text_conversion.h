// Text conversions shared by the whole core: bounded UTF-8 copies, UTF-8 <-> UTF-32, identifiers
// and texts from counted buffers.
//
// UTF-8 texts are NUL-terminated bytes; UTF-32 texts are char32_t units ended by a zero unit.
// No function here fails other than through its result, and every output stays terminated.
#pragma once

#include <cstdint>
#include <string>

namespace pd {

// Length argument meaning "read up to the text's NUL, no other limit".
inline constexpr std::uint32_t untilNul = 0xFFFFFFFF;

// Copies source into destination (capacity bytes, NUL included) without splitting a UTF-8
// sequence, and zeroes the rest of the destination. A source that is not valid UTF-8 (stray or
// missing continuation bytes, overlong forms, surrogates, code points above U+10FFFF) is copied
// with every byte of 0x80 and above written as '?'. A null source or a capacity of 0 zeroes the
// destination. Returns destination.
char* copyUtf8Bounded(char* destination, const char* source, std::uint32_t capacity);

// Converts UTF-8 to UTF-32. Broken and overlong sequences give one '?' per byte consumed.
// With output null and outputSize 0 it counts; otherwise it writes only units that leave room
// for the terminator. Returns the units produced plus one for the terminator; 0 for a null
// source or a mismatched output/outputSize pair.
std::uint32_t utf8ToUtf32(char32_t* output, const char* source, std::uint32_t outputSize);

// Converts UTF-32 to UTF-8. A unit that is not a Unicode scalar value (a surrogate or above
// U+10FFFF) becomes '?', so the result is always valid UTF-8 without a NUL inside. Counting,
// writing and the result follow utf8ToUtf32, in bytes; a sequence is never split.
std::uint32_t utf32ToUtf8(char* output, const char32_t* source, std::uint32_t outputSize);

// Keeps the ASCII letters (lowered), digits and '_' of the first maximumLength bytes of text
// (stopping at NUL): "Custom-Page Size_2" gives "custompagesize_2". A null text gives "".
std::string sanitizeIdentifier(const char* text, std::uint32_t maximumLength = untilNul);

// What sanitizeIdentifier keeps of one byte: a letter lowered, a digit or '_'; -1 for a byte it
// drops.
constexpr int identifierByte(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A' + 'a';
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_') return c;
    return -1;
}

// The first length bytes at pointer, cut at the first NUL among them; untilNul reads a
// NUL-terminated text. A null pointer or a length of 0 gives "".
std::string stringFromBuffer(const char* pointer, std::uint32_t length);

}  // namespace pd
