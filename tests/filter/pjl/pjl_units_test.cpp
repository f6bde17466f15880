#include "filter/pjl/pjl_units.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace pd {
namespace {

struct UnitCase {
    std::uint32_t scale;
    std::uint32_t divisor;
    std::int64_t stored;
    std::int64_t pjl;
};

TEST(ConvertToPjlUnits, RoundsReducingRatiosHalfAwayFromZero) {
    const UnitCase cases[] = {
        {10, 10000, 100000, 100}, {10, 10000, 499, 0},   {10, 10000, 500, 1},
        {10, 10000, -500, -1},    {10, 10000, -499, 0},  {10, 10000, -24500, -25},
        {1000, 10000, 995, 100},  {1, 10, 125, 13},      {10, 10, 12, 12},
        {10, 1, 7, 70},           {0, 10000, 123456, 0}, {0, 0, 77, 77},
        {10, 0, 7, 70},           {1, 1, -3, -3},
    };
    for (const UnitCase& c : cases) {
        EXPECT_EQ(convertToPjlUnits(static_cast<std::int32_t>(c.stored), c.scale, c.divisor), c.pjl)
            << c.stored << " " << c.scale << "/" << c.divisor;
        if (c.stored >= 0) {
            EXPECT_EQ(convertToPjlUnits(static_cast<std::uint32_t>(c.stored), c.scale, c.divisor),
                      static_cast<std::uint32_t>(c.pjl));
        }
    }
}

TEST(ConvertToPjlUnits, UnsignedRoundsHalfUpWithoutOverflow) {
    EXPECT_EQ(convertToPjlUnits(std::uint32_t{0xFFFFFFFF}, 10, 10000), 4294967u);
    EXPECT_EQ(convertToPjlUnits(std::uint32_t{100499}, 10, 10000), 100u);
    EXPECT_EQ(convertToPjlUnits(std::uint32_t{100500}, 10, 10000), 101u);
}

TEST(ConvertFromPjlUnits, ExchangesTheRoles) {
    EXPECT_EQ(convertFromPjlUnits(std::uint32_t{13}, 1, 10), 130u);
    EXPECT_EQ(convertFromPjlUnits(std::uint32_t{100}, 10, 10000), 100000u);
    EXPECT_EQ(convertFromPjlUnits(std::int32_t{-25}, 10, 10000), -25000);
    EXPECT_EQ(convertFromPjlUnits(std::uint32_t{12}, 10, 10), 12u);
    // Reducing in this direction: 70 tenths back to a divisor of 1 rounds half up.
    EXPECT_EQ(convertFromPjlUnits(std::uint32_t{75}, 10, 1), 8u);
    EXPECT_EQ(convertFromPjlUnits(std::int32_t{-75}, 10, 1), -8);
    EXPECT_EQ(convertFromPjlUnits(std::uint32_t{5}, 10, 0), 0u);
    EXPECT_EQ(convertFromPjlUnits(std::uint32_t{5}, 0, 10), 50u);
}

}  // namespace
}  // namespace pd
