#include "platform/run_loop.h"

#include <poll.h>

#include <cerrno>
#include <utility>
#include <vector>

namespace pd {

RunLoop::WatchId RunLoop::watchReadable(int fd, RunLoopModes modes, std::function<void()> handler) {
    const WatchId id = nextId_++;
    watches_.emplace(id, Watch{fd, modes, std::move(handler)});
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
    std::vector<WatchId> ids;
    std::vector<pollfd> descriptors;
    for (const auto& [id, watch] : watches_) {
        if (!includes(watch.modes, mode)) continue;
        ids.push_back(id);
        descriptors.push_back(pollfd{watch.fd, POLLIN, 0});
    }
    if (ids.empty()) return false;
    int ready = 0;
    do {
        ready = ::poll(descriptors.data(), descriptors.size(), -1);
    } while (ready < 0 && errno == EINTR);
    if (ready < 0) return false;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (descriptors[i].revents == 0) continue;
        // An earlier handler of this pass may have cancelled it.
        const auto found = watches_.find(ids[i]);
        if (found == watches_.end()) continue;
        std::function<void()> handler = std::move(found->second.handler);
        watches_.erase(found);
        handler();
    }
    return true;
}

}  // namespace pd
