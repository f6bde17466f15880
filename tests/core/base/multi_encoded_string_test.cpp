#include "core/base/multi_encoded_string.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace pd {
namespace {

std::string utf8Of(const MultiEncodedString& text) {
    return text.utf8.get();
}
std::u32string utf32Of(const MultiEncodedString& text) {
    return text.utf32.get();
}

TEST(MultiEncodedString, FromUtf32MakesTheOtherForms) {
    const MultiEncodedString text(U"Größe");
    ASSERT_TRUE(text.utf8 && text.utf32 && text.platformString);
    EXPECT_EQ(utf8Of(text), "\x47\x72\xC3\xB6\xC3\x9F\x65");
    EXPECT_EQ(utf32Of(text), U"Größe");
    EXPECT_EQ(text.platformString, PlatformString::fromUtf8("Größe"));
}

TEST(MultiEncodedString, FromUtf32KeepsUnitsThatUtf8CannotHold) {
    const char32_t units[] = {U'A', 0x110000, 0xD800, U'B', 0};
    const MultiEncodedString text(units);
    ASSERT_TRUE(text.utf8 && text.utf32 && text.platformString);
    EXPECT_EQ(utf8Of(text), "A??B");
    EXPECT_EQ(utf32Of(text), std::u32string(units));
}

TEST(MultiEncodedString, EmptyTextGivesEmptyForms) {
    for (const MultiEncodedString& text : {MultiEncodedString(""), MultiEncodedString(U"")}) {
        ASSERT_TRUE(text.utf8 && text.utf32 && text.platformString);
        EXPECT_EQ(utf8Of(text), "");
        EXPECT_EQ(text.utf32[0], 0u);
        EXPECT_EQ(text.platformString->utf8(), "");
    }
}

TEST(MultiEncodedString, InvalidUtf8KeepsItsBytesAndHasNoPlatformString) {
    const MultiEncodedString text("\x41\xC0\x42");
    ASSERT_TRUE(text.utf8 && text.utf32);
    EXPECT_EQ(utf8Of(text), "\x41\xC0\x42");
    EXPECT_EQ(utf32Of(text), U"A?B");
    EXPECT_FALSE(text.platformString);
}

TEST(MultiEncodedString, FromPlatformStringCopiesItsText) {
    const auto original = PlatformString::fromUtf8("fr-FR \xE2\x82\xAC");
    ASSERT_TRUE(original);
    const PlatformString before = *original;
    MultiEncodedString text(&*original);
    ASSERT_TRUE(text.utf8 && text.utf32 && text.platformString);
    EXPECT_EQ(utf8Of(text), "fr-FR \xE2\x82\xAC");
    EXPECT_EQ(utf32Of(text), U"fr-FR €");
    EXPECT_EQ(text.platformString, original);
    text.clear();
    EXPECT_EQ(*original, before);
}

TEST(MultiEncodedString, NullInputsAndClearLeaveEveryFormAbsent) {
    const char* noUtf8 = nullptr;
    const char32_t* noUtf32 = nullptr;
    const PlatformString* noPlatformString = nullptr;
    for (const MultiEncodedString& text : {MultiEncodedString(noUtf8), MultiEncodedString(noUtf32),
                                           MultiEncodedString(noPlatformString)}) {
        EXPECT_FALSE(text.utf8);
        EXPECT_FALSE(text.utf32);
        EXPECT_FALSE(text.platformString);
    }
    MultiEncodedString text(U"A4");
    text.clear();
    EXPECT_FALSE(text.utf8 || text.utf32 || text.platformString);
}

}  // namespace
}  // namespace pd
