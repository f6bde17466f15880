#include "filter/job_settings_comments.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "filter/job_output.h"
#include "filter/job_services.h"
#include "written_comments.h"

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
        const std::vector<std::string> lines = splitCrLf(test::dscCommentLinesText(key, value));
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
    EXPECT_EQ(test::dscCommentLinesText("", "abc"), "");
}

TEST(DscCommentLines, AKeyThatFillsTheFirstLineLeavesTheValueToContinuationLines) {
    const std::string key(156, 'K');
    EXPECT_EQ(test::dscCommentLinesText(key, "abc"), "%%" + key + ": \r\n%%+ abc\r\n");
}

// The comments go out piece by piece between what the output holds before and after them: through
// a descriptor, with blocks smaller and larger than a piece, the bytes are those of the whole
// text, in place.
TEST(JobSettingsComments, GoOutWholeAndInPlaceThroughADescriptor) {
    PdCoreData record = jobDefaultRecord();
    record.DtPdfPassword.assign("pdf secret");
    record.DtOutputMethodFileName.assign("kept");
    const std::string expected = "before\n" + test::jobSettingsCommentsText(record) + "after\n";
    for (const std::size_t blockSize :
         {std::size_t{100}, std::size_t{5000}, std::size_t{64 << 10}}) {
        std::FILE* file = std::tmpfile();
        ASSERT_NE(file, nullptr);
        {
            JobOutput output(fileno(file), blockSize);
            output.write("before\n");
            writeJobSettingsComments(output, record);
            output.write("after\n");
            EXPECT_TRUE(output.flush());
        }
        std::string written(expected.size() + 16, '\0');
        std::rewind(file);
        written.resize(std::fread(written.data(), 1, written.size(), file));
        std::fclose(file);
        EXPECT_TRUE(written == expected) << "block of " << blockSize;
    }
}

TEST(JobSettingsComments, AFailedOutputStaysFailed) {
    const int full = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(full, 0);
    JobOutput output(full);
    output.write("before\n");
    writeJobSettingsComments(output, jobDefaultRecord());
    EXPECT_TRUE(output.failed());
    EXPECT_FALSE(output.flush());
    ::close(full);
}

}  // namespace
}  // namespace pd
