#include "core/record/page_lists.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace pd {
namespace {

using Bytes = std::vector<unsigned char>;

Bytes written(const PageRangeList& list) {
    std::uint32_t measured = 0;
    writePageRangeList(list, nullptr, 0, measured);
    Bytes blob(measured, 0x55);
    std::uint32_t position = 0;
    EXPECT_TRUE(writePageRangeList(list, blob.data(), measured, position));
    EXPECT_EQ(measured, position);
    return blob;
}

TEST(PageRangeList, WriterChoosesTheShortestForm) {
    struct Case {
        PageRangeList list;
        Bytes blob;
    };
    const Case cases[] = {
        {{}, {0x00, 0x00}},
        {{{5, 5}}, {0xC0, 0x05}},
        {{{3, 7}}, {0x80, 0x03, 0x00, 0x07}},
        {{{9999, 9999}}, {0xE7, 0x0F}},
        {{{1, 1}, {4, 6}}, {0x00, 0x02, 0x40, 0x01, 0x00, 0x04, 0x00, 0x06}},
        {{{2, 2}, {2, 2}}, {0x00, 0x02, 0x40, 0x02, 0x40, 0x02}},
        // Ranges a reader would drop are left out, so they cannot shift the rest of the list.
        {{{0x4005, 0x4009}, {3, 7}}, {0x80, 0x03, 0x00, 0x07}},
        {{{0, 0}, {10000, 10000}, {7, 3}}, {0x00, 0x00}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.blob, written(c.list));
        PageRangeList back;
        std::uint32_t position = 0;
        EXPECT_TRUE(readPageRangeList(c.blob.data(), static_cast<std::uint32_t>(c.blob.size()),
                                      position, back));
        EXPECT_EQ(c.blob.size(), position);
    }
}

TEST(PageRangeList, CreateOrdersTheTwoPages) {
    EXPECT_EQ((PageRange{3, 7}), createPageRangeNode(7, 3));
    EXPECT_EQ((PageRange{3, 7}), createPageRangeNode(3, 7));
}

TEST(PageRangeList, WriterCountsPastASmallBuffer) {
    std::uint32_t position = 0;
    EXPECT_TRUE(writePageRangeList({{3, 7}}, nullptr, 4, position));
    EXPECT_EQ(4u, position);

    Bytes small = {0x55, 0x55, 0x55};
    position = 0;
    EXPECT_FALSE(writePageRangeList({{3, 7}}, small.data(), 3, position));
    EXPECT_EQ(4u, position);
    EXPECT_EQ((Bytes{0x80, 0x03, 0x55}), small);
}

TEST(PageRangeList, LongListsKeepTheirFirst32767Ranges) {
    PageRangeList list;
    for (int i = 0; i < 40'000; ++i)
        list.push_back(createPageRangeNode(1 + i % 9999, 1 + i % 9999));
    const Bytes blob = written(list);
    ASSERT_EQ(2u + 32'767u * 2, blob.size());
    EXPECT_EQ(0x7F, blob[0]);
    EXPECT_EQ(0xFF, blob[1]);
    PageRangeList back;
    std::uint32_t position = 0;
    EXPECT_TRUE(
        readPageRangeList(blob.data(), static_cast<std::uint32_t>(blob.size()), position, back));
    ASSERT_EQ(32'767u, back.size());
    EXPECT_TRUE(std::equal(back.begin(), back.end(), list.begin()));
}

TEST(PageRangeList, ReaderDropsWhatBreaksTheRulesAndStaysInside) {
    struct Case {
        Bytes blob;
        std::uint32_t size;  // bytes of blob the reader may see
        PageRangeList ranges;
        std::uint32_t position;
        bool result;
    };
    const Case cases[] = {
        {.blob = Bytes(12, 0), .size = 12, .ranges = {}, .position = 2, .result = true},
        {.blob = {0x80, 0x03}, .size = 2, .ranges = {}, .position = 2, .result = true},
        {.blob = {0x80, 0x03, 0x00, 0x02}, .size = 4, .ranges = {}, .position = 4, .result = true},
        {.blob = {0xC0, 0x00}, .size = 2, .ranges = {}, .position = 2, .result = true},
        {.blob = {0xE7, 0x10}, .size = 2, .ranges = {}, .position = 2, .result = true},
        {.blob = {0x00, 0x03, 0x40, 0x05},
         .size = 4,
         .ranges = {{5, 5}},
         .position = 4,
         .result = true},
        {.blob = {0x00, 0x02, 0x00, 0x05}, .size = 4, .ranges = {}, .position = 6, .result = false},
        {.blob = {0x00, 0x02, 0xC0, 0x05, 0x40, 0x06},
         .size = 6,
         .ranges = {{6, 6}},
         .position = 6,
         .result = true},
        {.blob = {0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x00, 0x03, 0x00, 0x09},
         .size = 10,
         .ranges = {{3, 9}},
         .position = 10,
         .result = true},
        {.blob = {0x80, 0x03, 0x00, 0x07}, .size = 3, .ranges = {}, .position = 4, .result = false},
        {.blob = {}, .size = 0, .ranges = {}, .position = 2, .result = false},
    };
    for (const Case& c : cases) {
        // An exact-size heap copy, so that the sanitizer build sees any read past the size.
        const auto blob = std::make_unique<unsigned char[]>(c.size);
        std::copy_n(c.blob.begin(), c.size, blob.get());
        PageRangeList list{{1, 2}};  // appended to, never cleared
        std::uint32_t position = 0;
        EXPECT_EQ(c.result, readPageRangeList(blob.get(), c.size, position, list));
        EXPECT_EQ(c.position, position);
        PageRangeList expected{{1, 2}};
        expected.insert(expected.end(), c.ranges.begin(), c.ranges.end());
        EXPECT_EQ(expected, list);
    }
}

TEST(PageRangeList, PositionNearTheTopNeitherWrapsNorReads) {
    const unsigned char blob[4] = {0x80, 0x03, 0x00, 0x07};
    PageRangeList list;
    std::uint32_t position = 0xFFFFFFFF;
    EXPECT_FALSE(readPageRangeList(blob, 4, position, list));
    EXPECT_EQ(0xFFFFFFFFu, position);
    EXPECT_TRUE(list.empty());
    position = 0xFFFFFFFE;
    EXPECT_FALSE(writePageRangeList({{3, 7}}, nullptr, 4, position));
    EXPECT_EQ(0xFFFFFFFFu, position);
}

TEST(PageFormList, EncodesAndDecodesTheRecordMember) {
    Bytes blob(1028, 0x55);
    EXPECT_TRUE(encodePageFormList({}, blob.data(), 1028));
    EXPECT_EQ(Bytes(1028, 0), blob);
    PageFormList list{{3, {}}};
    EXPECT_TRUE(decodePageFormList(blob.data(), 1028, list));
    EXPECT_TRUE(list.empty());

    const PageFormList forms = {{3, {{1, 2}}}, {7, {{5, 5}}}, {noForm, {{8, 9}, {11, 11}}}};
    std::size_t next = 99;
    EXPECT_TRUE(encodePageFormList(forms, blob.data(), 1028, &next));
    EXPECT_EQ(3u, next);
    const Bytes head = {0x00, 0x03, 0x00, 0x00, 0x00, 0x03, 0x80, 0x01,
                        0x00, 0x02, 0x00, 0x00, 0x00, 0x07, 0xC0, 0x05};
    EXPECT_TRUE(std::equal(head.begin(), head.end(), blob.begin()));
    PageFormList back;
    EXPECT_TRUE(decodePageFormList(blob.data(), 1028, back));
    ASSERT_EQ(3u, back.size());
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(forms[i].form, back[i].form);
        EXPECT_EQ(forms[i].pages, back[i].pages);
    }
}

TEST(PageFormList, DecoderKeepsWhatLiesWithinTheSize) {
    const unsigned char one[] = {0x00, 0x01, 0x00, 0x00, 0x00, 0x07, 0xC0, 0x05};
    PageFormList list;
    EXPECT_TRUE(decodePageFormList(one, sizeof one, list));
    ASSERT_EQ(1u, list.size());
    EXPECT_EQ(7u, list[0].form);
    EXPECT_EQ((PageRangeList{{5, 5}}), list[0].pages);

    EXPECT_FALSE(decodePageFormList(one, 4, list));
    ASSERT_EQ(1u, list.size());
    EXPECT_EQ(noForm, list[0].form);
    EXPECT_TRUE(list[0].pages.empty());

    const unsigned char many[] = {0xFF, 0xFF, 0x00, 0x00, 0x00, 0x01, 0xC0, 0x01};
    // A count larger than the blob holds ends at the size without running past it.
    EXPECT_TRUE(decodePageFormList(many, sizeof many, list));
    EXPECT_EQ(1u, list.size());
}

TEST(PageFormList, BlobsAbove65535BytesAreRefused) {
    Bytes blob(65'536, 0x55);
    EXPECT_FALSE(encodePageFormList({{3, {{1, 1}}}}, blob.data(), 65'536));
    EXPECT_EQ(Bytes(65'536, 0), blob);
    PageFormList list{{3, {}}};
    blob[1] = 1;
    EXPECT_FALSE(decodePageFormList(blob.data(), 65'536, list));
    EXPECT_TRUE(list.empty());
}

TEST(PageFormList, FullBufferStopsAtAnEntryAndReportsIt) {
    // Each entry takes 6 bytes: 2 + 2 x 6 fills 14 bytes exactly.
    const PageFormList forms = {{1, {{1, 1}}}, {2, {{2, 2}}}, {3, {{3, 3}}}};
    Bytes blob(14);
    std::size_t next = 0;
    EXPECT_TRUE(encodePageFormList(forms, blob.data(), 14, &next));
    EXPECT_EQ(2u, next);
    EXPECT_EQ(0x03, blob[1]);  // the count covers the whole list

    Bytes partial(10);
    EXPECT_FALSE(encodePageFormList(forms, partial.data(), 10, &next));
    EXPECT_EQ(1u, next);
    EXPECT_EQ((Bytes{0, 3, 0, 0, 0, 1, 0xC0, 1, 0, 0}), partial);  // no half form number
}

// Random blobs read from exact-size heap blocks: the sanitizer build catches any stray read.
TEST(PageLists, RandomBlobsStayInside) {
    std::mt19937 random(2024);
    for (int round = 0; round < 2000; ++round) {
        const std::uint32_t size = random() % 64;
        const auto blob = std::make_unique<unsigned char[]>(size);
        for (std::uint32_t i = 0; i < size; ++i)
            blob[i] = static_cast<unsigned char>(random() % 4 == 0 ? random() : random() % 3);
        PageRangeList ranges;
        std::uint32_t position = random() % 8;
        readPageRangeList(blob.get(), size, position, ranges);
        for (const PageRange& range : ranges) {
            ASSERT_TRUE(range.first >= 1 && range.first <= range.last && range.last <= 9999);
        }
        PageFormList forms;
        decodePageFormList(blob.get(), size, forms);
        const auto out = std::make_unique<unsigned char[]>(size);
        encodePageFormList(forms, out.get(), size);
    }
}

}  // namespace
}  // namespace pd
