#include "dialog/page_format.h"

#include <gtest/gtest.h>

namespace pd {
namespace {

TEST(PropertyList, FindsValuesThroughNestedDictionaries) {
    PropertyDictionary inner;
    inner.entries.push_back({"flag", true});
    inner.entries.push_back({"flag", false});
    PropertyDictionary outer;
    outer.entries.push_back({"name", std::string("A4")});
    outer.entries.push_back({"ticket", inner});

    const PropertyValue* flag = findProperty(outer, {"ticket", "flag"});
    ASSERT_NE(nullptr, flag);
    ASSERT_NE(nullptr, std::get_if<bool>(flag));
    EXPECT_TRUE(std::get<bool>(*flag));
    const PropertyValue* name = findProperty(outer, {"name"});
    ASSERT_NE(nullptr, name);
    EXPECT_EQ("A4", std::get<std::string>(*name));
    EXPECT_EQ(nullptr, findProperty(outer, {"ticket", "missing"}));
    EXPECT_EQ(nullptr, findProperty(outer, {"missing", "flag"}));
    // A text is no dictionary to look into.
    EXPECT_EQ(nullptr, findProperty(outer, {"name", "flag"}));
    EXPECT_EQ(nullptr, findProperty(PropertyDictionary{}, {"ticket"}));
}

TEST(PageFormat, CustomPaperPropertiesHoldTheFlagWhereThePageFormatKeepsIt) {
    for (const bool custom : {true, false}) {
        MemoryPageFormat page;
        page.setProperties(customPaperProperties(custom));
        const PropertyDictionary properties = page.properties();
        const PropertyValue* flag = findProperty(properties, {paperInfoTicketKey, customPaperKey});
        ASSERT_NE(nullptr, flag);
        ASSERT_NE(nullptr, std::get_if<bool>(flag));
        EXPECT_EQ(custom, std::get<bool>(*flag));
    }
    const MemoryPageFormat fresh;
    EXPECT_FALSE(fresh.paper().has_value());
    EXPECT_EQ(PageOrientation::portrait, fresh.orientation());
    EXPECT_TRUE(fresh.properties().entries.empty());
}

}  // namespace
}  // namespace pd
