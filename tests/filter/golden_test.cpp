// End-to-end cases of psfilter: the program runs on a job with its options and environment, and
// its output and exit status are compared byte for byte with the expected ones.
//
// A case is a folder under tests/filter/golden/ holding:
//   options          the options argument (a final line feed is not part of it)
//   job.ps           the job (any bytes); absent for cases without input
//   args             optional: the arguments after the program name, one per line, "@options"
//                    and "@job" standing for the two above; by default "1 user title 1 @options
//                    @job". Without "@job" among them the job is given on standard input.
//                    "@top" stands for the repository's top folder, here and in env.
//   env              optional: the whole environment, NAME=VALUE per line
//                    (PPD=@top/data/ppd/durven-paltero.ppd)
//   expected.prn     the expected output, its job-settings record given as one "% Member=value"
//                    line per member that differs from the filter's default record
//                    (record_member_lines.h)
//   expected.status  the expected exit status
// With PD_REGENERATE_GOLDEN=1 in the environment the expectations are written instead of
// compared (scripts: tests/filter/golden/regenerate.sh); review the diff before committing it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "psfilter_process.h"
#include "record_member_lines.h"

namespace {

namespace fs = std::filesystem;

const fs::path goldenRoot = fs::path(PD_SOURCE_DIR) / "tests/filter/golden";
constexpr const char* testPpd = PD_SOURCE_DIR "/data/ppd/durven-paltero.ppd";

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
        text.replace(at, from.size(), to);
    }
}

using pd::test::FilterRun;
using pd::test::readFile;

