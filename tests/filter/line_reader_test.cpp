#include "filter/line_reader.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "scripted_input.h"

namespace pd {
namespace {

// What the reader made of an input: the pieces it returned (a line that went to the output as it
// arrived comes back as its head, handled), and the output with every other piece written after
// the bytes passed on ahead of it.
struct ReadAll {
    std::vector<std::string> lines;
    std::vector<bool> handled;
    std::string output;
    ReadResult last = ReadResult::line;
    std::size_t largestFill = 0;
};

ReadAll readAll(const std::string& input, LineHandling handling = {}) {
    std::FILE* file = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), file);
    std::rewind(file);
    JobOutput out(-1);
    LineReader reader(file, out, nullptr, std::move(handling));
    ReadAll result;
    CurrentLine line;
    while ((result.last = reader.readLine(line)) == ReadResult::line) {
        result.lines.emplace_back(line.data, line.length);
        result.handled.push_back(line.handled);
        if (!line.handled) out.write(line.data, line.length);
    }
    std::fclose(file);
    result.output = out.captured();
    result.largestFill = reader.largestFill();
    return result;
}

// The input cut after each CR or LF, with each line's offset.
struct OffsetLine {
    std::size_t offset;
    std::string text;
};
std::vector<OffsetLine> cutLines(const std::string& input) {
    std::vector<OffsetLine> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < input.size(); ++i) {
        if (input[i] != '\r' && input[i] != '\n') continue;
        lines.push_back({start, input.substr(start, i + 1 - start)});
        start = i + 1;
    }
    if (start < input.size()) lines.push_back({start, input.substr(start)});
    return lines;
}

// Whether a line passes through unexamined: it has not ended at the first multiple of
// limitTestStep that lies more than passThroughLimit bytes after its start.
bool passesThrough(const OffsetLine& line, bool ended) {
    const std::size_t test = (line.offset + LineReader::passThroughLimit) /
                                 LineReader::limitTestStep * LineReader::limitTestStep +
                             LineReader::limitTestStep;
    const std::size_t end = line.offset + line.text.size() - (ended ? 1 : 0);
    return end >= test;
}

TEST(LineReader, CutsAfterEachCrOrLfKeepingEveryByte) {
    struct Case {
        std::string input;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a\r\nb\n", {"a\r", "\n", "b\n"}},
        {"a\rb\rc", {"a\r", "b\r", "c"}},
        {"\n\n", {"\n", "\n"}},
        {std::string("x\0y\nz\0", 6), {std::string("x\0y\n", 4), std::string("z\0", 2)}},
    };
    for (const Case& c : cases) {
        const ReadAll got = readAll(c.input);
        EXPECT_EQ(got.lines, c.lines);
        EXPECT_EQ(got.output, c.input);
        EXPECT_EQ(got.last, ReadResult::endOfInput);
    }
}

TEST(LineReader, LinesAcrossReadStepsComeBackWhole) {
    std::string input;
    std::vector<std::string> expected;
    for (int i = 0; input.size() < 3 * defaultReadStep; ++i) {
        std::string line(static_cast<std::size_t>(i % 997), 'p');
        line += (i % 3 == 0) ? "\r" : "\n";
        expected.push_back(line);
        input += line;
    }
    const ReadAll got = readAll(input);
    EXPECT_EQ(got.lines, expected);
}

TEST(LineReader, LinesUpToTheLimitAreReturnedWhole) {
    // The limit is tested before each mebibyte of input is read: a line of 5.5 MiB ends before
    // the test that would find more than 5 MiB held, so it is examined like any other line.
    for (const std::size_t length :
         {LineReader::passThroughLimit - 1, LineReader::passThroughLimit,
          LineReader::passThroughLimit + LineReader::passThroughLimit / 10,
          LineReader::passThroughLimit + LineReader::limitTestStep - 1}) {
        const std::string line = "%%Page: " + std::string(length - 9, 'h') + "\n";
        const ReadAll got = readAll(line + "%%Page: 1 1\n");
        ASSERT_EQ(got.lines.size(), 2u) << length;
        EXPECT_TRUE(got.lines[0] == line) << length;
        EXPECT_EQ(got.lines[1], "%%Page: 1 1\n");
    }
}

