#include "dialog/application.h"

#include <unistd.h>

namespace pd {

RunLoopApplication::RunLoopApplication(std::function<std::optional<pid_t>()> activeApplication)
    : activeApplication_(std::move(activeApplication)) {
    if (!activeApplication_) activeApplication_ = [] { return std::optional<pid_t>(getpid()); };
}

RunLoop::WatchId RunLoopApplication::watchReadable(int fd, RunLoopModes modes,
                                                   std::function<void()> handler) {
    return runLoop_.watchReadable(fd, modes, std::move(handler));
}

RunLoop::WatchId RunLoopApplication::watchTimer(std::chrono::milliseconds delay, RunLoopModes modes,
                                                std::function<void()> handler) {
    return runLoop_.watchTimer(delay, modes, std::move(handler));
}

void RunLoopApplication::cancelWatch(RunLoop::WatchId id) {
    runLoop_.cancel(id);
}

void RunLoopApplication::addObserver(const void* observer, std::string_view name,
                                     const void* sender, NotificationCenter::Handler handler) {
    notifications_.addObserver(observer, name, sender, std::move(handler));
}

void RunLoopApplication::removeObserver(const void* observer) {
    notifications_.removeObserver(observer);
}

bool RunLoopApplication::isActive() const {
    return activeApplicationProcessId() == getpid();
}

std::optional<pid_t> RunLoopApplication::activeApplicationProcessId() const {
    return activeApplication_();
}

void RunLoopApplication::activateIgnoringOtherApps() {
    const bool wasActive = isActive();
    activeApplication_ = [] { return std::optional<pid_t>(getpid()); };
    if (!wasActive) post(applicationDidBecomeActiveNotification);
}

void RunLoopApplication::runModalForWindow(Window& window) {
    window.makeKeyAndOrderFront();
    modalStops_.push_back(false);
    while (!modalStops_.back() && serveOnce(RunLoopMode::modalPanel)) {
    }
    modalStops_.pop_back();
}

void RunLoopApplication::stopModal() {
    if (!modalStops_.empty()) modalStops_.back() = true;
}

void RunLoopApplication::closeWindow(Window& window) {
    window.orderOut();
    notifications_.post(windowWillCloseNotification, &window);
}

void RunLoopApplication::post(std::string_view name) {
    notifications_.post(name, static_cast<const Application*>(this));
}

void RunLoopApplication::serveUntilIdle(RunLoopMode mode) {
    while (serveOnce(mode)) {
    }
}

void RunLoopApplication::serveWhatIsReady(RunLoopMode mode) {
    while (runLoop_.runReady(mode)) post(applicationDidUpdateNotification);
}

bool RunLoopApplication::serveOnce(RunLoopMode mode) {
    if (!runLoop_.runOnce(mode)) return false;
    post(applicationDidUpdateNotification);
    return true;
}

}  // namespace pd
