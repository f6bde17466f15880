// Helpers shared by the PJL header tests.
#pragma once

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace pd::test {

// The header split into its lines, each without its CR LF. Fails the test when the text does not
// end with CR LF or holds a CR or LF anywhere else.
inline std::vector<std::string> headerLines(const std::string& header) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < header.size()) {
        const std::size_t end = header.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "header does not end with CR LF: " << header.substr(start);
            break;
        }
        const std::string line = header.substr(start, end - start);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

// True when line is one well-formed SET line: a name of capitals and digits, "=", then a value
// that is either bare (no quote, no control byte) or wholly inside one pair of quotes.
inline bool isWellFormedSetLine(const std::string& line) {
    static const std::regex form(R"(@PJL SET [A-Z0-9]+=("[^"\x00-\x1F\x7F]*"|[^"\x00-\x1F\x7F]*))");
    return std::regex_match(line, form);
}

}  // namespace pd::test
