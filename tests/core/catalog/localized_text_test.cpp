#include "core/catalog/localized_text.h"

#include <gtest/gtest.h>

namespace pd {
namespace {

TEST(LocalizedTextEquals, ComparesTheUtf8FormExactly) {
    const struct {
        const char* utf8;
        const char32_t* text;
        bool equal;
    } cases[] = {
        {"A4", U"A4", true},
        {"a4", U"A4", false},
        {"A4 ", U"A4", false},
        {"Gr\xC3\xB6\xC3\x9F"
         "e",
         U"Größe", true},
        // Normalisation counts: o followed by a combining diaeresis is another text.
        {"Gro\xCC\x88\xC3\x9F"
         "e",
         U"Größe", false},
        {"", U"", false},
        {"", nullptr, false},
        {"A4", U"", false},
        {nullptr, U"A4", false},
        {"\xE3\x81\xAF\xE3\x81\x8C\xE3\x81\x8D", U"はがき", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(localizedTextEquals(c.utf8, c.text), c.equal) << (c.utf8 ? c.utf8 : "(null)");
}

}  // namespace
}  // namespace pd
