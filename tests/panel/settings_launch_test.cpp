// The launch of the settings application with a launcher that starts nothing: the test plays the
// application on the other ends of its pipes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdlib>
#include <map>

#include "core/base/hex.h"
#include "tests/panel/panel_test_support.h"

namespace pd {
namespace {

using Bytes = std::vector<unsigned char>;

UniqueFd signalledEvent(bool signalled) {
    UniqueFd event(eventfd(signalled ? 1 : 0, EFD_CLOEXEC | EFD_NONBLOCK));
    return event;
}

void signal(const UniqueFd& event) {
    const std::uint64_t one = 1;
    ASSERT_EQ(8, write(event.get(), &one, sizeof one));
}

struct LoopbackExitWatch : ExitWatch {
    int fd;
    int* reaped;
    int descriptor() const override { return fd; }
    void reap() override { ++*reaped; }
};

// Starts nothing: the bytes the application would send are in its output before it "exits",
// which the exit event tells.
struct LoopbackLauncher : ProcessLauncher {
    bool starts = true;
    bool watches = true;
    // Whether the application's output ends with its exit; else it stays open (a descendant
    // holds it).
    bool closesOutput = true;
    UniqueFd applicationOutput;
    // The frames the application sends before it exits: (type, body).
    std::vector<std::pair<std::int32_t, Bytes>> applicationSends;
    UniqueFd exitEvent = signalledEvent(true);
    int reaped = 0;
    std::string path;
    std::map<std::string, std::string> environment;
    std::vector<std::string> environmentOrder;
    UniqueFd applicationInput;

    std::optional<pid_t> launch(const std::string& executable,
                                const std::vector<std::string>& entries,
                                ChildPipes& pipes) override {
        UniqueFd output = std::move(pipes.childOutput);
        UniqueFd input = std::move(pipes.childInput);
        if (!starts) return std::nullopt;
        path = executable;
        for (const std::string& entry : entries) {
            const std::size_t equals = entry.find('=');
            environment[entry.substr(0, equals)] = entry.substr(equals + 1);
            environmentOrder.push_back(entry.substr(0, equals));
        }
        for (const auto& [type, body] : applicationSends) {
            const Bytes bytes =
                createPipeCommunicationData(environment.at("TALVOPDECONNECTION"), type, body);
            EXPECT_EQ(static_cast<ssize_t>(bytes.size()),
                      write(output.get(), bytes.data(), bytes.size()));
        }
        applicationInput = std::move(input);
        if (!closesOutput) applicationOutput = std::move(output);
        return 4242;
    }
    std::unique_ptr<ExitWatch> watchExit(pid_t pid) override {
        EXPECT_EQ(4242, pid);
        if (!watches) return nullptr;
        auto watch = std::make_unique<LoopbackExitWatch>();
        watch->fd = exitEvent.get();
        watch->reaped = &reaped;
        return watch;
    }
    bool reapIfExited(pid_t pid) override {
        EXPECT_EQ(4242, pid);
        std::uint64_t count = 0;
        if (read(exitEvent.get(), &count, sizeof count) != sizeof count) return false;
        ++reaped;
        return true;
    }

    // The frames the panel wrote to the application: (type, body).
    std::vector<std::pair<std::int32_t, Bytes>> framesReceived() const {
        std::vector<std::pair<std::int32_t, Bytes>> frames;
        Bytes all;
        unsigned char buffer[4096];
        ssize_t count = 0;
        fcntl(applicationInput.get(), F_SETFL, O_NONBLOCK);
        while ((count = read(applicationInput.get(), buffer, sizeof buffer)) > 0)
            all.insert(all.end(), buffer, buffer + count);
        PipeFrameReader reader(environment.at("TALVOPDECONNECTION"));
        std::span<const unsigned char> input(all);
        while (!input.empty()) {
            if (auto message = reader.take(input))
                frames.emplace_back(message->type, message->body.value_or(Bytes()));
        }
        return frames;
    }
};

struct LaunchJob : PanelJob {
    std::shared_ptr<LoopbackLauncher> launcher = std::make_shared<LoopbackLauncher>();
    std::optional<pid_t> active = getpid();
    std::shared_ptr<RunLoopApplication> application =
        std::make_shared<RunLoopApplication>([this] { return active; });
    std::shared_ptr<MemoryUserIdentity> user = std::make_shared<MemoryUserIdentity>();

