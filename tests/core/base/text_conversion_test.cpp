#include "core/base/text_conversion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pd {
namespace {

std::string bytes(std::initializer_list<unsigned char> list) {
    return std::string(list.begin(), list.end());
}

std::string copied(const std::string& source, std::uint32_t capacity) {
    std::string destination(capacity, '\x55');
    copyUtf8Bounded(destination.data(), source.c_str(), capacity);
    return destination;
}

TEST(CopyUtf8Bounded, KeepsSequencesWholeAndZeroesTheRest) {
    struct Case {
        std::string source;
        std::uint32_t capacity;
        std::string expected;
    };
    const Case cases[] = {
        {bytes({0x61, 0xC3, 0xA9, 0xE2, 0x82, 0xAC}), 4, bytes({0x61, 0xC3, 0xA9, 0})},
        {bytes({0x61, 0xC3, 0xA9, 0xE2, 0x82, 0xAC}), 3, bytes({0x61, 0, 0})},
        {bytes({0x61, 0xC3, 0xA9, 0xE2, 0x82, 0xAC}), 7,
         bytes({0x61, 0xC3, 0xA9, 0xE2, 0x82, 0xAC, 0})},
        {"anything", 1, bytes({0})},
        {"ab", 5, bytes({'a', 'b', 0, 0, 0})},
        // Invalid texts: every byte of 0x80 and above becomes '?'.
        {bytes({0x61, 0xC0, 0x80, 0x62}), 8, bytes({0x61, '?', '?', 0x62, 0, 0, 0, 0})},
        {bytes({0xC3, 0xA9, 0x80}), 4, bytes({'?', '?', '?', 0})},  // stray continuation byte
        {bytes({0x61, 0xC3}), 4, bytes({0x61, '?', 0, 0})},         // sequence cut by the NUL
        {bytes({0xE0, 0x80, 0xAF}), 4, bytes({'?', '?', '?', 0})},  // overlong '/'
        {bytes({0xF0, 0x80, 0x80, 0xAF}), 5, bytes({'?', '?', '?', '?', 0})},
        {bytes({0xED, 0xA0, 0x80}), 4, bytes({'?', '?', '?', 0})},             // surrogate U+D800
        {bytes({0xF4, 0x90, 0x80, 0x80}), 5, bytes({'?', '?', '?', '?', 0})},  // above U+10FFFF
        {bytes({0xF4, 0x8F, 0xBF, 0xBF}), 5, bytes({0xF4, 0x8F, 0xBF, 0xBF, 0})},  // U+10FFFF
        {bytes({0xED, 0x9F, 0xBF}), 4, bytes({0xED, 0x9F, 0xBF, 0})},              // U+D7FF
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, copied(c.source, c.capacity)) << "capacity " << c.capacity;
    }
}

TEST(CopyUtf8Bounded, NullSourceZeroesAndNullDestinationIsSafe) {
    std::string destination(6, 'x');
    EXPECT_EQ(destination.data(), copyUtf8Bounded(destination.data(), nullptr, 6));
    EXPECT_EQ(std::string(6, '\0'), destination);
    EXPECT_EQ(nullptr, copyUtf8Bounded(nullptr, "abc", 6));
}

std::u32string toUtf32(const std::string& source) {
    const std::uint32_t needed = utf8ToUtf32(nullptr, source.c_str(), 0);
    std::u32string output(needed, U'\x55');
    EXPECT_EQ(needed, utf8ToUtf32(output.data(), source.c_str(), needed));
    EXPECT_EQ(U'\0', output.back());
    output.pop_back();
    return output;
}

TEST(Utf8ToUtf32, DecodesAndReplacesBrokenSequencesByteForByte) {
    struct Case {
        std::string source;
        std::u32string expected;
    };
    const Case cases[] = {
        {bytes({0x61, 0xC3, 0xA9}), U"a\u00e9"},
        {bytes({0xE2, 0x82, 0xAC}), U"\u20ac"},
        {bytes({0xF0, 0x9F, 0x98, 0x80}), U"\U0001F600"},
        {bytes({0xC0, 0xAF}), U"??"},
        {bytes({0xE2, 0x82, 'x'}), U"??x"},
        {bytes({0x80}), U"?"},
        {bytes({0xF8, 0x88, 0x80, 0x80, 0x80}), std::u32string(1, char32_t{0x200000})},
        {bytes({0xFF, 0x80}), U"??"},
        {"", U""},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, toUtf32(c.source));
}