TEST(LineReader, TheLimitIsTestedAtEachMebibyteOfInput) {
    // Whether a long line is examined depends on where it starts between two tests, not on how
    // the input is cut into reads. A line of 5.5 MiB that starts at a test ends before the test
    // that would find more than 5 MiB of it; one that starts half-way between two tests holds
    // 5.5 MiB at the sixth test after its start and passes through.
    const std::string shortLines(LineReader::limitTestStep, '\n');
    const std::string longLine =
        std::string(LineReader::passThroughLimit + LineReader::passThroughLimit / 10, 'l') + "\n";
    for (const std::size_t lead : {std::size_t{0}, LineReader::limitTestStep / 2}) {
        const std::string input = shortLines.substr(lead) + longLine + "%%Trailer\n";
        const ReadAll got = readAll(input);
        EXPECT_TRUE(got.output == input);
        ASSERT_FALSE(got.lines.empty());
        EXPECT_EQ(got.lines.back(), "%%Trailer\n");
        const bool longLineReturned = got.lines[got.lines.size() - 2] == longLine;
        EXPECT_EQ(longLineReturned, lead == 0) << lead;
    }
}

TEST(LineReader, AnOverlongLinePassesThroughUnexamined) {
    const std::string huge(6 * 1024 * 1024, 'q');
    for (const std::string& tail : {std::string("\r%%Trailer\n"), std::string()}) {
        const std::string input = huge + tail;
        const ReadAll got = readAll(input);
        EXPECT_TRUE(got.output == input);
        if (tail.empty()) {
            EXPECT_TRUE(got.lines.empty());
        } else {
            EXPECT_EQ(got.lines, std::vector<std::string>{"%%Trailer\n"});
        }
    }
}

TEST(LineReader, AFailedPassThroughStopsTheReading) {
    std::FILE* file = std::tmpfile();
    const std::string block(1 << 20, 'r');
    for (int i = 0; i < 24; ++i) std::fwrite(block.data(), 1, block.size(), file);
    std::rewind(file);
    const int full = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(full, 0);
    JobOutput out(full);
    LineReader reader(file, out);
    CurrentLine line;
    EXPECT_EQ(reader.readLine(line), ReadResult::failed);
    EXPECT_LT(std::ftell(file), 8L << 20);
    ::close(full);
    std::fclose(file);
}

// Inputs for a read step: short lines (under a step) whose ends fall at and around the reads'
// boundaries, among them a CR LF cut between two reads and a line that ends on the last byte of a
// read; long ones (two steps or more), held or not, ending before the limit or passing through;
// unterminated last lines. Between one and two steps, whether a line is long depends on where
// the reads cut it, so no line here has such a length.
std::vector<std::string> readerInputs(std::size_t step) {
    std::string acrossReads;
    for (int i = 0; acrossReads.size() < 3 * step + 1000; ++i) {
        acrossReads +=
            (i % 4 == 0 ? "%%Page: " : "p ") +
            std::string(static_cast<std::size_t>(i * 37) % std::min<std::size_t>(1500, step - 10),
                        'x');
        acrossReads += i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\r" : "\n";
    }
    const std::string padded =
        std::string(step - 2, 'a') + "\r\n%%b\n" + std::string(step - 5, 'c') + "\n%%d\n";
    const std::string longPercent = "%%Page: " + std::string(3 << 20, 'h') + "\r\n";
    const std::string longOrdinary = "<" + std::string(3 << 20, 'f') + ">\r";
    const std::string overLimit = "%%Trailer " + std::string(7 << 20, 't') + "\n";
    return {
        "",
        "a\r\nb\n%c\rd",
        acrossReads,
        padded,
        acrossReads + longPercent + "%%Trailer\n" + longOrdinary + "\n" + longPercent + "end",
        "%%x\n" + longOrdinary + overLimit + "%%EOF\r\n" + longPercent,
        "q\n" + std::string(3 * step, 'u'),
        "%%" + std::string(3 * step, 'u'),
        "%\n" + overLimit.substr(0, overLimit.size() - 1),
    };
}

