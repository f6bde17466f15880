#include "dialog/process_launcher.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>

namespace pd {
namespace {

std::filesystem::path scratch() {
    const auto folder = std::filesystem::path(PD_BINARY_DIR) / "process_launcher_test" /
                        ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::create_directories(folder);
    return folder;
}

// A shell script at path, executable when asked.
std::string script(const std::string& name, const std::string& body, bool executable = true) {
    const std::string path = (scratch() / name).string();
    std::ofstream(path) << "#!/bin/sh\n" << body;
    chmod(path.c_str(), executable ? 0755 : 0644);
    return path;
}

// Everything the child writes until it closes its output.
std::string readAll(int fd) {
    std::string text;
    char buffer[4096];
    for (;;) {
        pollfd wait{fd, POLLIN, 0};
        poll(&wait, 1, 5000);
        const ssize_t count = read(fd, buffer, sizeof buffer);
        if (count < 0 && (errno == EAGAIN || errno == EINTR)) continue;
        if (count <= 0) return text;
        text.append(buffer, static_cast<std::size_t>(count));
    }
}

bool readable(int fd, int milliseconds) {
    pollfd wait{fd, POLLIN, 0};
    return poll(&wait, 1, milliseconds) == 1;
}

TEST(SpawnProcessLauncher, GivesExactlyTheEnvironmentTheTwoPipesAndNoOtherDescriptor) {
    // A descriptor that the host opened without close-on-exec.
    const int stray = dup2(open("/dev/null", O_RDONLY), 57);
    ASSERT_EQ(57, stray);
    const std::string path = script("child", R"SH(read line
echo "got $line"
env | sort
for fd in 3 4 5 6 7 8 9 57; do [ -e /proc/$$/fd/$fd ] && [ "$(readlink /proc/$$/fd/$fd)" != "$0" ] && echo "open $fd"; done
exit 0
)SH");
    std::optional<ChildPipes> pipes = createChildPipes();
    ASSERT_TRUE(pipes.has_value());
    for (const int fd : {pipes->input.get(), pipes->output.get()}) {
        EXPECT_NE(0, fcntl(fd, F_GETFL) & O_NONBLOCK);
        EXPECT_NE(0, fcntl(fd, F_GETFD) & FD_CLOEXEC);
    }
    SpawnProcessLauncher launcher;
    const std::optional<pid_t> pid = launcher.launch(path, {"B=two words", "A=1"}, *pipes);
    ASSERT_TRUE(pid.has_value());
    EXPECT_FALSE(pipes->childInput);
    EXPECT_FALSE(pipes->childOutput);
    ASSERT_EQ(6, write(pipes->input.get(), "hello\n", 6));
    pipes->input.reset();
    const std::string output = readAll(pipes->output.get());
    // The shell adds PWD of its own.
    EXPECT_EQ("got hello\nA=1\nB=two words\nPWD=" + std::filesystem::current_path().string() + "\n",
              output);
    const std::unique_ptr<ExitWatch> watch = launcher.watchExit(*pid);
    ASSERT_NE(nullptr, watch);
    EXPECT_TRUE(readable(watch->descriptor(), 5000));
    watch->reap();
    EXPECT_EQ(-1, waitpid(*pid, nullptr, WNOHANG));
    EXPECT_EQ(ECHILD, errno);
    close(stray);
}

TEST(SpawnProcessLauncher, CannotStartAMissingOrNonExecutableFile) {
    SpawnProcessLauncher launcher;
    for (const std::string& path :
         {(scratch() / "missing").string(), script("plain", "exit 0\n", false)}) {
        std::optional<ChildPipes> pipes = createChildPipes();
        ASSERT_TRUE(pipes.has_value());
        EXPECT_FALSE(launcher.launch(path, {}, *pipes).has_value()) << path;
        // The child's ends are closed: our reading end is at its end at once.
        char byte = 0;
        EXPECT_EQ(0, read(pipes->output.get(), &byte, 1)) << path;
    }
    // No child was left behind by the failed starts.
    EXPECT_EQ(-1, waitpid(-1, nullptr, WNOHANG));
}

TEST(ExitWatch, SeesAnExitThatCameBeforeItAndReapsTheChild) {
    for (const ExitWatchMethod method :
         {ExitWatchMethod::processDescriptor, ExitWatchMethod::reaperThread}) {
        const pid_t pid = fork();
        if (pid == 0) _exit(3);
        ASSERT_GT(pid, 0);
        // Exited (a zombie) before the watch is made.
        siginfo_t info{};
        ASSERT_EQ(0, waitid(P_PID, pid, &info, WEXITED | WNOWAIT));
        const std::unique_ptr<ExitWatch> watch = watchChildExit(pid, method);
        ASSERT_NE(nullptr, watch);
        EXPECT_TRUE(readable(watch->descriptor(), 5000));
        watch->reap();
        EXPECT_EQ(-1, waitpid(pid, nullptr, WNOHANG));
        EXPECT_EQ(ECHILD, errno);
    }
}

// A child that runs until it is released.
struct HeldChild {
    pid_t pid = -1;
    UniqueFd hold;

    HeldChild() {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) != 0) return;
        pid = fork();
        if (pid == 0) {
            char byte;
            close(ends[1]);
            (void)read(ends[0], &byte, 1);
            _exit(0);
        }
        close(ends[0]);
        hold.reset(ends[1]);
    }
    void release() { hold.reset(); }
};

TEST(SpawnProcessLauncher, ReapsAChildThatHasExitedWithoutWaitingForOne) {
    HeldChild child;
    const pid_t pid = child.pid;
    ASSERT_GT(pid, 0);
    SpawnProcessLauncher launcher;
    EXPECT_FALSE(launcher.reapIfExited(pid));
    child.release();
    siginfo_t info{};
    ASSERT_EQ(0, waitid(P_PID, pid, &info, WEXITED | WNOWAIT));
    EXPECT_TRUE(launcher.reapIfExited(pid));
    EXPECT_EQ(-1, waitpid(pid, nullptr, WNOHANG));
    EXPECT_EQ(ECHILD, errno);
}

TEST(ExitWatch, StaysQuietWhileTheChildRuns) {
    HeldChild child;
    const pid_t pid = child.pid;
    ASSERT_GT(pid, 0);
    for (const ExitWatchMethod method :
         {ExitWatchMethod::processDescriptor, ExitWatchMethod::reaperThread}) {
        const std::unique_ptr<ExitWatch> watch = watchChildExit(pid, method);
        ASSERT_NE(nullptr, watch);
        EXPECT_FALSE(readable(watch->descriptor(), 50));
    }
    const std::unique_ptr<ExitWatch> watch = watchChildExit(pid);
    child.release();
    EXPECT_TRUE(readable(watch->descriptor(), 5000));
    watch->reap();
}

}  // namespace
}  // namespace pd
