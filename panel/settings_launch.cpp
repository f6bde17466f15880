// The launch of the settings application and its supervision: its environment and pipes, the
// modal session that lasts until it exits, and the window-level notices it gets meanwhile.
#include <unistd.h>

#include <charconv>
#include <chrono>
#include <cstdlib>
#include <ctime>

#include "core/base/hex.h"
#include "panel/settings_panel.h"
#include "platform/platform_string.h"

namespace pd {
namespace {

constexpr const char* settingsApplicationName = "corvex_PRO_583_ui_helper.app";

// How often the application's exit is asked for where the system gives no exit watch.
constexpr std::chrono::milliseconds exitPollInterval{50};

// Names the launch, and opens every frame in both directions.
std::string connectionName() {
    return "TALVOPDE" + std::to_string(static_cast<long>(getpid())) +
           std::to_string(static_cast<unsigned long>(std::clock()));
}

// A text made a platform string: nullopt for bytes that are not well-formed UTF-8.
std::optional<std::string> asText(const std::string& bytes) {
    const std::optional<PlatformString> text = PlatformString::fromUtf8(bytes.c_str());
    if (!text) return std::nullopt;
    return text->utf8();
}

// The console user as text, even an empty one (also the name that is not text: it converts to
// nothing); else the user database's name of the real user; else the login name; else nothing.
std::string currentUserName(const UserIdentity* identity) {
    if (identity == nullptr) return {};
    if (const std::optional<std::string> console = identity->consoleUser())
        return asText(*console).value_or(std::string());
    if (std::optional<std::string> database = identity->userDatabaseName()) return *database;
    return identity->loginName().value_or(std::string());
}

std::string decimal(WindowLevel level) {
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, level);
    return std::string(text, result.ptr);
}

}  // namespace

std::optional<std::string> com_talvo_dpxw_zeb0583_662_settings_panel::getUserName() const {
    return asText(currentUserName(pdePluginCallbackObject->userIdentity().get()));
}

std::optional<std::string> com_talvo_dpxw_zeb0583_662_settings_panel::getPrinterId() const {
    const std::shared_ptr<const Printer> printer = pdePluginCallbackObject->printer();
    if (!printer || !printer->id) return std::string();
    return asText(*printer->id);
}

