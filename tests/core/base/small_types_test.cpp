#include <gtest/gtest.h>

#include "core/base/byte_buffer.h"
#include "core/base/dimension_pair.h"
#include "core/base/regex_match.h"
#include "core/base/unit_scale.h"

namespace pd {
namespace {

TEST(GreatestCommonDivisor, Table) {
    struct Case {
        std::uint32_t a, b, gcd;
    };
    const Case cases[] = {{0, 0, 0},     {0, 7, 7},      {7, 0, 7},           {1, 1000, 1},
                          {254, 100, 2}, {25400, 72, 8}, {10000, 1000, 1000}, {0xFFFFFFFF, 3, 3}};
    for (const Case& c : cases)
        EXPECT_EQ(c.gcd, greatestCommonDivisor(c.a, c.b)) << c.a << "," << c.b;
}

TEST(RescaleUnits, ExactRatiosAndRoundingTowardsCoarserUnits) {
    struct Case {
        std::uint32_t value, from, to, result;
    };
    const Case cases[] = {
        {2'100'000, 10000, 1000, 210'000},
        {995, 10000, 1000, 100},
        {994, 10000, 1000, 99},
        {210'000, 1000, 10000, 2'100'000},
        {100000, 10000, 10, 100},
        {499, 10000, 10, 0},
        {500, 10000, 10, 1},
        {125, 10, 1, 13},
        {12, 10, 10, 12},
        {7, 0, 10, 70},
        {25400, 1000, 72, 1829},
        {0xFFFFFFFF, 1, 10, 0xFFFFFFF6},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.result, rescaleUnits(c.value, c.from, c.to))
            << c.value << " " << c.from << "->" << c.to;
    }
}

TEST(RescaleUnits, SignedValuesRoundHalfAwayFromZero) {
    EXPECT_EQ(-1, rescaleUnits(std::int32_t{-500}, 10000, 10));
    EXPECT_EQ(-250'000, rescaleUnits(std::int32_t{-2'500'000}, 10000, 1000));
    EXPECT_EQ(-100, rescaleUnits(std::int32_t{-995}, 10000, 1000));
    EXPECT_EQ(-99, rescaleUnits(std::int32_t{-994}, 10000, 1000));
    EXPECT_EQ(100, rescaleUnits(std::int32_t{995}, 10000, 1000));
    EXPECT_EQ(-70, rescaleUnits(std::int32_t{-7}, 1, 10));
}

TEST(DimensionPair, EmptyWhenEitherSideIsZero) {
    EXPECT_TRUE(DimensionPair{}.isEmpty());
    EXPECT_TRUE((DimensionPair{0, 5}.isEmpty()));
    EXPECT_TRUE((DimensionPair{5, 0}.isEmpty()));
    EXPECT_FALSE((DimensionPair{1, 1}.isEmpty()));
    DimensionPair copy;
    copy = DimensionPair{210000, 297000};
    EXPECT_EQ((DimensionPair{210000, 297000}), copy);
}

TEST(ByteBuffer, ResetReplacesTheBlock) {
    ByteBuffer buffer;
    EXPECT_EQ(nullptr, buffer.data);
    EXPECT_EQ(0u, buffer.size);
    unsigned char* first = buffer.reset(16, false);
    first[15] = 0x55;
    unsigned char* zeroed = buffer.reset(25'582, true);
    EXPECT_EQ(zeroed, buffer.data.get());
    EXPECT_EQ(25'582u, buffer.size);
    for (std::uint32_t i = 0; i < buffer.size; ++i) ASSERT_EQ(0, zeroed[i]);
}

TEST(RegexSubmatches, WholeMatchThenGroups) {
    regex_t regex;
    clearRegex(regex);
    ASSERT_EQ(0, regexCompile(regex, "(a)|(b)", REG_EXTENDED));
    EXPECT_EQ((SubmatchList{"b", "", "b"}), regexSubmatches(regex, "b", 0));
    EXPECT_EQ(SubmatchList{}, regexSubmatches(regex, "c", 0));
    EXPECT_EQ(SubmatchList{}, regexSubmatches(regex, nullptr, 0));
    regexFree(regex);

    clearRegex(regex);
    ASSERT_EQ(0,
              regexCompile(
                  regex,
                  "^Custom\\.((\\+|-)?[0-9]+(\\.[0-9]+)?)x((\\+|-)?[0-9]+(\\.[0-9]+)?)(in|cm|mm)?$",
                  REG_EXTENDED | REG_ICASE));
    const SubmatchList parts = regexSubmatches(regex, "custom.210x297.5MM", 0);
    ASSERT_EQ(8u, parts.size());
    EXPECT_EQ("210", parts[1]);
    EXPECT_EQ("297.5", parts[4]);
    EXPECT_EQ("MM", parts[7]);
    regexFree(regex);

    clearRegex(regex);
    EXPECT_NE(0, regexCompile(regex, "(unclosed", REG_EXTENDED));
    regexFree(regex);
}

}  // namespace
}  // namespace pd
