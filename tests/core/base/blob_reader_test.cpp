#include "core/base/blob_reader.h"

#include <gtest/gtest.h>

namespace pd {
namespace {

TEST(BlobReader, ReadsBigEndianItemsInOrder) {
    const unsigned char blob[] = {0x01, 0x02, 0x03, 0xDE, 0xAD, 0xBE, 0xEF, 'a', 'b', 0, 0x07};
    BlobReader reader{blob, sizeof blob};
    EXPECT_EQ(reader.byte(), 0x01);
    EXPECT_EQ(reader.word(), 0x0203);
    EXPECT_EQ(reader.longWord(), 0xDEADBEEFu);
    EXPECT_EQ(reader.text(), "ab");
    EXPECT_EQ(reader.position, 10u);
    EXPECT_EQ(reader.byte(), 0x07);
    EXPECT_TRUE(reader.atEnd());
}

// An item that does not lie whole within the blob reads as its fallback and is stepped over, so
// that the position tells how far the blob fell short; no byte beyond the size is read.
TEST(BlobReader, ItemsPastTheEndReadAsTheirFallback) {
    const unsigned char blob[] = {0x12, 0x34, 0x56, 0x78};
    BlobReader reader{blob, 3};
    EXPECT_EQ(reader.word(), 0x1234);
    EXPECT_EQ(reader.word(), 0);
    EXPECT_EQ(reader.position, 4u);
    EXPECT_EQ(reader.byte(1), 1);
    EXPECT_EQ(reader.longWord(0xFFFFFFFF), 0xFFFFFFFFu);
    EXPECT_EQ(reader.position, 9u);
    EXPECT_FALSE(reader.has(0));

    BlobReader empty{nullptr, 8};
    EXPECT_FALSE(empty.has(1));
    EXPECT_EQ(empty.longWord(), 0u);
    EXPECT_EQ(empty.text(), "");
    EXPECT_EQ(empty.position, 8u);
}

TEST(BlobReader, TextWithoutItsNulReadsAsEmpty) {
    const unsigned char blob[] = {'x', 'y', 0, 'c', 'u', 't'};
    BlobReader reader{blob, sizeof blob, 3};
    EXPECT_EQ(reader.text(), "");
    EXPECT_EQ(reader.position, sizeof blob);
    reader.position = 20;
    EXPECT_EQ(reader.text(), "");
    EXPECT_EQ(reader.position, 20u) << "a position beyond the end stays";
}

}  // namespace
}  // namespace pd
