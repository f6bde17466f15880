#include "filter/pjl/pjl_line.h"

#include <gtest/gtest.h>

#include <string>

namespace pd {
namespace {

struct QuotingCase {
    std::string value;
    int forceQuotes;
    std::string line;
};

TEST(PjlSetLine, QuotesByTheRule) {
    const QuotingCase cases[] = {
        {"1200", 0, "@PJL SET X=1200\r\n"},
        {"ON", 0, "@PJL SET X=ON\r\n"},
        {"N2", 0, "@PJL SET X=N2\r\n"},
        {"-25", 0, "@PJL SET X=-25\r\n"},
        {"-", 0, "@PJL SET X=-\r\n"},
        {"-.5", 0, "@PJL SET X=\"-.5\"\r\n"},
        {"-A", 0, "@PJL SET X=\"-A\"\r\n"},
        {"2-", 0, "@PJL SET X=\"2-\"\r\n"},
        {"1,BLACK,", 0, "@PJL SET X=\"1,BLACK,\"\r\n"},
        {"A B", 0, "@PJL SET X=\"A B\"\r\n"},
        {"1.5", 0, "@PJL SET X=\"1.5\"\r\n"},
        {"12:30", 0, "@PJL SET X=\"12:30\"\r\n"},
        {"TYPE_1", 0, "@PJL SET X=\"TYPE_1\"\r\n"},
        {"caf\xC3\xA9", 0, "@PJL SET X=\"caf\xC3\xA9\"\r\n"},
        {"", 0, "@PJL SET X=\r\n"},
        {"", 1, "@PJL SET X=\"\"\r\n"},
        {"42", 1, "@PJL SET X=\"42\"\r\n"},
        {"42", 2, "@PJL SET X=42\r\n"},
    };
    for (const QuotingCase& c : cases) {
        EXPECT_EQ(pjlSetLine("X", c.value, c.forceQuotes), c.line) << c.value;
    }
}

TEST(PjlSetLine, EmptyNameGivesNoLine) {
    EXPECT_EQ(pjlSetLine("", "ON", 0), "");
    EXPECT_EQ(pjlSetLine("", "ON", 1), "");
    EXPECT_EQ(pjlSetLineText("", "ON"), "");
}

TEST(PjlSetLineText, NullValueGivesNoLine) {
    EXPECT_EQ(pjlSetLineText("X", nullptr), "");
    EXPECT_EQ(pjlSetLineText("X", ""), "@PJL SET X=\r\n");
    EXPECT_EQ(pjlSetLineText("X", "a b"), "@PJL SET X=\"a b\"\r\n");
}

// A value must never be able to close its quotes or its line: whatever it holds, the result is
// one line with exactly two quotes, ending in the only CR LF.
TEST(PjlSetLine, ValuesCannotBreakOutOfTheirLine) {
    const std::string hostile = "x\"\r\n@PJL SET HOLD=OFF\r\n\"\t\x01\x7F";
    for (int force : {0, 1}) {
        const std::string line = pjlSetLine("JOBNAME", hostile, force);
        EXPECT_EQ(line, "@PJL SET JOBNAME=\"x'  @PJL SET HOLD=OFF  '   \"\r\n");
        EXPECT_EQ(line.find("\r\n"), line.size() - 2);
        EXPECT_EQ(line.find('\n'), line.size() - 1);
    }
}

TEST(PjlSafeValue, ReplacesQuotesAndControlBytesOnly) {
    EXPECT_EQ(pjlSafeValue("a\"b"), "a'b");
    EXPECT_EQ(pjlSafeValue(std::string("\0\x1F\x7F", 3)), "   ");
    EXPECT_EQ(pjlSafeValue("\x20~\x80\xFF'"), "\x20~\x80\xFF'");
}

TEST(PjlSetLine, QuoteInBareCandidateIsQuotedAfterReplacement) {
    EXPECT_EQ(pjlSetLine("X", "\"", 0), "@PJL SET X=\"'\"\r\n");
    EXPECT_EQ(pjlSetLine("X", "-1\n", 0), "@PJL SET X=\"-1 \"\r\n");
}

}  // namespace
}  // namespace pd