// The pieces that a reader returns, cut into lines, are the input's lines less those that pass
// through; the long ones that the hold test lets go come back as their heads, already written;
// the output keeps every byte in order.
TEST(LineReader, HandlingsReturnTheLinesTheyMustAndPassTheRestOn) {
    const auto percentOnly = [](std::string_view head) { return head.front() == '%'; };
    const struct {
        const char* what;
        bool runs;
        std::function<bool(std::string_view)> mustHold;
    } handlings[] = {
        {.what = "each line held", .runs = false, .mustHold = {}},
        {.what = "runs, every line held",
         .runs = true,
         .mustHold = [](std::string_view) { return true; }},
        {.what = "runs, no line held",
         .runs = true,
         .mustHold = [](std::string_view) { return false; }},
        {.what = "lines, \"%\" lines held", .runs = false, .mustHold = percentOnly},
        {.what = "runs, \"%\" lines held", .runs = true, .mustHold = percentOnly},
    };
    for (const std::size_t step : {defaultReadStep, std::size_t{64}}) {
        const std::vector<std::string> inputs = readerInputs(step);
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            const std::string& input = inputs[i];
            for (const auto& handling : handlings) {
                SCOPED_TRACE(testing::Message()
                             << "step " << step << ", input " << i << ", " << handling.what);
                std::vector<std::string> expected;
                std::vector<bool> expectedHandled;
                for (const OffsetLine& line : cutLines(input)) {
                    const bool ended = line.text.back() == '\r' || line.text.back() == '\n';
                    if (passesThrough(line, ended)) continue;
                    const bool isLong = line.text.size() - (ended ? 1 : 0) >= 2 * step;
                    const bool letGo = isLong && handling.mustHold &&
                                       !handling.mustHold(line.text.substr(0, step));
                    expected.push_back(letGo ? line.text.substr(0, step) : line.text);
                    expectedHandled.push_back(letGo);
                }
                const ReadAll got = readAll(input, {handling.runs, handling.mustHold, step});
                EXPECT_EQ(got.last, ReadResult::endOfInput);
                EXPECT_TRUE(got.output == input);
                std::vector<std::string> lines;
                std::vector<bool> handled;
                for (std::size_t p = 0; p < got.lines.size(); ++p) {
                    const std::string& piece = got.lines[p];
                    const std::vector<OffsetLine> cut =
                        got.handled[p] ? std::vector<OffsetLine>{{0, piece}} : cutLines(piece);
                    // A run holds no line that begins with "%"; a "%" line comes alone.
                    if (piece.front() == '%' || !handling.runs) {
                        EXPECT_EQ(cut.size(), 1u);
                    }
                    for (const OffsetLine& line : cut) {
                        if (piece.front() != '%') {
                            EXPECT_NE(line.text.front(), '%');
                        }
                        lines.push_back(line.text);
                        handled.push_back(got.handled[p]);
                    }
                }
                ASSERT_EQ(lines.size(), expected.size());
                for (std::size_t n = 0; n < lines.size(); ++n) {
                    EXPECT_TRUE(lines[n] == expected[n]) << n;
                }
                EXPECT_EQ(handled, expectedHandled);
            }
        }
    }
}

// A line that the caller lets go costs no memory beyond a read step or two, however long; one
// that it holds costs its length and no more than a read besides.
TEST(LineReader, MemoryFollowsTheHeldLinesOnly) {
    const std::string job = "%!PS\n<" + std::string(3 << 20, '0') +
                            ">\n%%Page: " + std::string(4 << 20, '1') + "\n%%EOF\n";
    const ReadAll got = readAll(job, {true, [](std::string_view head) { return head[0] == '%'; }});
    EXPECT_TRUE(got.output == job);
    ASSERT_EQ(got.lines.size(), 4u);
    EXPECT_EQ(got.handled, (std::vector<bool>{false, true, false, false}));
    EXPECT_EQ(got.lines[1], job.substr(5, defaultReadStep));
    EXPECT_EQ(got.lines[2].size(), (4u << 20) + 9);
    EXPECT_GE(got.largestFill, got.lines[2].size());
    EXPECT_LE(got.largestFill, got.lines[2].size() + 2 * defaultReadStep);

    const std::string longer = job + "<" + std::string(16 << 20, '2') + ">\n";
    const ReadAll streamed = readAll(longer, {true, [](std::string_view) { return false; }});
    EXPECT_TRUE(streamed.output == longer);
    // The first buffer, two read steps, which holds the head and the read after it: no growth.
    EXPECT_LE(streamed.largestFill, 2 * defaultReadStep);
}

