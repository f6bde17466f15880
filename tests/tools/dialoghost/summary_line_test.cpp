#include "tools/dialoghost/summary_line.h"

#include <gtest/gtest.h>

namespace pd {
namespace {

TEST(SummaryLine, IsOneLineOfTwoTabSeparatedFields) {
    const struct {
        const char* title;
        const char* value;
        const char* line;
    } cases[] = {
        {"Paper Size", "Poster (8.50x11.00 inch)", "Paper Size\tPoster (8.50x11.00 inch)"},
        {"\xE7\x94\xA8\xE7\xB4\x99", "", "\xE7\x94\xA8\xE7\xB4\x99\t"},
        {"", "", "\t"},
        {"A\tB", "line\nbreak\r", "A\\tB\tline\\nbreak\\r"},
        {"back\\slash", "C:\\t", "back\\\\slash\tC:\\\\t"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.line, formatSummaryLine(c.title, c.value));
}

}  // namespace
}  // namespace pd
