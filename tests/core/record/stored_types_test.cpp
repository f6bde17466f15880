#include "core/record/stored_types.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

namespace pd {
namespace {

TEST(StoredTypes, BigEndianRoundTripsAtAnyWidth) {
    StoredUInt32 width{};
    width.set(2'100'000);
    EXPECT_EQ(0x00, width.bytes[0]);
    EXPECT_EQ(0x20, width.bytes[1]);
    EXPECT_EQ(0x0B, width.bytes[2]);
    EXPECT_EQ(0x20, width.bytes[3]);
    EXPECT_EQ(2'100'000u, width.get());

    StoredInt32 gutter{};
    gutter.set(-10'000);
    const unsigned char expected[] = {0xFF, 0xFF, 0xD8, 0xF0};
    EXPECT_EQ(0, std::memcmp(expected, gutter.bytes, 4));
    EXPECT_EQ(-10'000, gutter.get());

    StoredUInt16 zoom{};
    zoom.set(100);
    EXPECT_EQ(0x00, zoom.bytes[0]);
    EXPECT_EQ(0x64, zoom.bytes[1]);

    StoredUInt8 choice{};
    choice.set(0xFE);
    EXPECT_EQ(0xFE, choice.get());
}

TEST(StoredTypes, FixedTextAssignCutsAndZeroes) {
    FixedText<9> text;
    std::memset(text.bytes, 'x', sizeof text.bytes);
    text.assign("ABCDEFGHIJ");
    EXPECT_EQ("ABCDEFGH", text.view());
    EXPECT_TRUE(text.isTerminated());

    text.assign("AB");
    const char expected[9] = {'A', 'B', 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(0, std::memcmp(expected, text.bytes, 9));

    text.assign("");
    EXPECT_EQ(0, std::memcmp(FixedText<9>{}.bytes, text.bytes, 9));
}

TEST(StoredTypes, FixedTextTakesItsOwnBytesAndNull) {
    FixedText<9> text;
    text.assign("ABC");
    text.assign(text.bytes);
    EXPECT_EQ("ABC", text.view());

    text.assign(text.bytes + 1);  // a source inside the member
    EXPECT_EQ(0, std::memcmp("BC\0\0\0\0\0\0", text.bytes, 9));

    text.assign(nullptr);
    EXPECT_EQ(0, std::memcmp(FixedText<9>{}.bytes, text.bytes, 9));
}

// A short text right before a member is no overlap: only its bytes up to the NUL are read. One
// that runs on into the member is moved whole.
TEST(StoredTypes, FixedTextTakesASourceRightBeforeIt) {
    struct Neighbours {
        char lead[4];
        FixedText<9> member;
    };
    static_assert(offsetof(Neighbours, member) == 4);
    Neighbours n{};
    std::memcpy(n.lead, "ab", 3);
    n.member.assign("XYZ");
    n.member.assign(n.lead);
    EXPECT_EQ("ab", n.member.view());

    std::memcpy(n.lead, "wxyz", 4);  // no NUL: the text goes on in the member
    n.member.assign("ABCDEFG");
    n.member.assign(n.lead);
    EXPECT_EQ("wxyzABCD", n.member.view());
    EXPECT_TRUE(n.member.isTerminated());
}

}  // namespace
}  // namespace pd
