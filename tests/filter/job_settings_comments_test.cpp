#include "filter/job_settings_comments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pd {
namespace {

std::vector<std::string> splitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "every line ends in CR LF";
    return lines;
}

TEST(DscCommentLines, FillsLinesOf160Characters) {
    const std::string key = "TALVO-JobSettings";
    struct Case {
        std::size_t valueLength;
        std::vector<std::size_t> lineLengths;
    } cases[] = {
        {0, {21}},   {1, {22}}, {139, {160, 4}}, {140, {160, 5}}, {139 + 156, {160, 160, 4}},
        {34112, {}},
    };
    for (const Case& c : cases) {
        std::string value;
        for (std::size_t i = 0; i < c.valueLength; ++i) value += static_cast<char>('A' + i % 26);
        const std::vector<std::string> lines = splitCrLf(dscCommentLines(key, value));
        std::string joined;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string head = i == 0 ? "%%" + key + ": " : "%%+ ";
            ASSERT_EQ(lines[i].substr(0, head.size()), head);
            EXPECT_LE(lines[i].size(), 160u);
            joined += lines[i].substr(head.size());
        }
        EXPECT_EQ(joined, value);
        if (!c.lineLengths.empty()) {
            std::vector<std::size_t> lengths;
            for (const std::string& line : lines) lengths.push_back(line.size());
            EXPECT_EQ(lengths, c.lineLengths) << c.valueLength;
        } else {
            // The record's own comment: 219 lines, the last carrying 121 characters.
            EXPECT_EQ(lines.size(), 219u);
            EXPECT_EQ(lines.back().size(), 125u);
        }
    }
}

TEST(DscCommentLines, AnEmptyKeyGivesNoLine) {
    EXPECT_EQ(dscCommentLines("", "abc"), "");
}

TEST(DscCommentLines, AKeyThatFillsTheFirstLineLeavesTheValueToContinuationLines) {
    const std::string key(156, 'K');
    EXPECT_EQ(dscCommentLines(key, "abc"), "%%" + key + ": \r\n%%+ abc\r\n");
}

}  // namespace
}  // namespace pd
