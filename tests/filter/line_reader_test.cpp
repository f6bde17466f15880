#include "filter/line_reader.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "scripted_input.h"

namespace pd {
namespace {

// What the reader made of an input: the lines it returned, and the output with every line
// written after the bytes passed through ahead of it.
struct ReadAll {
    std::vector<std::string> lines;
    std::string output;
    ReadResult last = ReadResult::line;
};

ReadAll readAll(const std::string& input) {
    std::FILE* file = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), file);
    std::rewind(file);
    JobOutput out(-1);
    LineReader reader(file, out);
    ReadAll result;
    CurrentLine line;
    while ((result.last = reader.readLine(line)) == ReadResult::line) {
        result.lines.emplace_back(line.data, line.length);
        out.write(line.data, line.length);
    }
    std::fclose(file);
    result.output = out.captured();
    return result;
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
    for (int i = 0; input.size() < 3 * LineReader::readStep; ++i) {
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
    EXPECT_LE(reader.capacity(), LineReader::passThroughLimit + LineReader::limitTestStep);
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
    for (const char* piece : {"abc", "0123456789abcdef", "xy", "12345", "6789"}) out.write(piece);
    EXPECT_TRUE(out.flush());
    std::rewind(file);
    char text[64] = {};
    EXPECT_EQ(std::fread(text, 1, sizeof text, file), 30u);
    EXPECT_STREQ(text, "abc0123456789abcdefxy123456789");
    std::fclose(file);
}

}  // namespace
}  // namespace pd
