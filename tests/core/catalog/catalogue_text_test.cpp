#include "core/catalog/catalogue_text.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

namespace pd {
namespace {

using Name = CatalogueText<4>;
using DefaultText = CatalogueText<4, EmptyText::keptApart>;

// A literal that does not fit its field is no text of that field; a pointer is never converted
// implicitly, so `cond ? text : nullptr` cannot build a temporary to point into.
static_assert(std::is_convertible_v<const char (&)[5], Name>);
static_assert(!std::is_convertible_v<const char (&)[6], Name>);
static_assert(!std::is_convertible_v<const char*, Name>);
static_assert(!std::is_convertible_v<std::nullptr_t, Name>);
static_assert(!std::is_convertible_v<Name, const char*>, "a temporary does not convert");
static_assert(std::is_convertible_v<const Name&, const char*>);
// Built by the compiler, with no pointer to relocate.
constexpr Name fromLiteral = "QZAB";
static_assert(std::string_view(static_cast<const char*>(fromLiteral)) == "QZAB");

struct Case {
    const char* assigned;
    const char* nameReads;     // as a name: the empty text reads as null
    const char* defaultReads;  // as a default text: the empty text kept apart
};

TEST(CatalogueText, ReadsAsTheCStringItHolds) {
    const Case cases[] = {
        {nullptr, nullptr, nullptr},
        {"", nullptr, ""},
        {"A", "A", "A"},
        {"ABCD", "ABCD", "ABCD"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.assigned == nullptr ? "null" : c.assigned);
        Name name = "WXYZ";
        name = c.assigned;
        DefaultText text = "WXYZ";
        text = c.assigned;
        const char* nameText = name;
        const char* defaultText = text;
        for (const auto& [read, expected] :
             {std::pair{nameText, c.nameReads}, std::pair{defaultText, c.defaultReads}}) {
            if (expected == nullptr) {
                EXPECT_EQ(read, nullptr);
            } else {
                EXPECT_STREQ(read, expected);
            }
        }
        const std::string_view view = name;
        EXPECT_EQ(view, c.nameReads == nullptr ? "" : c.nameReads) << "null reads as empty";
    }
    EXPECT_EQ(Name(), nullptr);
    EXPECT_EQ(DefaultText(), nullptr);
    const DefaultText empty = "";
    EXPECT_NE(empty, nullptr);
}

TEST(CatalogueText, RefusesARunTimeTextLongerThanTheField) {
    Name name = "AB";
    EXPECT_THROW(name = "ABCDE", std::length_error);
    name = "ABCD";
    EXPECT_STREQ(name, "ABCD");
}

}  // namespace
}  // namespace pd
