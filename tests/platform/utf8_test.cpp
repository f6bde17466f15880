#include "platform/utf8.h"

#include <gtest/gtest.h>

namespace pd {
namespace {

// A sequence is measured within the bytes given: one cut by the size is not well-formed, and
// nothing beyond the size is read (the bytes after it would complete the sequence).
TEST(Utf8, SequenceLengthStaysWithinTheSize) {
    const char euro[] = "\xE2\x82\xAC";
    const struct {
        const char* text;
        std::size_t size;
        std::size_t length;
    } cases[] = {
        {"A", 1, 1},
        {"\0", 1, 1},
        {euro, 3, 3},
        {euro, 2, 0},
        {euro, 0, 0},
        {"\xC3\xA9", 2, 2},
        {"\xC3", 1, 0},
        {"\xF0\x9F\x98\x80", 4, 4},
        {"\xF0\x9F\x98", 3, 0},
        {"\x80", 1, 0},
        {"\xC3(", 2, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(wellFormedUtf8SequenceLength(c.text, c.size), c.length)
            << c.text << " within " << c.size;
    }
    EXPECT_FALSE(isWellFormedUtf8(euro, 2));
    EXPECT_TRUE(isWellFormedUtf8("a\0b", 3)) << "a NUL is a character";
}

}  // namespace
}  // namespace pd
