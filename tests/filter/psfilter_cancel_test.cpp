// psfilter as CUPS ends it: a job cancelled by SIGTERM while the filter waits for input, and
// input that cannot be read at all.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "psfilter_process.h"

namespace {

namespace fs = std::filesystem;

const std::string frameOpening = "\x1b%-12345X@PJL\n";
const std::string frameClosing = "\n\x1b%-12345X";

// psfilter with standard input from inputFd (closed when -1) and its output in a file.
struct Spawned {
    pid_t pid = 0;
    fs::path outputPath;

    explicit Spawned(int inputFd, int inputToClose = -1)
        : outputPath(fs::temp_directory_path() /
                     ("pd_cancel_" + std::to_string(::getpid()) + ".prn")) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (inputFd < 0) {
            posix_spawn_file_actions_addclose(&actions, 0);
        } else {
            posix_spawn_file_actions_adddup2(&actions, inputFd, 0);
        }
        if (inputToClose >= 0) posix_spawn_file_actions_addclose(&actions, inputToClose);
        posix_spawn_file_actions_addopen(&actions, 1, outputPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const char* argv[] = {
            pd::test::psfilterPath.c_str(), "1", "user", "title", "1", "media=A4", nullptr};
        char* envp[] = {nullptr};
        if (posix_spawn(&pid, argv[0], &actions, nullptr, const_cast<char**>(argv), envp) != 0)
            pid = 0;
        posix_spawn_file_actions_destroy(&actions);
    }

    // The exit status (128 + the signal when a signal ended it) and the output.
    std::pair<int, std::string> finish() {
        int status = 0;
        waitpid(pid, &status, 0);
        std::string output = pd::test::readFile(outputPath);
        fs::remove(outputPath);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), output};
    }
};

// The job has been read in part and psfilter is busy with it or waits for the rest when CUPS
// cancels it: it reads no more, the part read so far reaches the printer, and the frame closes,
// its line feed ending the line in progress.
TEST(PsfilterCancel, SigtermStopsTheReadingAndClosesTheFrame) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    Spawned filter(fds[0], fds[1]);
    ASSERT_NE(filter.pid, 0);
    close(fds[0]);
    std::string job = "%!PS-Adobe-3.0\n";
    while (job.size() < (100 << 10)) job += "0 0 moveto (a line of the job) show\n";
    job += "(a line in prog";
    // The pipe holds 64 KiB: once the write returns, psfilter has read at least the rest.
    ASSERT_EQ(write(fds[1], job.data(), job.size()), static_cast<ssize_t>(job.size()));
    kill(filter.pid, SIGTERM);
    close(fds[1]);  // CUPS ends the filter before this one too
    const auto [status, output] = filter.finish();
    EXPECT_EQ(status, 1);
    const std::string languageSwitch = "@PJL ENTER LANGUAGE = POSTSCRIPT\n";
    ASSERT_EQ(output.compare(0, frameOpening.size(), frameOpening), 0);
    const std::size_t start = output.find(languageSwitch);
    ASSERT_NE(start, std::string::npos);
    ASSERT_GE(output.size(), start + languageSwitch.size() + frameClosing.size());
    EXPECT_EQ(output.substr(output.size() - frameClosing.size()), frameClosing);
    const std::string body =
        output.substr(start + languageSwitch.size(),
                      output.size() - frameClosing.size() - start - languageSwitch.size());
    EXPECT_GE(body.size(), job.size() - (64 << 10));
    EXPECT_TRUE(job.starts_with(body)) << "what was read reaches the printer unchanged";
}

TEST(PsfilterCancel, AClosedStandardInputWritesNothing) {
    Spawned filter(-1);
    ASSERT_NE(filter.pid, 0);
    const auto [status, output] = filter.finish();
    EXPECT_EQ(status, 1);
    EXPECT_EQ(output, "");
}

}  // namespace
