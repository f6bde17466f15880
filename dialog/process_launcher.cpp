#include "dialog/process_launcher.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/eventfd.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <thread>

namespace pd {
namespace {

// Without waiting: whether the child pid has exited, collecting it when it has. A child that is
// not ours to wait for (ECHILD) is gone as far as we are concerned.
bool collectIfExited(pid_t pid) {
    int status = 0;
    pid_t result = 0;
    while ((result = waitpid(pid, &status, WNOHANG)) < 0 && errno == EINTR) {
    }
    return result != 0;
}

bool makeNonBlocking(int fd) {
    const int flags = fcntl(fd, F_GETFL);
    return flags >= 0 && fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

// A watch over a process descriptor, which is readable once the process has exited, also when
// it exited (and is still a zombie) before the descriptor was opened.
class ProcessDescriptorWatch final : public ExitWatch {
  public:
    ProcessDescriptorWatch(pid_t pid, UniqueFd descriptor)
        : pid_(pid), descriptor_(std::move(descriptor)) {}

    int descriptor() const override { return descriptor_.get(); }
    void reap() override {
        if (pid_ > 0) collectIfExited(pid_);
        pid_ = 0;
    }

  private:
    pid_t pid_;
    UniqueFd descriptor_;
};

// A watch for systems without process descriptors: a thread waits for the child, reaps it and
// then signals an event descriptor. The thread owns a duplicate of the descriptor, so that a watch
// dropped before the exit leaves it nothing to write into that was reused.
class ReaperThreadWatch final : public ExitWatch {
  public:
    explicit ReaperThreadWatch(UniqueFd event) : event_(std::move(event)) {}

    int descriptor() const override { return event_.get(); }
    void reap() override {}

  private:
    UniqueFd event_;
};

std::unique_ptr<ExitWatch> reaperThreadWatch(pid_t pid) {
    UniqueFd event(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK));
    if (!event) return nullptr;
    UniqueFd signal(fcntl(event.get(), F_DUPFD_CLOEXEC, 0));
    if (!signal) return nullptr;
    try {
        std::thread([pid, signal = std::move(signal)] {
            int status = 0;
            // Also when the child is not ours to wait for (ECHILD): it is gone then.
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            const std::uint64_t one = 1;
            while (write(signal.get(), &one, sizeof one) < 0 && errno == EINTR) {
            }
        }).detach();
    } catch (const std::system_error&) {
        return nullptr;
    }
    return std::make_unique<ReaperThreadWatch>(std::move(event));
}

}  // namespace

std::optional<ChildPipes> createChildPipes() {
    int input[2];
    int output[2];
    if (pipe2(input, O_CLOEXEC) != 0) return std::nullopt;
    ChildPipes pipes;
    pipes.childInput.reset(input[0]);
    pipes.input.reset(input[1]);
    if (pipe2(output, O_CLOEXEC) != 0) return std::nullopt;
    pipes.output.reset(output[0]);
    pipes.childOutput.reset(output[1]);
    if (!makeNonBlocking(pipes.input.get()) || !makeNonBlocking(pipes.output.get()))
        return std::nullopt;
    return pipes;
}

std::unique_ptr<ExitWatch> watchChildExit(pid_t pid, ExitWatchMethod method) {
    if (method == ExitWatchMethod::processDescriptor) {
        const long descriptor = syscall(SYS_pidfd_open, pid, 0);
        if (descriptor >= 0) {
            UniqueFd owned(static_cast<int>(descriptor));
            // Close-on-exec, so that no later child inherits it.
            if (fcntl(owned.get(), F_SETFD, FD_CLOEXEC) == 0)
                return std::make_unique<ProcessDescriptorWatch>(pid, std::move(owned));
        }
    }
    return reaperThreadWatch(pid);
}

std::optional<pid_t> SpawnProcessLauncher::launch(const std::string& path,
                                                  const std::vector<std::string>& environment,
                                                  ChildPipes& pipes) {
    // Whatever happens, the child's ends are the child's alone: closed here.
    const UniqueFd childInput = std::move(pipes.childInput);
    const UniqueFd childOutput = std::move(pipes.childOutput);
    if (!childInput || !childOutput) return std::nullopt;

    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) return std::nullopt;
    posix_spawnattr_t attributes;
    if (posix_spawnattr_init(&attributes) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return std::nullopt;
    }
    // The child starts with every signal at its default and none blocked, whatever the host
    // ignores or blocks.
    sigset_t all;
    sigset_t none;
    sigfillset(&all);
    sigemptyset(&none);
    // dup2 onto 0 and 1 clears close-on-exec there; every descriptor from 3 up is closed, also
    // those that the host opened without close-on-exec.
    bool ready =
        posix_spawn_file_actions_adddup2(&actions, childInput.get(), 0) == 0 &&
        posix_spawn_file_actions_adddup2(&actions, childOutput.get(), 1) == 0 &&
        posix_spawn_file_actions_addclosefrom_np(&actions, 3) == 0 &&
        posix_spawnattr_setsigdefault(&attributes, &all) == 0 &&
        posix_spawnattr_setsigmask(&attributes, &none) == 0 &&
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK) == 0;
    std::optional<pid_t> started;
    if (ready) {
        std::vector<char*> argv{const_cast<char*>(path.c_str()), nullptr};
        std::vector<char*> envp;
        envp.reserve(environment.size() + 1);
        for (const std::string& entry : environment)
            envp.push_back(const_cast<char*>(entry.c_str()));
        envp.push_back(nullptr);
        pid_t pid = 0;
        if (posix_spawn(&pid, path.c_str(), &actions, &attributes, argv.data(), envp.data()) == 0)
            started = pid;
    }
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return started;
}

std::unique_ptr<ExitWatch> SpawnProcessLauncher::watchExit(pid_t pid) {
    return watchChildExit(pid);
}

bool SpawnProcessLauncher::reapIfExited(pid_t pid) {
    return collectIfExited(pid);
}

}  // namespace pd