TEST(Utf8ToUtf32, CountsAndStopsWhereTheOutputEnds) {
    const std::string text = bytes({0x61, 0xC3, 0xA9});
    EXPECT_EQ(3u, utf8ToUtf32(nullptr, text.c_str(), 0));
    char32_t output[2] = {0x55, 0x55};
    EXPECT_EQ(2u, utf8ToUtf32(output, text.c_str(), 2));
    EXPECT_EQ(U'a', output[0]);
    EXPECT_EQ(U'\0', output[1]);

    EXPECT_EQ(0u, utf8ToUtf32(nullptr, nullptr, 0));
    EXPECT_EQ(0u, utf8ToUtf32(nullptr, "a", 4));
    EXPECT_EQ(0u, utf8ToUtf32(output, "a", 0));
}

std::string toUtf8(const std::u32string& source) {
    const std::uint32_t needed = utf32ToUtf8(nullptr, source.c_str(), 0);
    std::string output(needed, '\x55');
    EXPECT_EQ(needed, utf32ToUtf8(output.data(), source.c_str(), needed));
    EXPECT_EQ('\0', output.back());
    output.pop_back();
    return output;
}

TEST(Utf32ToUtf8, WritesOnlyValidUtf8WithoutInnerNul) {
    struct Case {
        std::u32string source;
        std::string expected;
    };
    const Case cases[] = {
        {U"\u20ac", bytes({0xE2, 0x82, 0xAC})},
        {U"A\u00e9", bytes({0x41, 0xC3, 0xA9})},
        {U"\U0010FFFF", bytes({0xF4, 0x8F, 0xBF, 0xBF})},
        {{char32_t{0x110000}}, "?"},
        {{char32_t{0xD800}, char32_t{0xDFFF}}, "??"},
        {{char32_t{0x80000041}}, "?"},
        {{char32_t{0x80000000}, U'b'}, "?b"},
        {U"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, toUtf8(c.source));
}

TEST(Utf32ToUtf8, NeverSplitsASequence) {
    char output[3] = {'x', 'x', 'x'};
    EXPECT_EQ(1u, utf32ToUtf8(output, U"\u20ac", 3));
    EXPECT_EQ('\0', output[0]);
    char room[5];
    EXPECT_EQ(4u, utf32ToUtf8(room, U"\u20ac\u20ac", 5));
    EXPECT_EQ(bytes({0xE2, 0x82, 0xAC}), std::string(room));
    EXPECT_EQ(0u, utf32ToUtf8(nullptr, nullptr, 0));
}

TEST(SanitizeIdentifier, KeepsLowercasedLettersDigitsAndUnderscore) {
    EXPECT_EQ("custompagesize_2", sanitizeIdentifier("Custom-Page Size_2"));
    EXPECT_EQ("dtpagesize", sanitizeIdentifier("DtPageSize"));
    EXPECT_EQ("ab", sanitizeIdentifier("a\xC3\xA9"
                                       "b"));
    EXPECT_EQ("abc", sanitizeIdentifier("abcdef", 3));
    EXPECT_EQ("", sanitizeIdentifier(nullptr));
}

TEST(StringFromBuffer, CutsAtLengthOrNul) {
    const char buffer[] = {'a', 'b', '\0', 'c', 'd'};
    EXPECT_EQ("ab", stringFromBuffer(buffer, 5));
    EXPECT_EQ("abc", stringFromBuffer("abcdef", 3));
    EXPECT_EQ("abcdef", stringFromBuffer("abcdef", untilNul));
    EXPECT_EQ("", stringFromBuffer("abc", 0));
    EXPECT_EQ("", stringFromBuffer(nullptr, 5));
}

}  // namespace
}  // namespace pd
