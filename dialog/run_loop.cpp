#include "dialog/run_loop.h"

#include <poll.h>

#include <cerrno>
#include <optional>
#include <utility>
#include <vector>

namespace pd {

RunLoop::WatchId RunLoop::watchReadable(int fd, RunLoopModes modes, std::function<void()> handler) {
    const WatchId id = nextId_++;
    watches_.emplace(id, Watch{fd, Clock::time_point(), modes, std::move(handler)});
    return id;
}

RunLoop::WatchId RunLoop::watchTimer(std::chrono::milliseconds delay, RunLoopModes modes,
                                     std::function<void()> handler) {
    const WatchId id = nextId_++;
    watches_.emplace(id, Watch{-1, Clock::now() + delay, modes, std::move(handler)});
    return id;
}

void RunLoop::cancel(WatchId id) {
    watches_.erase(id);
}

bool RunLoop::hasSources(RunLoopMode mode) const {
    for (const auto& [id, watch] : watches_)
        if (includes(watch.modes, mode)) return true;
    return false;
}

bool RunLoop::runOnce(RunLoopMode mode) {
    return pass(mode, true);
}

bool RunLoop::runReady(RunLoopMode mode) {
    return pass(mode, false);
}

bool RunLoop::pass(RunLoopMode mode, bool wait) {
    for (;;) {
        std::vector<WatchId> ids;
        std::vector<pollfd> descriptors;
        std::vector<WatchId> timers;
        std::optional<Clock::time_point> firstDeadline;
        for (const auto& [id, watch] : watches_) {
            if (!includes(watch.modes, mode)) continue;
            if (watch.fd < 0) {
                timers.push_back(id);
                if (!firstDeadline || watch.deadline < *firstDeadline)
                    firstDeadline = watch.deadline;
                continue;
            }
            ids.push_back(id);
            descriptors.push_back(pollfd{watch.fd, POLLIN, 0});
        }
        if (ids.empty() && timers.empty()) return false;
        int timeout = -1;
        if (!wait) {
            timeout = 0;
        } else if (firstDeadline) {
            // Rounded up, so that the timer is due when poll returns.
            const auto left =
                std::chrono::ceil<std::chrono::milliseconds>(*firstDeadline - Clock::now());
            timeout = static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
        }
        int ready = 0;
        do {
            ready = ::poll(descriptors.data(), descriptors.size(), timeout);
        } while (ready < 0 && errno == EINTR);
        if (ready < 0) return false;
        bool served = false;
        const auto run = [this, &served](WatchId id) {
            // An earlier handler of this pass may have cancelled it.
            const auto found = watches_.find(id);
            if (found == watches_.end()) return;
            std::function<void()> handler = std::move(found->second.handler);
            watches_.erase(found);
            served = true;
            handler();
        };
        for (std::size_t i = 0; i < ids.size(); ++i)
            if (descriptors[i].revents != 0) run(ids[i]);
        const Clock::time_point now = Clock::now();
        for (const WatchId id : timers) {
            const auto found = watches_.find(id);
            if (found != watches_.end() && found->second.deadline <= now) run(id);
        }
        if (served || !wait) return served;
    }
}

}  // namespace pd