std::vector<std::string> caseNames() {
    std::vector<std::string> names;
    if (!fs::is_directory(goldenRoot)) return names;
    for (const auto& entry : fs::directory_iterator(goldenRoot)) {
        if (entry.is_directory()) names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class GoldenCase : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenCase, OutputAndStatusMatch) {
    const fs::path dir = goldenRoot / GetParam();
    std::string options = readFile(dir / "options");
    if (!options.empty() && options.back() == '\n') options.pop_back();
    const fs::path jobPath = dir / "job.ps";
    const bool hasJob = fs::exists(jobPath);
    const std::vector<std::string> argLines =
        fs::exists(dir / "args")
            ? lines(readFile(dir / "args"))
            : std::vector<std::string>{"1", "user", "title", "1", "@options", "@job"};
    std::vector<std::string> args;
    bool jobAsArgument = false;
    for (const std::string& arg : argLines) {
        if (arg == "@options") {
            args.push_back(options);
        } else if (arg == "@job") {
            args.push_back(jobPath.string());
            jobAsArgument = true;
        } else {
            std::string value = arg;
            replaceAll(value, "@top", PD_SOURCE_DIR);
            args.push_back(value);
        }
    }
    std::vector<std::string> env;
    if (fs::exists(dir / "env")) {
        for (std::string entry : lines(readFile(dir / "env"))) {
            replaceAll(entry, "@top", PD_SOURCE_DIR);
            env.push_back(entry);
        }
    }
    FilterRun run =
        pd::test::runPsfilter(args, env, hasJob && !jobAsArgument ? jobPath.string() : "");
    run.output = pd::test::withRecordAsMemberLines(run.output, pd::test::commentedDefaultRecord());
    if (std::getenv("PD_REGENERATE_GOLDEN") != nullptr) {
        writeFile(dir / "expected.prn", run.output);
        writeFile(dir / "expected.status", std::to_string(run.status) + "\n");
        return;
    }
    EXPECT_EQ(std::to_string(run.status) + "\n", readFile(dir / "expected.status"));
    const std::string expected = readFile(dir / "expected.prn");
    EXPECT_TRUE(run.output == expected)
        << "output differs from " << (dir / "expected.prn") << " (" << run.output.size()
        << " bytes, " << expected.size() << " expected); first difference at byte "
        << (std::mismatch(run.output.begin(), run.output.end(), expected.begin(), expected.end())
                .first -
            run.output.begin());
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenCase, ::testing::ValuesIn(caseNames()),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

// The harness's reading of the record comment: changed members by name, the rest untouched; a
// comment that is not exactly what the filter writes for its record stays as it is.
TEST(GoldenRecordLines, NameTheMembersThatDifferAndKeepEverythingElse) {
    const pd::PdCoreData base = pd::test::commentedDefaultRecord();
    pd::PdCoreData record = base;
    record.DtPageSizeName.assign("Gr\xF6\xDF\"e");
    record.DtStaple.set(1);
    record.DtChapterPages.bytes[3] = 7;
    const std::string comments = pd::test::jobSettingsCommentsText(record);
    const std::string description =
        comments.substr(comments.find(pd::test::descriptionCommentHead));
    const std::string output = "%!PS\r\n" + comments + "\n%%EndComments\n";
    EXPECT_EQ(pd::test::withRecordAsMemberLines(output, base),
              "%!PS\r\n" + std::string(pd::test::memberLinesHead) +
                  "% DtPageSizeName=\"Gr\\xF6\\xDF\\x22e\"\n% DtStaple=1 (1StapleLeft)\n"
                  "% DtChapterPages=hex:00000007\n" +
                  description + "\n%%EndComments\n");
    EXPECT_EQ(pd::test::withRecordAsMemberLines(
                  "%!PS\r\n" + pd::test::jobSettingsCommentsText(base), base),
              "%!PS\r\n" + std::string(pd::test::memberLinesHead) + description);

    std::string damaged = output;
    damaged.replace(damaged.find("%%+ "), 4, "%%- ");
    EXPECT_EQ(pd::test::withRecordAsMemberLines(damaged, base), damaged);
    std::string longer = output;
    longer.insert(longer.find("%%+ ") + 4, "AAAA");
    EXPECT_EQ(pd::test::withRecordAsMemberLines(longer, base), longer);
}

// The frame that every job gets: the opening line, the header, the language switch, the job,
// the closing line. Returns the job part, or the whole output when the frame is missing.
std::string jobInsideFrame(const std::string& output) {
    const std::string opening = "\x1b%-12345X@PJL\n";
    const std::string languageSwitch = "@PJL ENTER LANGUAGE = POSTSCRIPT\n";
    const std::string closing = "\n\x1b%-12345X";
    const std::size_t start = output.find(languageSwitch);
    if (output.compare(0, opening.size(), opening) != 0 || start == std::string::npos ||
        output.size() < start + languageSwitch.size() + closing.size() ||
        output.compare(output.size() - closing.size(), closing.size(), closing) != 0) {
        return output;
    }
    const std::string header = output.substr(opening.size(), start - opening.size());
    for (const std::string& line : lines(header)) {
        EXPECT_EQ(line.rfind("@PJL SET ", 0), 0u) << line;
        EXPECT_EQ(line.back(), '\r') << line;
    }
    const std::size_t body = start + languageSwitch.size();
    return output.substr(body, output.size() - closing.size() - body);
}

FilterRun runOnBytes(const std::string& job, const std::string& options,
                     const std::vector<std::string>& env) {
    const fs::path jobPath =
        fs::temp_directory_path() / ("pd_golden_job_" + std::to_string(::getpid()) + ".ps");
    writeFile(jobPath, job);
    FilterRun run =
        pd::test::runPsfilter({"1", "user", "title", "1", options}, env, jobPath.string());
    fs::remove(jobPath);
    return run;
}

TEST(FilterInvariant, WithoutDscAndWithoutPpdTheOutputIsTheFrameAroundTheInput) {
    std::mt19937 random(20261210);
    const std::string alphabet = std::string("ab %!\r\n\t\x1b\xff", 11) + std::string(1, '\0');
    for (int round = 0; round < 12; ++round) {
        std::string job;
        const std::size_t length = random() % (round < 10 ? 4096 : 3u << 20);
        for (std::size_t i = 0; i < length; ++i) job += alphabet[random() % alphabet.size()];
        // No line may start a DSC comment.
        for (std::size_t at = 0; (at = job.find("%%", at)) != std::string::npos; ++at) {
            job[at + 1] = 'x';
        }
        const FilterRun run = runOnBytes(job, round % 2 ? "media=A4" : "landscape", {});
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(jobInsideFrame(run.output) == job) << "round " << round;
    }
}

TEST(FilterInvariant, ALineBeyondFiveMebibytesPassesUnexamined) {
    const std::string longLine(5 * 1024 * 1024 + 4096, 'q');
    const std::string job = "%!PS-Adobe-3.0\n" + longLine + "\r%%Trailer\n%%EOF\n";
    const FilterRun run = runOnBytes(job, "media=A4", {"PPD=" + std::string(testPpd)});
    EXPECT_EQ(run.status, 0);
    const std::string body = jobInsideFrame(run.output);
    ASSERT_EQ(body.compare(0, 15, "%!PS-Adobe-3.0\n"), 0);
    EXPECT_EQ(body.find(longLine + "\r%%Trailer\n"), 15u) << "the long line must stay whole";
    EXPECT_NE(body.find("Talvo_P6", 15 + longLine.size()), std::string::npos)
        << "the trailer after the long line is still a landmark";
    EXPECT_EQ(body.substr(body.size() - 6), "%%EOF\n");
}

TEST(FilterInvariant, AClosedOutputFailsTheJob) {
    const fs::path jobPath =
        fs::temp_directory_path() / ("pd_golden_closed_" + std::to_string(::getpid()) + ".ps");
    writeFile(jobPath, std::string(3 << 20, 'x') + "\n");
    pid_t pid = 0;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/full", O_WRONLY, 0);
    const std::string job = jobPath.string();
    const char* argv[] = {pd::test::psfilterPath.c_str(),
                          "1",
                          "user",
                          "title",
                          "1",
                          "media=A4",
                          job.c_str(),
                          nullptr};
    char* envp[] = {nullptr};
    ASSERT_EQ(posix_spawn(&pid, pd::test::psfilterPath.c_str(), &actions, nullptr,
                          const_cast<char**>(argv), envp),
              0);
    int status = 0;
    waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    fs::remove(jobPath);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
}

}  // namespace
