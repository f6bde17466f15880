#include "core/base/text_conversion.h"

#include <bit>
#include <cstring>

#include "platform/utf8.h"

namespace pd {
namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
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
    const std::size_t size = std::strlen(source);
    const std::size_t room = capacity - 1;
    std::size_t length = 0;
    if (isWellFormedUtf8(source, size)) {
        while (length < room && length < size) {
            const std::size_t sequence =
                wellFormedUtf8SequenceLength(source + length, size - length);
            if (length + sequence > room) break;
            std::memcpy(destination + length, source + length, sequence);
            length += sequence;
        }
    } else {
        for (; length < room && length < size; ++length) {
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
