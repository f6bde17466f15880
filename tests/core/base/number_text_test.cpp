#include "core/base/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <limits>
#include <string>
#include <thread>

#include "comma_locale.h"

namespace pd {
namespace {

TEST(ParseInt32, ClampsSkipsSpaceAndIgnoresTrailingText) {
    struct Case {
        const char* text;
        bool read;
        std::int32_t value;  // 7 means "left unchanged"
    };
    const Case cases[] = {
        {"12", true, 12},
        {" 12px", true, 12},
        {"\t\n-42", true, -42},
        {"+5", true, 5},
        {"2147483647", true, 2147483647},
        {"2147483648", true, 2147483647},
        {"4294967296", true, 2147483647},
        {"-3000000000", true, std::numeric_limits<std::int32_t>::min()},
        {"99999999999999999999999", true, 2147483647},
        {"-99999999999999999999999", true, std::numeric_limits<std::int32_t>::min()},
        {"abc", false, 7},
        {"", false, 7},
        {"-", false, 7},
        {"- 5", false, 7},
        {"0x10", true, 0},
    };
    for (const Case& c : cases) {
        std::int32_t out = 7;
        EXPECT_EQ(c.read, parseInt32(c.text, out)) << c.text;
        EXPECT_EQ(c.value, out) << c.text;
    }
}

TEST(ParseUInt32, ClampsAndWrapsNegativeTextsLikeTheCLibrary) {
    struct Case {
        const char* text;
        bool read;
        std::uint32_t value;
    };
    const Case cases[] = {
        {"4294967295", true, 0xFFFFFFFF},
        {"4294967296", true, 0xFFFFFFFF},
        {"-1", true, 0xFFFFFFFF},
        {"-0", true, 0},
        {" 300 dpi", true, 300},
        {"99999999999999999999999", true, 0xFFFFFFFF},
        {"x1", false, 7},
    };
    for (const Case& c : cases) {
        std::uint32_t out = 7;
        EXPECT_EQ(c.read, parseUInt32(c.text, out)) << c.text;
        EXPECT_EQ(c.value, out) << c.text;
    }
}

TEST(Parse64, RangeEnds) {
    EXPECT_EQ(std::numeric_limits<std::int64_t>::min(), parseInt64("-9223372036854775808"));
    EXPECT_EQ(std::numeric_limits<std::int64_t>::max(), parseInt64("9223372036854775808"));
    EXPECT_EQ(std::numeric_limits<std::int64_t>::min(), parseInt64("-9223372036854775809"));
    EXPECT_EQ(std::numeric_limits<std::uint64_t>::max(), parseUInt64("18446744073709551616"));
    EXPECT_EQ(std::numeric_limits<std::uint64_t>::max() - 1, parseUInt64("-2"));
    EXPECT_FALSE(parseInt64("").has_value());
}

TEST(FormatDouble, FixedDecimalsCappedAtSixteen) {
    EXPECT_EQ("210.00", formatDouble(210.0, 2));
    EXPECT_EQ("0.3333333333333333", formatDouble(1.0 / 3.0, 20));
    EXPECT_EQ("-1.5", formatDouble(-1.5, 1));
    EXPECT_EQ("2", formatDouble(2.5, 0));  // ties to even, as printf does
    EXPECT_EQ("595.2755905511811", formatDouble(210000 * 72.0 / 25400.0, 16).substr(0, 17));
    const std::string huge = formatDouble(std::numeric_limits<double>::max(), 16);
    EXPECT_EQ(309u + 1 + 16, huge.size());
}

TEST(FormatUInt32, AllDigits) {
    EXPECT_EQ("4294967295", formatUInt32(4294967295u));
    EXPECT_EQ("0", formatUInt32(0));
}

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
    EXPECT_EQ(formatUInt32(4294967295u), "4294967295");
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

TEST(FormatDouble, IgnoresAndKeepsTheProcessLocale) {
    if (!test::switchToCommaLocale()) GTEST_SKIP() << "no locale with a decimal comma available";
    ASSERT_STREQ(",", std::localeconv()->decimal_point);
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    std::string fromOtherThread;
    std::thread([&] { fromOtherThread = formatDouble(0.5, 2); }).join();
    EXPECT_EQ("0.50", fromOtherThread);
    EXPECT_EQ("210.25", formatDouble(210.25, 2));
    EXPECT_EQ(before, std::setlocale(LC_NUMERIC, nullptr));
    std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
}  // namespace pd
