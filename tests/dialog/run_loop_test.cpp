#include "dialog/run_loop.h"

#include <gtest/gtest.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "dialog/application.h"
#include "dialog/unique_fd.h"

namespace pd {
namespace {

// An event descriptor, readable once signalled.
struct Event {
    UniqueFd fd{eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)};
    void signal() const {
        const std::uint64_t one = 1;
        ASSERT_EQ(8, write(fd.get(), &one, sizeof one));
    }
};

TEST(RunLoop, RunsAWatchOnceAndOnlyInItsModes) {
    RunLoop loop;
    Event event;
    event.signal();
    std::vector<std::string> ran;
    loop.watchReadable(event.fd.get(), RunLoopModes::standard, [&] { ran.push_back("standard"); });
    EXPECT_FALSE(loop.runOnce(RunLoopMode::modalPanel));
    EXPECT_TRUE(loop.hasSources(RunLoopMode::standard));
    EXPECT_TRUE(loop.runOnce(RunLoopMode::standard));
    // One-shot: still readable, but nobody asked again.
    EXPECT_FALSE(loop.runOnce(RunLoopMode::standard));
    EXPECT_EQ(std::vector<std::string>{"standard"}, ran);

    const RunLoop::WatchId cancelled =
        loop.watchReadable(event.fd.get(), RunLoopModes::all, [&] { ran.push_back("cancelled"); });
    loop.cancel(cancelled);
    EXPECT_FALSE(loop.hasSources(RunLoopMode::standard));
    EXPECT_EQ(1u, ran.size());
}

TEST(RunLoop, AHandlerMayCancelAWatchThatIsReadyInTheSamePass) {
    RunLoop loop;
    Event event;
    event.signal();
    int second = 0;
    RunLoop::WatchId secondId = 0;
    loop.watchReadable(event.fd.get(), RunLoopModes::all, [&] { loop.cancel(secondId); });
    secondId = loop.watchReadable(event.fd.get(), RunLoopModes::all, [&] { ++second; });
    EXPECT_TRUE(loop.runOnce(RunLoopMode::standard));
    EXPECT_EQ(0, second);
}

TEST(RunLoop, RunsATimerOnceWhenItIsDueInItsModes) {
    RunLoop loop;
    std::vector<std::string> ran;
    const auto start = std::chrono::steady_clock::now();
    loop.watchTimer(std::chrono::milliseconds(30), RunLoopModes::modalPanel,
                    [&] { ran.push_back("modal"); });
    const RunLoop::WatchId cancelled = loop.watchTimer(
        std::chrono::milliseconds(0), RunLoopModes::all, [&] { ran.push_back("cancelled"); });
    loop.cancel(cancelled);
    EXPECT_FALSE(loop.runOnce(RunLoopMode::standard));
    // Not yet due: a pass that does not wait runs nothing.
    EXPECT_FALSE(loop.runReady(RunLoopMode::modalPanel));
    EXPECT_TRUE(loop.runOnce(RunLoopMode::modalPanel));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(30));
    EXPECT_EQ(std::vector<std::string>{"modal"}, ran);
    EXPECT_FALSE(loop.hasSources(RunLoopMode::modalPanel));
}

TEST(RunLoop, APassThatDoesNotWaitRunsWhatIsReady) {
    RunLoop loop;
    Event ready;
    Event quiet;
    ready.signal();
    int runs = 0;
    loop.watchReadable(quiet.fd.get(), RunLoopModes::all, [&] { runs += 100; });
    loop.watchReadable(ready.fd.get(), RunLoopModes::all, [&] { ++runs; });
    loop.watchTimer(std::chrono::milliseconds(0), RunLoopModes::all, [&] { ++runs; });
    EXPECT_TRUE(loop.runReady(RunLoopMode::standard));
    EXPECT_EQ(2, runs);
    EXPECT_FALSE(loop.runReady(RunLoopMode::standard));
    EXPECT_TRUE(loop.hasSources(RunLoopMode::standard));
}

TEST(NotificationCenter, DeliversByNameAndSenderUntilTheObserverIsRemoved) {
    NotificationCenter center;
    int a = 0;
    int b = 0;
    std::vector<std::string> names;
    const int senderA = 0;
    const int senderB = 0;
    center.addObserver(&a, "changed", &senderA, [&](std::string_view name) {
        names.emplace_back(name);
        ++a;
    });
    center.addObserver(&a, "closed", nullptr, [&](std::string_view) { ++a; });
    center.addObserver(&b, "changed", nullptr, [&](std::string_view) {
        ++b;
        center.removeObserver(&a);
    });
    center.post("changed", &senderB);
    EXPECT_EQ(0, a);
    EXPECT_EQ(1, b);
    center.post("closed", nullptr);
    EXPECT_EQ(0, a);
    // Registered after b: b's handler, which runs first, removes it before its turn.
    center.addObserver(&a, "changed", &senderA, [&](std::string_view) { ++a; });
    center.post("changed", &senderA);
    EXPECT_EQ(0, a);
    EXPECT_EQ(2, b);
    EXPECT_EQ(std::vector<std::string>{}, names);
}

TEST(RunLoopApplication, AModalSessionServesItsModeUntilStoppedAndPostsUpdates) {
    RunLoopApplication application;
    Window panel("panel");
    Event event;
    int updates = 0;
    int standardRuns = 0;
    application.addObserver(&updates, applicationDidUpdateNotification, &application,
                            [&](std::string_view) { ++updates; });
    application.addObserver(&updates, windowWillCloseNotification, &panel,
                            [&](std::string_view) { application.stopModal(); });
    application.watchReadable(event.fd.get(), RunLoopModes::standard, [&] { ++standardRuns; });
    std::function<void()> again;
    int passes = 0;
    again = [&] {
        if (++passes == 3) {
            application.closeWindow(panel);
            return;
        }
        application.watchReadable(event.fd.get(), RunLoopModes::modalPanel, again);
    };
    application.watchReadable(event.fd.get(), RunLoopModes::modalPanel, again);
    event.signal();
    application.runModalForWindow(panel);
    EXPECT_EQ(3, passes);
    EXPECT_EQ(3, updates);
    EXPECT_EQ(0, standardRuns);
    EXPECT_FALSE(panel.isVisible());
    application.serveUntilIdle(RunLoopMode::standard);
    EXPECT_EQ(1, standardRuns);
    EXPECT_TRUE(application.isActive());

    // With nothing that the mode waits for, nothing could stop the session: it ends at once.
    application.runModalForWindow(panel);
    EXPECT_TRUE(panel.isKey());

    RunLoopApplication elsewhere([] { return std::optional<pid_t>(1); });
    EXPECT_FALSE(elsewhere.isActive());
    EXPECT_EQ(1, elsewhere.activeApplicationProcessId());
}

}  // namespace
}  // namespace pd
