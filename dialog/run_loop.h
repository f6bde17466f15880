// The run loop of the application's main thread: it waits, in one mode at a time, for the
// descriptors that were handed to it to become readable and for its timers to expire, and runs the
// handler of each watch that fired. A handler is registered for a set of modes and is run only
// while the loop runs in one of them, so that a modal session can serve its own sources and leave
// the others waiting.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>

namespace pd {

enum class RunLoopMode : unsigned {
    standard = 1,    // the application's ordinary mode
    modalPanel = 2,  // while a modal panel runs
};

// A set of modes.
enum class RunLoopModes : unsigned {
    standard = 1,
    modalPanel = 2,
    all = 3,
};

constexpr bool includes(RunLoopModes modes, RunLoopMode mode) {
    return (static_cast<unsigned>(modes) & static_cast<unsigned>(mode)) != 0;
}

class RunLoop {
  public:
    using WatchId = std::uint64_t;

    // Runs handler once, on the loop, when fd becomes readable, reaches its end or fails (a
    // handler finds out which by reading) while the loop runs in one of modes. A handler that
    // wants more asks again. The descriptor stays its owner's, who cancels the watch before
    // closing it.
    WatchId watchReadable(int fd, RunLoopModes modes, std::function<void()> handler);
    // Runs handler once, on the loop, when delay has passed, at the first pass in one of modes
    // from then on. A handler that wants more asks again.
    WatchId watchTimer(std::chrono::milliseconds delay, RunLoopModes modes,
                       std::function<void()> handler);
    // Forgets a watch that has not fired; nothing for one that has or an unknown id.
    void cancel(WatchId id);

    // Whether any watch waits for mode.
    bool hasSources(RunLoopMode mode) const;

    // One pass in mode: waits until at least one watch of the mode fires and runs the handlers
    // of all that did. False, at once, when no watch waits for the mode. A handler may run the
    // loop again (a nested modal session) and may add or cancel watches.
    bool runOnce(RunLoopMode mode);
    // One pass in mode that does not wait: runs the handlers of the watches that fire now.
    // Whether any did.
    bool runReady(RunLoopMode mode);

  private:
    using Clock = std::chrono::steady_clock;
    struct Watch {
        int fd;  // -1 for a timer
        Clock::time_point deadline;
        RunLoopModes modes;
        std::function<void()> handler;
    };
    bool pass(RunLoopMode mode, bool wait);

    std::map<WatchId, Watch> watches_;
    WatchId nextId_ = 1;
};

}  // namespace pd
