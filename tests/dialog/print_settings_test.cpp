#include "dialog/print_settings.h"

#include <gtest/gtest.h>

namespace pd {
namespace {

TEST(MemoryPrintSettings, KeepsTypedValuesInKeyOrderAndRemovesOnNoValue) {
    MemoryPrintSettings settings;
    EXPECT_FALSE(settings.value("InputSlot").has_value());
    settings.setValue("b", std::string("text"));
    settings.setValue("a", std::int64_t{3});
    settings.setValue("c", true);
    settings.setValue("b", std::string("replaced"));
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c"}), settings.keys());
    EXPECT_EQ(PrintSettingValue(std::int64_t{3}), settings.value("a"));
    EXPECT_EQ("replaced", stringSetting(settings, "b"));
    // A value of another kind is present, but not a text.
    EXPECT_TRUE(settings.value("c").has_value());
    EXPECT_FALSE(stringSetting(settings, "c").has_value());
    EXPECT_FALSE(stringSetting(settings, "missing").has_value());

    settings.setValue("a", std::nullopt);
    settings.setValue("never-set", std::nullopt);
    EXPECT_EQ((std::vector<std::string>{"b", "c"}), settings.keys());
    EXPECT_FALSE(settings.value("a").has_value());
    // An empty text is a value like any other.
    settings.setValue("e", std::string());
    EXPECT_EQ((std::vector<std::pair<std::string, std::string>>{{"b", "replaced"}, {"e", ""}}),
              settings.stringEntries());
}

}  // namespace
}  // namespace pd
