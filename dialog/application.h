// The application that shows the print dialog, as its plug-ins reach it: background reads served
// by its run loop, its notification centre, which application is active, and modal sessions.
// Everything here runs on the application's main thread.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "dialog/notification_center.h"
#include "dialog/run_loop.h"
#include "dialog/views.h"

namespace pd {

// Posted by the application, itself the sender, when it becomes the active application.
inline constexpr std::string_view applicationDidBecomeActiveNotification =
    "NSApplicationDidBecomeActiveNotification";
// Posted by the application, itself the sender, after each pass of its run loop that served
// something.
inline constexpr std::string_view applicationDidUpdateNotification =
    "NSApplicationDidUpdateNotification";
// Posted when a window closes; the window is the sender.
inline constexpr std::string_view windowWillCloseNotification = "NSWindowWillCloseNotification";

class Application {
  public:
    virtual ~Application() = default;

    // See RunLoop::watchReadable, RunLoop::watchTimer and RunLoop::cancel.
    virtual RunLoop::WatchId watchReadable(int fd, RunLoopModes modes,
                                           std::function<void()> handler) = 0;
    virtual RunLoop::WatchId watchTimer(std::chrono::milliseconds delay, RunLoopModes modes,
                                        std::function<void()> handler) = 0;
    virtual void cancelWatch(RunLoop::WatchId id) = 0;

    // See NotificationCenter.
    virtual void addObserver(const void* observer, std::string_view name, const void* sender,
                             NotificationCenter::Handler handler) = 0;
    virtual void removeObserver(const void* observer) = 0;

    // Whether this application is the active one.
    virtual bool isActive() const = 0;
    // The process id of the active application; nullopt when none is.
    virtual std::optional<pid_t> activeApplicationProcessId() const = 0;
    // Makes this application the active one, whichever is; posts the did-become-active
    // notification when it was not.
    virtual void activateIgnoringOtherApps() = 0;

    // Shows window and runs the run loop in the modal panel mode until stopModal(); returns at
    // once too when nothing is left that the mode waits for, since nothing could stop it then.
    virtual void runModalForWindow(Window& window) = 0;
    // Ends the innermost modal session after the current pass.
    virtual void stopModal() = 0;
    // Orders window out and posts its will-close notification.
    virtual void closeWindow(Window& window) = 0;
};

// The application of a stand-in print dialog, over a poll(2) run loop.
class RunLoopApplication final : public Application {
  public:
    // activeApplication tells which process is the active application until this one is
    // activated; the default answers this process.
    explicit RunLoopApplication(std::function<std::optional<pid_t>()> activeApplication = nullptr);

    RunLoop::WatchId watchReadable(int fd, RunLoopModes modes,
                                   std::function<void()> handler) override;
    RunLoop::WatchId watchTimer(std::chrono::milliseconds delay, RunLoopModes modes,
                                std::function<void()> handler) override;
    void cancelWatch(RunLoop::WatchId id) override;
    void addObserver(const void* observer, std::string_view name, const void* sender,
                     NotificationCenter::Handler handler) override;
    void removeObserver(const void* observer) override;
    bool isActive() const override;
    std::optional<pid_t> activeApplicationProcessId() const override;
    void activateIgnoringOtherApps() override;
    void runModalForWindow(Window& window) override;
    void stopModal() override;
    void closeWindow(Window& window) override;

    // Posts a notification with this application as the sender.
    void post(std::string_view name);
    // One pass of the run loop in mode (see RunLoop::runOnce), followed by the did-update
    // notification when it served something.
    bool serveOnce(RunLoopMode mode);
    // Serves mode until nothing is left that it waits for.
    void serveUntilIdle(RunLoopMode mode);
    // Serves what mode has ready, without waiting, until nothing is.
    void serveWhatIsReady(RunLoopMode mode);
    bool hasSources(RunLoopMode mode) const { return runLoop_.hasSources(mode); }

  private:
    RunLoop runLoop_;
    NotificationCenter notifications_;
    std::function<std::optional<pid_t>()> activeApplication_;
    // One flag per running modal session, innermost last: set when it is to stop.
    std::vector<bool> modalStops_;
};

}  // namespace pd
