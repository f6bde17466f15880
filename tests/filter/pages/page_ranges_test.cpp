#include "filter/pages/page_ranges.h"

#include <gtest/gtest.h>

namespace pd {
namespace {

struct NormalizeCase {
    PageRangeList input;
    PageRangeList expected;
};

TEST(PageRanges, NormalizeOrdersMergesOverlapsAndJoinsNeighbours) {
    const NormalizeCase cases[] = {
        {{{5, 3}}, {{3, 5}}},
        {{{1, 3}, {4, 6}}, {{1, 6}}},
        {{{1, 5}, {3, 8}, {10, 12}}, {{1, 8}, {10, 12}}},
        {{{10, 12}, {1, 3}}, {{1, 3}, {10, 12}}},
        {{{1, 3}, {5, 6}}, {{1, 3}, {5, 6}}},
        {{{1, 2}, {5, 9}, {2, 5}}, {{1, 9}}},
        {{{0, 0}, {1, 2}}, {{0, 2}}},
        {{}, {}},
        {{{7, 7}, {7, 7}, {3, 1}}, {{1, 3}, {7, 7}}},
        {{{65530, 65535}, {1, 1}}, {{1, 1}, {65530, 65535}}},
        {{{9, 20}, {1, 30}, {2, 3}}, {{1, 30}}},
    };
    for (const NormalizeCase& c : cases) {
        PageRangeList list = c.input;
        normalizePageRanges(list);
        EXPECT_EQ(list, c.expected) << formatPageRanges(c.input);
    }
}

TEST(PageRanges, AdjacentRangeEndingOnTheLastWordNeverJoins) {
    PageRangeList list{{65535, 65535}, {1, 65534}};
    normalizePageRanges(list);
    EXPECT_EQ(list, (PageRangeList{{1, 65535}}));
}

TEST(PageRanges, ListsEqualAsStoredOrAfterNormalising) {
    EXPECT_FALSE(pageRangeListsEqual({{1, 3}, {4, 6}}, {{1, 6}}, false));
    EXPECT_TRUE(pageRangeListsEqual({{1, 3}, {4, 6}}, {{1, 6}}, true));
    EXPECT_FALSE(pageRangeListsEqual({{3, 1}}, {{1, 3}}, false));
    EXPECT_TRUE(pageRangeListsEqual({{3, 1}}, {{1, 3}}, true));
    EXPECT_TRUE(pageRangeListsEqual({}, {}, false));
}

struct ShiftCase {
    PageRange range;
    std::uint16_t n;
    bool up;
    PageRange expected;
};

TEST(PageRanges, ShiftsMarkPagesPushedOutOfRangeAsZero) {
    const ShiftCase cases[] = {
        {.range = {65530, 65535}, .n = 10, .up = true, .expected = {0, 0}},
        {.range = {3, 0}, .n = 4, .up = true, .expected = {7, 4}},
        {.range = {0, 0}, .n = 0, .up = true, .expected = {0, 0}},
        {.range = {1, 2}, .n = 3, .up = true, .expected = {4, 5}},
        {.range = {3, 10}, .n = 5, .up = false, .expected = {0, 5}},
        {.range = {5, 8}, .n = 5, .up = false, .expected = {0, 3}},
        {.range = {0, 9}, .n = 2, .up = false, .expected = {2, 7}},
        {.range = {4, 4}, .n = 0, .up = false, .expected = {4, 4}},
    };
    for (const ShiftCase& c : cases) {
        PageRange range = c.range;
        PageRange& result = c.up ? shiftPageRangeUp(range, c.n) : shiftPageRangeDown(range, c.n);
        EXPECT_EQ(&result, &range);
        EXPECT_EQ(range, c.expected) << c.range.first << "," << c.range.last << " by " << c.n;
    }
    PageRangeList list{{1, 2}, {9, 9}};
    EXPECT_EQ(shiftPageRangesUp(list, 2), (PageRangeList{{3, 4}, {11, 11}}));
    EXPECT_EQ(shiftPageRangesDown(list, 3), (PageRangeList{{0, 1}, {8, 8}}));
}

TEST(PageRanges, TextOfRangesSkipsUnusablePages) {
    EXPECT_EQ(formatPageRange({3, 3}), "3");
    EXPECT_EQ(formatPageRange({7, 2}), "2-7");
    EXPECT_EQ(formatPageRange({0, 5}), "");
    EXPECT_EQ(formatPageRange({5, 10000}), "");
    EXPECT_EQ(formatPageRange({7, 2}, "/"), "2/7");
    EXPECT_EQ(formatPageRanges({{1, 3}, {5, 5}, {0, 2}, {8, 9}}), "1-3,5,8-9");
    EXPECT_EQ(formatPageRanges({{0, 2}, {1, 3}}), "1-3");
    EXPECT_EQ(formatPageRanges({}), "");
    EXPECT_EQ(formatPageRanges({{0, 0}, {10000, 10001}}), "");
    EXPECT_EQ(formatPageRanges({{1, 2}, {4, 4}}, "~", ";"), "1~2;4");
}

}  // namespace
}  // namespace pd
