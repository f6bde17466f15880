#include "platform/platform_string.h"

#include <gtest/gtest.h>

#include <string>

namespace pd {
namespace {

TEST(PlatformString, IsMadeOnlyFromWellFormedUtf8) {
    const struct {
        const char* bytes;
        bool accepted;
    } cases[] = {
        {"", true},
        {"Gr\xC3\xB6\xC3\x9F"
         "e",
         true},
        {"\xE2\x82\xAC", true},      // U+20AC
        {"\xF0\x9F\x93\x84", true},  // U+1F4C4
        {"\xF4\x8F\xBF\xBF", true},  // U+10FFFF
        {"\xED\x9F\xBF", true},      // U+D7FF, just below the surrogates
        {"A\xC0"
         "B",
         false},                          // lead byte of an overlong form
        {"\xC0\xAF", false},              // overlong '/'
        {"\xE0\x80\xAF", false},          // overlong three-byte form
        {"\xF0\x80\x80\xAF", false},      // overlong four-byte form
        {"\xED\xA0\x80", false},          // surrogate U+D800
        {"\xF4\x90\x80\x80", false},      // U+110000
        {"\xF8\x88\x80\x80\x80", false},  // five-byte form
        {"\x80", false},                  // stray continuation byte
        {"\xE2\x82", false},              // cut sequence at the end
        {"\xE2\x82x", false},             // cut sequence before ASCII
    };
    for (const auto& c : cases) {
        const auto made = PlatformString::fromUtf8(c.bytes);
        EXPECT_EQ(made.has_value(), c.accepted) << ::testing::PrintToString(std::string(c.bytes));
        if (made) {
            EXPECT_EQ(made->utf8(), c.bytes);
        }
    }
    EXPECT_FALSE(PlatformString::fromUtf8(nullptr).has_value());
}

TEST(PlatformString, CountsCharactersAndComparesByText) {
    const auto text = PlatformString::fromUtf8(
        "Gr\xC3\xB6\xC3\x9F"
        "e \xF0\x9F\x93\x84");
    ASSERT_TRUE(text);
    EXPECT_EQ(text->length(), 7u);
    EXPECT_EQ(text, PlatformString::fromUtf8("Gr\xC3\xB6\xC3\x9F"
                                             "e \xF0\x9F\x93\x84"));
    EXPECT_NE(text, PlatformString::fromUtf8("Grosse"));
}

}  // namespace
}  // namespace pd
