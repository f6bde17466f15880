#include "core/base/text_conversion.h"

#include <bit>
#include <cstring>

namespace pd {
namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence (RFC 3629) that starts at text, or 0 when the bytes
// there do not form one. Reads no byte past the first one that breaks the sequence, so a NUL
// ends the look-ahead.
std::size_t wellFormedSequenceLength(const unsigned char* text) {
    const unsigned char lead = text[0];
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) secondLow = 0xA0;   // overlong below U+0800
        if (lead == 0xED) secondHigh = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) secondLow = 0x90;   // overlong below U+10000
        if (lead == 0xF4) secondHigh = 0x8F;  // above U+10FFFF
    } else {
        return 0;
    }
    if (text[1] < secondLow || text[1] > secondHigh) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (!isContinuation(text[i])) return 0;
    }
    return length;
}

bool isWellFormedUtf8(const unsigned char* text) {
    while (*text != 0) {
        const std::size_t length = wellFormedSequenceLength(text);
        if (length == 0) return false;
        text += length;
    }
    return true;
}

// Decoding rows of utf8ToUtf32, indexed by the number of leading one bits of the lead byte: a
// complete sequence is accepted when its value exceeds the limit (8 ones: never).
constexpr std::uint32_t acceptAbove[9] = {0,        0,         0x7F,       0x7FF,     0xFFFF,
                                          0x1FFFFF, 0x3FFFFFF, 0x7FFFFFFF, 0xFFFFFFFF};

bool isScalarValue(char32_t unit) {
    return unit <= 0x10FFFF && !(unit >= 0xD800 && unit <= 0xDFFF);
}

}  // namespace

char* copyUtf8Bounded(char* destination, const char* source, std::uint32_t capacity) {
    if (destination == nullptr) return destination;
    if (source == nullptr || capacity == 0) {
        std::memset(destination, 0, capacity);
        return destination;
    }
    const auto* text = reinterpret_cast<const unsigned char*>(source);
    const std::size_t room = capacity - 1;
    std::size_t length = 0;
    if (isWellFormedUtf8(text)) {
        while (length < room && text[length] != 0) {
            const std::size_t sequence = wellFormedSequenceLength(text + length);
            if (length + sequence > room) break;
            std::memcpy(destination + length, text + length, sequence);
            length += sequence;
        }
    } else {
        for (; length < room && text[length] != 0; ++length) {
            destination[length] = text[length] < 0x80 ? static_cast<char>(text[length]) : '?';
        }
    }
    std::memset(destination + length, 0, capacity - length);
    return destination;
}

std::uint32_t utf8ToUtf32(char32_t* output, const char* source, std::uint32_t outputSize) {
    if (source == nullptr || (output == nullptr) != (outputSize == 0)) return 0;
    const bool counting = output == nullptr;
    const auto* text = reinterpret_cast<const unsigned char*>(source);
    std::uint32_t produced = 0;
    // Appends a unit; false when writing and only the terminator's room is left.
    auto emit = [&](char32_t unit) {
        if (!counting) {
            if (outputSize - produced < 2) return false;
            output[produced] = unit;
        }
        ++produced;
        return true;
    };
    std::size_t position = 0;
    bool room = true;
    while (room && text[position] != 0) {
        const unsigned char lead = text[position];
        const int ones = std::countl_one(lead);
        if (ones < 2) {  // ASCII, or a continuation byte where a character should begin
            room = emit(ones == 0 ? char32_t{lead} : U'?');
            ++position;
            continue;
        }
        std::uint32_t value = lead & (0xFFu >> (ones + 1));
        std::size_t consumed = 1;
        while (consumed < static_cast<std::size_t>(ones) &&
               isContinuation(text[position + consumed])) {
            value = (value << 6) + (text[position + consumed] & 0x3F);
            ++consumed;
        }
        if (consumed == static_cast<std::size_t>(ones) && value > acceptAbove[ones]) {
            room = emit(static_cast<char32_t>(value));
            position += consumed;
            continue;
        }
        // One '?' per byte consumed; the byte that broke the sequence begins the next one.
        for (std::size_t i = 0; i < consumed && room; ++i) room = emit(U'?');
        position += consumed;
    }
    if (!counting) output[produced] = 0;
    return produced + 1;
}

std::uint32_t utf32ToUtf8(char* output, const char32_t* source, std::uint32_t outputSize) {
    if (source == nullptr || (output == nullptr) != (outputSize == 0)) return 0;
    const bool counting = output == nullptr;
    std::uint32_t produced = 0;
    for (const char32_t* unit = source; *unit != 0; ++unit) {
        const char32_t value = isScalarValue(*unit) ? *unit : U'?';
        unsigned char bytes[4];
        std::size_t length = 0;
        if (value <= 0x7F) {
            bytes[length++] = static_cast<unsigned char>(value);
        } else if (value <= 0x7FF) {
            bytes[length++] = static_cast<unsigned char>(0xC0 | (value >> 6));
            bytes[length++] = static_cast<unsigned char>(0x80 | (value & 0x3F));
        } else if (value <= 0xFFFF) {
            bytes[length++] = static_cast<unsigned char>(0xE0 | (value >> 12));
            bytes[length++] = static_cast<unsigned char>(0x80 | ((value >> 6) & 0x3F));
            bytes[length++] = static_cast<unsigned char>(0x80 | (value & 0x3F));
        } else {
            bytes[length++] = static_cast<unsigned char>(0xF0 | (value >> 18));
            bytes[length++] = static_cast<unsigned char>(0x80 | ((value >> 12) & 0x3F));
            bytes[length++] = static_cast<unsigned char>(0x80 | ((value >> 6) & 0x3F));
            bytes[length++] = static_cast<unsigned char>(0x80 | (value & 0x3F));
        }
        if (!counting) {
            if (outputSize - produced <= length) break;
            std::memcpy(output + produced, bytes, length);
        }
        produced += static_cast<std::uint32_t>(length);
    }
    if (!counting) output[produced] = '\0';
    return produced + 1;
}

std::string sanitizeIdentifier(const char* text, std::uint32_t maximumLength) {
    if (text == nullptr) return {};
    // Sized once and cut at the end: every start of the filter runs this over the whole catalogue.
    const std::size_t length =
        maximumLength == untilNul ? std::strlen(text) : strnlen(text, maximumLength);
    std::string identifier(length, '\0');
    std::size_t kept = 0;
    for (std::size_t i = 0; i < length; ++i) {
        const int byte = identifierByte(text[i]);
        if (byte >= 0) identifier[kept++] = static_cast<char>(byte);
    }
    identifier.resize(kept);
    return identifier;
}

std::string stringFromBuffer(const char* pointer, std::uint32_t length) {
    if (pointer == nullptr || length == 0) return {};
    if (length == untilNul) return pointer;
    const void* nul = std::memchr(pointer, '\0', length);
    return {pointer, nul != nullptr ? static_cast<const char*>(nul) : pointer + length};
}

}  // namespace pd
