// Starting a helper application as a child process that talks over its standard input and
// output, and watching for its exit.
#pragma once

#include <sys/types.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dialog/unique_fd.h"

namespace pd {

// The two pipes of a child: our ends and the child's. Every descriptor is close-on-exec, so that
// no other child inherits one; ours are non-blocking, so that a child that stops reading or
// writing never blocks the caller.
struct ChildPipes {
    UniqueFd input;        // we write the child's standard input here
    UniqueFd childInput;   // the child's standard input
    UniqueFd output;       // we read the child's standard output here
    UniqueFd childOutput;  // the child's standard output
};

// The pipes of a new child; nullopt when the system cannot make them.
std::optional<ChildPipes> createChildPipes();

// Becomes readable once a child has exited, also when it had exited before the watch was made.
class ExitWatch {
  public:
    virtual ~ExitWatch() = default;

    // The descriptor to wait on; it stays the watch's.
    virtual int descriptor() const = 0;
    // Once the descriptor is readable: collects the exited child, so that no zombie is left.
    virtual void reap() = 0;
};

// How a real exit watch learns of the exit.
enum class ExitWatchMethod {
    processDescriptor,  // a process descriptor (pidfd_open), the reaper thread where there is none
    reaperThread,       // a thread that waits for the child and then signals an event descriptor
};

// A watch of pid, a child of this process; null only when the system has no resources left.
std::unique_ptr<ExitWatch> watchChildExit(
    pid_t pid, ExitWatchMethod method = ExitWatchMethod::processDescriptor);

class ProcessLauncher {
  public:
    virtual ~ProcessLauncher() = default;

    // Starts the executable at path with the arguments {path} and exactly environment
    // ("NAME=value" entries), its standard input and output the child's ends of pipes, its
    // standard error this process's, and no other descriptor. The child's ends are closed here in
    // any case. The child's process id, or nullopt when it cannot be started (missing, not
    // executable, out of resources).
    virtual std::optional<pid_t> launch(const std::string& path,
                                        const std::vector<std::string>& environment,
                                        ChildPipes& pipes) = 0;
    // A watch of the exit of a child that launch started; null when none can be made.
    virtual std::unique_ptr<ExitWatch> watchExit(pid_t pid) = 0;
    // Without waiting: whether a child that launch started has exited, collecting it when it has.
    // Needs nothing of the system, so it serves where no watch can be made.
    virtual bool reapIfExited(pid_t pid) = 0;
};

// Starts real processes with posix_spawn.
class SpawnProcessLauncher final : public ProcessLauncher {
  public:
    std::optional<pid_t> launch(const std::string& path,
                                const std::vector<std::string>& environment,
                                ChildPipes& pipes) override;
    std::unique_ptr<ExitWatch> watchExit(pid_t pid) override;
    bool reapIfExited(pid_t pid) override;
};

}  // namespace pd
