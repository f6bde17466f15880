#include "core/base/base64.h"

#include <array>
#include <cstddef>
#include <cstring>

namespace pd {
namespace {

constexpr char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char pad = '=';

constexpr std::array<std::int8_t, 128> makeDecodeTable() {
    std::array<std::int8_t, 128> table{};
    table.fill(-1);
    for (int i = 0; i < 64; ++i)
        table[static_cast<unsigned char>(alphabet[i])] = static_cast<std::int8_t>(i);
    return table;
}

constexpr std::array<std::int8_t, 128> decodeTable = makeDecodeTable();

// The two letters of every 12-bit value.
constexpr std::array<std::array<char, 2>, 4096> makeLetterPairs() {
    std::array<std::array<char, 2>, 4096> pairs{};
    for (std::size_t i = 0; i < pairs.size(); ++i) pairs[i] = {alphabet[i >> 6], alphabet[i & 63]};
    return pairs;
}

constexpr std::array<std::array<char, 2>, 4096> letterPairs = makeLetterPairs();

// The 6-bit value of c, or -1 when c is not in the alphabet.
int sextet(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x80 ? decodeTable[byte] : -1;
}

bool isAlphabetOrPad(char c) {
    return c == pad || sextet(c) >= 0;
}

bool decode(std::string_view text, unsigned char* output, std::uint32_t limit,
            std::uint32_t& count) {
    const std::size_t length = text.size();
    if (length == 0) return true;
    if (length < 4) return false;
    if (!isAlphabetOrPad(text[length - 1]) || !isAlphabetOrPad(text[length - 2]) ||
        !isAlphabetOrPad(text[length - 3])) {
        // Separators at the end would hide the padding: decode a copy without any of them.
        std::string cleaned;
        cleaned.reserve(length);
        for (const char c : text) {
            if (isAlphabetOrPad(c)) cleaned += c;
        }
        return decode(cleaned, output, limit, count);
    }
    const std::size_t padCount = text[length - 1] != pad ? 0 : text[length - 2] == pad ? 2 : 1;
    const std::size_t dataEnd = length - padCount;

    auto emit = [&](std::uint32_t byte) {
        if (count >= limit) return;
        if (output != nullptr) output[count] = static_cast<unsigned char>(byte);
        ++count;
    };

    std::size_t position = 0;
    while (position < dataEnd) {
        std::uint32_t group = 0;
        bool complete = true;
        for (int i = 0; i < 4; ++i) {
            int value = -1;
            while (value < 0 && position < dataEnd) value = sextet(text[position++]);
            if (value < 0) {
                // Inside the pad region a position stands for a zero value; past the end the
                // group is incomplete.
                if (position >= length) complete = false;
                value = 0;
                ++position;
            }
            group = (group << 6) | static_cast<std::uint32_t>(value);
        }
        if (!complete) return false;
        const bool inPad = position >= dataEnd;
        emit(group >> 16);
        if (!(inPad && padCount == 2)) emit((group >> 8) & 0xFF);
        if (!(inPad && padCount >= 1)) emit(group & 0xFF);
    }
    return true;
}

}  // namespace

std::string base64Encode(const void* data, std::uint32_t length) {
    if (length == 0 || data == nullptr) return {};
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::string text;
    text.reserve((static_cast<std::size_t>(length) + 2) / 3 * 4);
    // Encoded a piece at a time into a small buffer, so that the text is never filled first.
    char piece[1024];
    std::size_t used = 0;
    std::size_t i = 0;
    // Whole groups without the tests that only the last group needs, two letters per table
    // look-up: every job encodes a record and its layout description.
    for (; length - i >= 3; i += 3) {
        const std::uint32_t group = (std::uint32_t{bytes[i]} << 16) |
                                    (std::uint32_t{bytes[i + 1]} << 8) |
                                    std::uint32_t{bytes[i + 2]};
        std::memcpy(piece + used, letterPairs[group >> 12].data(), 2);
        std::memcpy(piece + used + 2, letterPairs[group & 0xFFF].data(), 2);
        used += 4;
        if (used == sizeof piece) {
            text.append(piece, used);
            used = 0;
        }
    }
    const std::size_t remaining = length - i;
    if (remaining > 0) {
        const std::uint32_t group = (std::uint32_t{bytes[i]} << 16) |
                                    (remaining > 1 ? std::uint32_t{bytes[i + 1]} << 8 : 0);
        piece[used] = alphabet[group >> 18];
        piece[used + 1] = alphabet[(group >> 12) & 63];
        piece[used + 2] = remaining > 1 ? alphabet[(group >> 6) & 63] : pad;
        piece[used + 3] = pad;
        used += 4;
    }
    text.append(piece, used);
    return text;
}

bool base64Decode(std::string_view text, unsigned char* output, std::uint32_t outputLimit,
                  std::uint32_t* decodedLength) {
    std::uint32_t localCount = 0;
    std::uint32_t& count = decodedLength != nullptr ? *decodedLength : localCount;
    count = 0;
    return decode(text, output, output != nullptr ? outputLimit : 0xFFFFFFFF, count);
}

}  // namespace pd