TEST(LineReader, MemoryStaysBoundedWithoutLineEnds) {
    std::FILE* file = std::tmpfile();
    const std::string block(1 << 20, 'r');
    for (int i = 0; i < 24; ++i) std::fwrite(block.data(), 1, block.size(), file);
    std::rewind(file);
    JobOutput out(-1);
    LineReader reader(file, out);
    CurrentLine line;
    while (reader.readLine(line) == ReadResult::line) out.write(line.data, line.length);
    EXPECT_EQ(out.captured().size(), 24u << 20);
    EXPECT_LE(reader.largestFill(), reader.bufferSize());
    std::fclose(file);
}

TEST(LineReader, InputThatCannotBeReadFailsItsFirstRead) {
    std::FILE* file = std::fopen(PD_SOURCE_DIR, "rb");  // a folder: every read fails
    ASSERT_NE(file, nullptr);
    JobOutput out(-1);
    LineReader reader(file, out);
    EXPECT_FALSE(reader.start());
    CurrentLine line;
    EXPECT_EQ(reader.readLine(line), ReadResult::failed);
    std::fclose(file);

    test::ScriptedInput empty;
    std::FILE* stream = empty.open();
    LineReader emptyReader(stream, out);
    EXPECT_TRUE(emptyReader.start()) << "an empty input is read successfully";
    EXPECT_EQ(emptyReader.readLine(line), ReadResult::endOfInput);
    std::fclose(stream);
}

// Input that ends early, for a read error or a cancel, still gives every byte read before it,
// the last line without its end, and is then reported failed.
TEST(LineReader, InputThatEndsEarlyGivesItsBytesThenFails) {
    volatile std::sig_atomic_t stop = 0;
    test::ScriptedInput failing{.pieces = {"%!PS\nline one\npart"}, .failsAtEnd = true};
    test::ScriptedInput cancelled{
        .pieces = {"%!PS\nline one\npart", "ial\n"}, .stop = &stop, .stopAfter = 1};
    for (test::ScriptedInput* input : {&failing, &cancelled}) {
        std::FILE* stream = input->open();
        JobOutput out(-1);
        LineReader reader(stream, out, &stop);
        ASSERT_TRUE(reader.start());
        std::vector<std::string> lines;
        CurrentLine line;
        ReadResult result;
        while ((result = reader.readLine(line)) == ReadResult::line)
            lines.emplace_back(line.view());
        EXPECT_EQ(result, ReadResult::failed);
        EXPECT_EQ(lines, (std::vector<std::string>{"%!PS\n", "line one\n", "part"}));
        EXPECT_EQ(reader.readLine(line), ReadResult::failed);
        std::fclose(stream);
    }
    EXPECT_EQ(cancelled.taken, 1u) << "nothing is read after the stop";

    // A stop that comes before a read: nothing more is read at all.
    test::ScriptedInput waiting{.pieces = {"%!PS\n"}};
    std::FILE* stream = waiting.open();
    JobOutput out(-1);
    LineReader reader(stream, out, &stop);
    EXPECT_FALSE(reader.start());
    EXPECT_EQ(waiting.reads, 0u);
    std::fclose(stream);
}

TEST(JobOutput, AFailedWriteIsKeptAndStopsFurtherOutput) {
    std::FILE* readOnly = std::fopen("/dev/null", "rb");
    JobOutput out(fileno(readOnly), 16);
    out.write("some bytes");
    EXPECT_FALSE(out.flush());
    EXPECT_TRUE(out.failed());
    std::fclose(readOnly);
}

TEST(JobOutput, KeepsTheOrderOfSmallAndLargePieces) {
    std::FILE* file = std::tmpfile();
    JobOutput out(fileno(file), 8);
    for (const char* piece : {"abc", "0123456789abcdef", "xy", "12345", "6789", "D", "e", "fgh"})
        out.write(piece);
    EXPECT_TRUE(out.flush());
    std::rewind(file);
    char text[64] = {};
    EXPECT_EQ(std::fread(text, 1, sizeof text, file), 35u);
    EXPECT_STREQ(text, "abc0123456789abcdefxy123456789Defgh");
    std::fclose(file);
}

}  // namespace
}  // namespace pd
