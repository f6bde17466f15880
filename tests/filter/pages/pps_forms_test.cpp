#include "filter/pages/pps_forms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pd {
namespace {

PdCoreData withForms(const PageFormList& forms) {
    PdCoreData record;
    encodePageFormList(forms, record.DtPageSpecificForms.bytes, 1028);
    return record;
}

std::vector<std::string> lines(const PageFormList& forms, bool* fits = nullptr) {
    PageFormList decoded;
    std::vector<std::string> result;
    const bool ok = buildPageSpecificFormLines(withForms(forms), decoded, result);
    if (fits != nullptr) *fits = ok;
    return result;
}

// Ranges of single pages 1, 3, 5 ... (never adjacent), count of them.
PageRangeList oddPages(std::uint16_t from, std::size_t count) {
    PageRangeList pages;
    for (std::size_t i = 0; i < count; ++i) {
        const auto page = static_cast<std::uint16_t>(from + 2 * i);
        pages.push_back({page, page});
    }
    return pages;
}

TEST(PageSpecificForms, EmptyAndSimpleLists) {
    bool fits = false;
    EXPECT_TRUE(lines({}, &fits).empty());
    EXPECT_TRUE(fits);
    EXPECT_EQ(lines({{3, {{1, 2}}}, {7, {{5, 5}}}}), (std::vector<std::string>{"3:1:1-2 7:1:5"}));
    EXPECT_EQ(lines({{3, {{1, 2}, {9, 9}}}, {noForm, {{4, 4}}}, {8, {}}}),
              (std::vector<std::string>{"3:1:1-2,9"}));

    PageFormList decoded;
    std::vector<std::string> result;
    buildPageSpecificFormLines(withForms({{3, {{1, 2}}}}), decoded, result);
    ASSERT_EQ(decoded.size(), 1u);
    EXPECT_EQ(decoded[0].form, 3u);
}

TEST(PageSpecificForms, LineOfExactly256CharactersIsTakenWhole) {
    // "1:1:" and 126 ranges "a,b": 4 + 126 * 2 - 1 + ... built to land on 256 exactly.
    PageRangeList pages = oddPages(1, 5);  // "1,3,5,7,9" = 9 characters
    pages.push_back({11, 11});
    // 4 ("1:1:") + 12 ("1,3,5,7,9,11") = 16; pad with four-digit pages: each ",dddd" is 5.
    for (std::uint16_t page = 1001; pages.size() < 54; page += 2) pages.push_back({page, page});
    bool fits = false;
    const std::vector<std::string> result = lines({{1, pages}}, &fits);
    ASSERT_EQ(result.size(), 1u);
    EXPECT_EQ(result[0].size(), 256u);
    EXPECT_TRUE(fits);

    pages.push_back({2001, 2001});
    const std::vector<std::string> split = lines({{1, pages}});
    ASSERT_EQ(split.size(), 2u);
    EXPECT_EQ(split[0], result[0]);
    EXPECT_EQ(split[1], "1:1:2001");
}

TEST(PageSpecificForms, FullLineIsClosedBeforeTheNextForm) {
    PageRangeList pages;
    for (std::uint16_t page = 1001; pages.size() < 50; page += 2) pages.push_back({page, page});
    const std::vector<std::string> first = lines({{1, pages}});
    ASSERT_EQ(first.size(), 1u);
    ASSERT_EQ(first[0].size(), 4u + 50 * 5 - 1);  // 253: room for nothing after " 7:1:"
    const std::vector<std::string> result = lines({{1, pages}, {7, {{5, 5}}}});
    EXPECT_EQ(result, (std::vector<std::string>{first[0], "7:1:5"}));
}

TEST(PageSpecificForms, FormSpreadOverLinesKeepsItsFirstRoom) {
    PageRangeList head;
    for (std::uint16_t page = 1001; head.size() < 40; page += 2) head.push_back({page, page});
    PageRangeList pages;
    for (std::uint16_t page = 3001; pages.size() < 100; page += 2) pages.push_back({page, page});
    bool fits = true;
    const std::vector<std::string> result = lines({{1, head}, {22, pages}}, &fits);
    // Line 1: "1:1:" and 40 pages (203 characters), then " 22:1:" leaves 256 - 209 = 47.
    ASSERT_GE(result.size(), 3u);
    EXPECT_EQ(result[0].substr(0, 4), "1:1:");
    EXPECT_LE(result[0].size(), 256u);
    for (std::size_t i = 1; i < result.size(); ++i) {
        EXPECT_EQ(result[i].substr(0, 5), "22:1:");
        EXPECT_LE(result[i].size(), 5u + 47u);
    }
    std::string all;
    for (const std::string& line : result) all += line + "\n";
    EXPECT_NE(all.find("3001"), std::string::npos);
    EXPECT_NE(all.find("3199"), std::string::npos);
    EXPECT_EQ(fits, result.size() < 4);
}

TEST(PageSpecificForms, FourLinesOrMoreDoNotFit) {
    PageRangeList pages;
    for (std::uint16_t page = 1001; pages.size() < 400; page += 2) pages.push_back({page, page});
    bool fits = true;
    const std::vector<std::string> result = lines({{5, pages}}, &fits);
    EXPECT_FALSE(fits);
    ASSERT_EQ(result.size(), 8u);  // 400 pages of 5 characters, 50 per line after "5:1:"
    for (const std::string& line : result) {
        EXPECT_LE(line.size(), 256u);
        EXPECT_EQ(line.substr(0, 4), "5:1:");
    }
    pages.resize(150);
    EXPECT_EQ(lines({{5, pages}}, &fits).size(), 3u);
    EXPECT_TRUE(fits);
}

}  // namespace
}  // namespace pd