void com_talvo_dpxw_zeb0583_662_settings_panel::clickedSettings() {
    const std::shared_ptr<Application> application = pdePluginCallbackObject->application();
    const std::shared_ptr<ProcessLauncher> launcher = pdePluginCallbackObject->processLauncher();
    if (!application || !launcher || !hiddenModalPanel) return;

    // Every way out of the launch ends here: later writes to the application are dropped (its
    // reader goes on until the application's output ends), the panel's registrations with the
    // host application go, and so does the exit watch.
    struct LaunchEnd {
        com_talvo_dpxw_zeb0583_662_settings_panel& panel;
        Application& application;
        ~LaunchEnd() {
            if (panel.pipeCommunication) panel.pipeCommunication->invalidate();
            application.removeObserver(&panel);
            if (panel.exitWatchId != 0) application.cancelWatch(panel.exitWatchId);
            panel.exitWatchId = 0;
            panel.exitWatch.reset();
        }
    } launchEnd{*this, *application};

    const std::string name = connectionName();
    const std::weak_ptr<com_talvo_dpxw_zeb0583_662_settings_panel> weak = weak_from_this();
    for (const std::string_view notification :
         {applicationDidBecomeActiveNotification, applicationDidUpdateNotification}) {
        application->addObserver(this, notification, application.get(),
                                 [weak](std::string_view posted) {
                                     if (const auto self = weak.lock()) self->appActivated(posted);
                                 });
    }
    const std::optional<std::string> executable =
        pdeBundle ? pdeBundle->applicationExecutablePath(settingsApplicationName) : std::nullopt;
    const std::shared_ptr<Window> dialogWindow = pdeView ? pdeView->window() : nullptr;
    pdeWindowLevel = dialogWindow ? dialogWindow->level() : 0;

    PdPlatformData platformData;
    getPlatformData(platformData);
    // Exactly these variables, and of the host's own only those through which a program reaches
    // the user's display. A name or id that is not text is left out.
    std::vector<std::string> environment{
        "TALVOPDECONNECTION=" + name,
        "TALVOCOREDATA=" + hexEncode(&coreData, coreDataSize),
        "TALVOPLATFORMDATA=" + hexEncode(&platformData, sizeof platformData),
    };
    if (const std::optional<std::string> printerId = getPrinterId())
        environment.push_back("TALVOPRINTERID=" + *printerId);
    environment.push_back("TALVOPDEWINDOWLEVEL=" + decimal(getPdeWindowLevel()));
    if (const std::optional<std::string> user = getUserName())
        environment.push_back("TALVOUSERNAME=" + *user);
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"}) {
        if (const char* value = std::getenv(variable))
            environment.push_back(std::string(variable) + "=" + value);
    }

    std::optional<ChildPipes> pipes = createChildPipes();
    if (!pipes) return;
    // A connection of an earlier launch stops reading as it goes.
    pipeCommunication = PipeCommunication::create(name, weak, std::move(pipes->input));
    pipeCommunication->startReading(application, std::move(pipes->output));

    const std::optional<pid_t> processId =
        executable ? launcher->launch(*executable, environment, *pipes) : std::nullopt;
    if (!processId) return;
    exitWatch = launcher->watchExit(*processId);
    if (exitWatch) {
        exitWatchId =
            application->watchReadable(exitWatch->descriptor(), RunLoopModes::all, [weak] {
                if (const auto self = weak.lock()) self->applicationExited();
            });
    } else {
        // Neither a process descriptor nor a reaper thread to be had: the exit is asked for now
        // and then, which needs nothing that could fail.
        pollForExit(launcher, *processId);
    }
    application->addObserver(this, windowWillCloseNotification, hiddenModalPanel.get(),
                             [weak](std::string_view) {
                                 if (const auto self = weak.lock()) self->windowWillClose();
                             });
    hiddenModalPanel->setLevel(windowLevelForKey(WindowLevelKey::modalPanel));
    hiddenModalPanel->setFrame(WindowFrame{});
    application->runModalForWindow(*hiddenModalPanel);

    hiddenModalPanel->orderOut();
    if (dialogWindow) dialogWindow->makeKeyAndOrderFront();
}

void com_talvo_dpxw_zeb0583_662_settings_panel::pollForExit(
    const std::shared_ptr<ProcessLauncher>& launcher, pid_t processId) {
    const std::shared_ptr<Application> application = pdePluginCallbackObject->application();
    if (!application) return;
    const std::weak_ptr<com_talvo_dpxw_zeb0583_662_settings_panel> weak = weak_from_this();
    exitWatchId =
        application->watchTimer(exitPollInterval, RunLoopModes::all, [weak, launcher, processId] {
            const auto self = weak.lock();
            if (!self) return;
            self->exitWatchId = 0;
            if (launcher->reapIfExited(processId))
                self->applicationExited();
            else
                self->pollForExit(launcher, processId);
        });
}

void com_talvo_dpxw_zeb0583_662_settings_panel::appActivated(std::string_view notificationName) {
    const std::shared_ptr<Application> application = pdePluginCallbackObject->application();
    if (!application || !pipeCommunication) return;
    if (application->isActive() || notificationName != applicationDidUpdateNotification)
        pipeCommunication->writeToPipe(static_cast<std::int32_t>(PipeOp::windowLevel),
                                       windowLevelBytes(getPdeWindowLevel()));
}

void com_talvo_dpxw_zeb0583_662_settings_panel::applicationExited() {
    if (exitWatch) exitWatch->reap();
    const std::shared_ptr<Application> application = pdePluginCallbackObject->application();
    if (application && hiddenModalPanel) application->closeWindow(*hiddenModalPanel);
}

void com_talvo_dpxw_zeb0583_662_settings_panel::windowWillClose() {
    if (const std::shared_ptr<Application> application = pdePluginCallbackObject->application())
        application->stopModal();
}

}  // namespace pd
