#include "core/rules/custom_papers.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/custom_papers.h"

namespace pd {
namespace {

CustomPaperPreferences fakePapers() {
    CustomPaperPreferences papers;
    papers.push_back(CustomPaperPreference{"Photo", true});
    papers.push_back(std::nullopt);  // a value that is not a dictionary
    papers.push_back(CustomPaperPreference{std::nullopt, true});
    papers.push_back(CustomPaperPreference{"Plain", std::nullopt});
    // 126 ASCII bytes and a three-byte character: cut before the character.
    papers.push_back(CustomPaperPreference{std::string(126, 'n') + "\xE2\x82\xAC", false});
    return papers;
}

TEST(LoadCustomPapers, TakesEveryDictionaryInOrderWithBoundedNames) {
    setCustomPaperReader(fakePapers);
    std::vector<CustomPaper> papers;
    papers.push_back(CustomPaper{});  // appends to what the list holds
    loadCustomPapers(papers);
    setCustomPaperReader(nullptr);
    ASSERT_EQ(5u, papers.size());
    EXPECT_EQ("Photo", std::string(papers[1].name));
    EXPECT_EQ(1u, papers[1].fromEngine);
    EXPECT_EQ("", std::string(papers[2].name));
    EXPECT_EQ(1u, papers[2].fromEngine);
    EXPECT_EQ("Plain", std::string(papers[3].name));
    EXPECT_EQ(0u, papers[3].fromEngine);
    EXPECT_EQ(std::string(126, 'n'), std::string(papers[4].name));
    EXPECT_EQ('\0', papers[4].name[127]);
}

TEST(LoadCustomPapers, AProcessWithoutAReaderReadsNone) {
    std::vector<CustomPaper> papers;
    loadCustomPapers(papers);
    EXPECT_TRUE(papers.empty());
}

}  // namespace
}  // namespace pd
