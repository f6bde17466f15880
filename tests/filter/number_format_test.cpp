#include "filter/number_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace pd {
namespace {

TEST(NumberFormat, HexadecimalByWholeBytes) {
    const struct {
        std::uint64_t value;
        const char* text;
    } cases[] = {{0, "00"},        {10, "0A"},
                 {255, "FF"},      {256, "0100"},
                 {0x1A2B, "1A2B"}, {0xAC9D5F4D, "AC9D5F4D"},
                 {0x5F4D, "5F4D"}, {std::numeric_limits<std::uint64_t>::max(), "FFFFFFFFFFFFFFFF"}};
    for (const auto& c : cases) EXPECT_EQ(formatHex64(c.value), c.text) << c.value;
}

TEST(NumberFormat, DecimalTexts) {
    EXPECT_EQ(formatInt8(static_cast<std::int8_t>(0xFF)), "-1");
    EXPECT_EQ(formatUInt8(0xFF), "255");
    EXPECT_EQ(formatInt32(std::numeric_limits<std::int32_t>::min()), "-2147483648");
    EXPECT_EQ(formatInt32(0), "0");
    EXPECT_EQ(formatUnsigned(4294967295u), "4294967295");
    EXPECT_EQ(formatUInt16(65535), "65535");
    EXPECT_EQ(formatUInt64(std::numeric_limits<std::uint64_t>::max()), "18446744073709551615");
}

TEST(NumberFormat, ParseUInt16ClampsAndKeepsTheOutputWithoutANumber) {
    const struct {
        const char* text;
        bool read;
        std::uint16_t value;
    } cases[] = {{"42", true, 42},    {"70000", true, 65535}, {" 7", true, 7},
                 {"12abc", true, 12}, {"abc", false, 999},    {"", false, 999},
                 {"-1", true, 65535}};
    for (const auto& c : cases) {
        std::uint16_t value = 999;
        EXPECT_EQ(parseUInt16(c.text, value), c.read) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

}  // namespace
}  // namespace pd
