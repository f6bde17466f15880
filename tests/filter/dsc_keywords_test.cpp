#include "filter/dsc_keywords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace pd {
namespace {

// The keyword by brute force: the one whose text the line begins with.
DscKeyword keywordByComparison(const std::string& line) {
    for (std::size_t i = 1; i < dscKeywordCount; ++i) {
        if (lineStartsWith(line, dscKeywordTexts[i].view())) return static_cast<DscKeyword>(i);
    }
    return DscKeyword::none;
}

// Every keyword, cut short, lengthened and with each byte changed, and lines near them: the
// quick tests of the first bytes give what comparing with every keyword gives.
TEST(DscKeywords, TheFirstBytesTellWhatAFullComparisonTells) {
    std::vector<std::string> lines = {"",
                                      "%",
                                      "%%",
                                      "%%B",
                                      "%%Pages: 2\n",
                                      "%%+ more\n",
                                      "%!PS-Adobe\n",
                                      "%%Page",
                                      "%%End\n",
                                      "%%BeginSetupX",
                                      "x%%Page: 1 1\n"};
    for (std::size_t i = 1; i < dscKeywordCount; ++i) {
        const std::string text(dscKeywordTexts[i].view());
        lines.push_back(text);
        lines.push_back(text + " 1 1\r\n");
        lines.push_back(text.substr(0, text.size() - 1));
        for (std::size_t at = 0; at < text.size(); ++at) {
            for (const char other : {'\0', 'e', 'o', 'u', 'a', 'i', ':', 'T', '\n'}) {
                std::string changed = text + "\n";
                changed[at] = other;
                lines.push_back(changed);
            }
        }
    }
    for (const std::string& line : lines) {
        EXPECT_EQ(dscKeywordOf(line), keywordByComparison(line)) << line;
    }
    EXPECT_EQ(dscKeywordOf("%%Page: 1 1\n"), DscKeyword::page);
    EXPECT_EQ(dscKeywordOf("%%EndComments\r"), DscKeyword::endComment);
}

// No keyword begins another, so a line names at most one, and the longest decides how much of a
// line must be seen.
TEST(DscKeywords, NoKeywordBeginsAnother) {
    std::size_t longest = 0;
    for (std::size_t i = 1; i < dscKeywordCount; ++i) {
        longest = std::max(longest, dscKeywordTexts[i].view().size());
        for (std::size_t j = 1; j < dscKeywordCount; ++j) {
            if (i != j) {
                EXPECT_FALSE(dscKeywordTexts[j].view().starts_with(dscKeywordTexts[i].view())) << i;
            }
        }
    }
    EXPECT_EQ(longest, dscKeywordReach);
}

}  // namespace
}  // namespace pd
