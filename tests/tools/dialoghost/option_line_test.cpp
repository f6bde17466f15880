#include "tools/dialoghost/option_line.h"

#include <cups/cups.h>
#include <gtest/gtest.h>

namespace pd {
namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

Entries parsed(const std::string& line) {
    cups_option_t* options = nullptr;
    const int count = cupsParseOptions(line.c_str(), 0, &options);
    Entries entries;
    for (int i = 0; i < count; ++i) entries.emplace_back(options[i].name, options[i].value);
    cupsFreeOptions(count, options);
    return entries;
}

TEST(OptionLine, IsReadBackByCupsAsItWasWritten) {
    const Entries entries = {
        {"AP_D_InputSlot", ""},           {"InputSlot", "Tray3"},    {"S_PCD0001", "AAEC+/9=="},
        {"blanks", "a b\tc\nd"},          {"quotes", "it's \"so\""}, {"escapes", "back\\slash\\"},
        {"braces", "{not a collection}"}, {"unicode", "Größe 設定"}, {"equals", "a=b"},
    };
    const std::string line = formatOptionLine(entries);
    Entries expected = entries;
    std::sort(expected.begin(), expected.end());
    Entries actual = parsed(line);
    std::sort(actual.begin(), actual.end());
    EXPECT_EQ(expected, actual) << line;
    EXPECT_EQ("AP_D_InputSlot='' InputSlot=Tray3",
              formatOptionLine(Entries(entries.begin(), entries.begin() + 2)));
}

TEST(OptionLine, LeavesOutNamesThatCannotBeReadBack) {
    EXPECT_EQ("ok=1",
              formatOptionLine(
                  {{"", "x"}, {"a b", "x"}, {"a=b", "x"}, {"a'", "x"}, {"a\\", "x"}, {"ok", "1"}}));
    EXPECT_EQ("", formatOptionLine({}));
}

}  // namespace
}  // namespace pd