    LaunchJob() {
        host->hostApplication = application;
        host->launcher = launcher;
        host->user = user;
        host->userKeychain = std::make_shared<MemoryKeychain>();
        bundle->applicationExecutables["corvex_PRO_583_ui_helper.app"] = "/bundle/app/helper";
        panel->panelView();
    }
    // Clicks the Settings button, then serves what the application sent before it exited.
    void clickSettings() {
        panel->panelView()->button("settingsButton")->performClick();
        application->serveWhatIsReady(RunLoopMode::standard);
    }
    // In the next session: the host becomes active when asked, then the application exits.
    void exitInTheSession(bool becomesActive, const UniqueFd& start) {
        launcher->exitEvent = signalledEvent(false);
        application->watchReadable(start.get(), RunLoopModes::modalPanel, [this, becomesActive] {
            if (becomesActive) application->post(applicationDidBecomeActiveNotification);
            signal(launcher->exitEvent);
        });
    }
};

TEST(SettingsLaunch, GivesTheApplicationItsVariablesAndStoresWhatItSentBeforeItExited) {
    setenv("DISPLAY", ":7", 1);
    unsetenv("WAYLAND_DISPLAY");
    setenv("XDG_RUNTIME_DIR", "/run/user/7", 1);
    LaunchJob job;
    job.active = std::nullopt;
    job.setPaper("Poster", 612, 792, true);
    job.panel->restoreValues();
    const PdCoreData before = job.panel->getCoreData();
    PdCoreData patched = before;
    patched.DtDateStamp.set(2);
    const auto bytes = coreDataBytes(patched);
    // Sent just before the exit, which the loop may see first: still stored, and the reply to
    // the question that follows it is dropped.
    job.launcher->applicationSends = {{1, Bytes(bytes.begin(), bytes.end())}, {4, {}}};
    job.clickSettings();

    EXPECT_EQ("/bundle/app/helper", job.launcher->path);
    EXPECT_EQ((std::vector<std::string>{"TALVOPDECONNECTION", "TALVOCOREDATA", "TALVOPLATFORMDATA",
                                        "TALVOPRINTERID", "TALVOPDEWINDOWLEVEL", "TALVOUSERNAME",
                                        "DISPLAY", "XDG_RUNTIME_DIR"}),
              job.launcher->environmentOrder);
    const auto& environment = job.launcher->environment;
    EXPECT_TRUE(
        environment.at("TALVOPDECONNECTION").starts_with("TALVOPDE" + std::to_string(getpid())));
    EXPECT_EQ(hexEncode(&before, coreDataSize), environment.at("TALVOCOREDATA"));
    EXPECT_EQ(51164u, environment.at("TALVOCOREDATA").size());
    PdPlatformData page;
    job.panel->getPlatformData(page);
    EXPECT_EQ(hexEncode(&page, sizeof page), environment.at("TALVOPLATFORMDATA"));
    EXPECT_EQ(278u, environment.at("TALVOPLATFORMDATA").size());
    EXPECT_EQ("", environment.at("TALVOPRINTERID"));
    // The view is in no window.
    EXPECT_EQ("0", environment.at("TALVOPDEWINDOWLEVEL"));
    EXPECT_EQ("", environment.at("TALVOUSERNAME"));
    EXPECT_EQ(":7", environment.at("DISPLAY"));

    EXPECT_EQ(2, job.panel->getCoreData().DtDateStamp.get());
    EXPECT_EQ(2, storedRecord(job.settings()).DtDateStamp.get());
    EXPECT_EQ(1, job.launcher->reaped);
    EXPECT_TRUE(job.launcher->framesReceived().empty());
    EXPECT_FALSE(job.application->hasSources(RunLoopMode::modalPanel));
    EXPECT_FALSE(job.panel->getPipeCommunication()->isReading());
    unsetenv("DISPLAY");
    unsetenv("XDG_RUNTIME_DIR");
}

TEST(SettingsLaunch, NamesTheUserThePrinterAndTheWindowLevel) {
    const std::string notText = "caf\xE9";
    const struct {
        std::optional<std::string> console;
        std::optional<std::string> database;
        std::optional<std::string> login;
        std::optional<std::string> printer;
        std::optional<std::string> userName;
        std::optional<std::string> printerId;
    } cases[] = {
        // A console user, even an empty one, is the user; the others are not asked.
        {.console = {""},
         .database = {"db"},
         .login = {"login"},
         .printer = std::nullopt,
         .userName = "",
         .printerId = ""},
        {.console = std::nullopt,
         .database = {"db"},
         .login = {"login"},
         .printer = "queue",
         .userName = "db",
         .printerId = "queue"},
        {.console = std::nullopt,
         .database = std::nullopt,
         .login = {"login"},
         .printer = "queue",
         .userName = "login",
         .printerId = "queue"},
        {.console = std::nullopt,
         .database = std::nullopt,
         .login = std::nullopt,
         .printer = "queue",
         .userName = "",
         .printerId = "queue"},
        // Names that are not text are left out of the environment; a console user's gives the
        // empty name.
        {.console = std::nullopt,
         .database = {notText},
         .login = {"login"},
         .printer = notText,
         .userName = std::nullopt,
         .printerId = std::nullopt},
        {.console = {notText},
         .database = {"db"},
         .login = {"login"},
         .printer = "queue",
         .userName = "",
         .printerId = "queue"},
    };
    for (const auto& c : cases) {
        LaunchJob job;
        job.user->console = c.console;
        job.user->database = c.database;
        job.user->login = c.login;
        if (c.printer) job.host->jobPrinter = std::make_shared<const Printer>(Printer{c.printer});
        const auto window = std::make_shared<Window>("dialog");
        window->setLevel(-3);
        job.panel->panelView()->setWindow(window);
        job.clickSettings();
        const auto& environment = job.launcher->environment;
        const auto value = [&](const std::string& name) {
            const auto found = environment.find(name);
            return found == environment.end() ? std::nullopt : std::optional(found->second);
        };
        EXPECT_EQ(c.userName, value("TALVOUSERNAME"));
        EXPECT_EQ(c.printerId, value("TALVOPRINTERID"));
        EXPECT_EQ("-3", value("TALVOPDEWINDOWLEVEL"));
        EXPECT_EQ(-3, job.panel->getPdeWindowLevel());
        EXPECT_TRUE(window->isKey());
    }
}

TEST(SettingsLaunch, TellsTheApplicationTheWindowLevelWhenTheHostBecomesActiveOrUpdates) {
    const struct {
        bool hostActive;
        bool becomesActive;
        bool notices;
    } cases[] = {{true, false, true}, {false, false, false}, {false, true, true}};
    for (const auto& c : cases) {
        LaunchJob job;
        if (!c.hostActive) job.active = std::nullopt;
        const UniqueFd start = signalledEvent(true);
        job.exitInTheSession(c.becomesActive, start);
        job.clickSettings();
        const auto frames = job.launcher->framesReceived();
        EXPECT_EQ(c.notices, !frames.empty()) << c.hostActive << c.becomesActive;
        for (const auto& [type, body] : frames) {
            EXPECT_EQ(0, type);
            EXPECT_EQ(Bytes(8, 0), body);
        }
    }
}

TEST(SettingsLaunch, EndsAtOnceWhenTheApplicationCannotBeStarted) {
    for (const int failure : {0, 1}) {
        LaunchJob job;
        job.panel->restoreValues();
        const std::vector<std::string> before = job.settings().keys();
        if (failure == 0) job.launcher->starts = false;
        if (failure == 1) job.bundle->applicationExecutables.clear();
        job.launcher->exitEvent = signalledEvent(false);
        job.clickSettings();
        EXPECT_EQ(before, job.settings().keys()) << failure;
        EXPECT_FALSE(job.application->hasSources(RunLoopMode::modalPanel)) << failure;
        EXPECT_FALSE(job.panel->getPipeCommunication()->writeToPipe(4, Bytes{1})) << failure;

        // The failed start left no registration behind: in the next session the host's
        // activation is told once, not once per click.
        job.launcher->starts = true;
        job.bundle->applicationExecutables["corvex_PRO_583_ui_helper.app"] = "/bundle/app/helper";
        job.active = std::nullopt;
        const UniqueFd start = signalledEvent(true);
        job.exitInTheSession(true, start);
        job.clickSettings();
        EXPECT_EQ(1u, job.launcher->framesReceived().size()) << failure;
    }
}

TEST(SettingsLaunch, EndsTheSessionAndReapsTheApplicationWithoutAnExitWatch) {
    LaunchJob job;
    job.launcher->watches = false;
    job.panel->restoreValues();
    PdCoreData patched = job.panel->getCoreData();
    patched.DtDateStamp.set(2);
    const auto bytes = coreDataBytes(patched);
    job.launcher->applicationSends = {{1, Bytes(bytes.begin(), bytes.end())}};
    const UniqueFd start = signalledEvent(true);
    job.exitInTheSession(false, start);
    job.clickSettings();
    // The session ran (the exit came in it) and ended, and the application was reaped.
    EXPECT_FALSE(job.application->hasSources(RunLoopMode::modalPanel));
    EXPECT_EQ(1, job.launcher->reaped);
    EXPECT_EQ(2, storedRecord(job.settings()).DtDateStamp.get());
}

TEST(SettingsLaunch, ThePanelAndItsReaderLetGoOfEachOther) {
    LaunchJob job;
    job.launcher->closesOutput = false;
    // The application's output stays open: the reader still waits after the session.
    job.panel->panelView()->button("settingsButton")->performClick();
    EXPECT_TRUE(job.application->hasSources(RunLoopMode::standard));
    const std::shared_ptr<View> view = job.panel->panelView();
    job.panel.reset();
    EXPECT_FALSE(job.application->hasSources(RunLoopMode::standard));
    // The view the host still holds clicks into nothing.
    view->button("settingsButton")->performClick();
}

}  // namespace
}  // namespace pd
