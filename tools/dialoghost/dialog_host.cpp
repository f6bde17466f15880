#include "tools/dialoghost/dialog_host.h"

#include <cups/cups.h>
#include <cups/ppd.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <memory>

#include "dialog/bundle.h"
#include "dialog/host_callback.h"
#include "tools/dialoghost/option_line.h"
#include "tools/dialoghost/plugin_module.h"
#include "tools/dialoghost/summary_line.h"

// libcups marks its PPD interface deprecated; a print dialog still opens and marks PPDs with it.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace pd {

const char* const dialogHostUsage =
    "usage: dialoghost --ppd FILE [--printer NAME] [--bundle DIR] [--options 'k=v ...']\n"
    "                  [--paper NAME:WxH[:custom]]\n"
    "                  [--orientation portrait|landscape|reverse-portrait|reverse-landscape]\n"
    "                  [--active host|child|none|PID] ACTION...\n"
    "actions: panel-info restore save summary settings\n";

namespace {

struct PpdCloser {
    void operator()(ppd_file_t* ppd) const { ppdClose(ppd); }
};
using PpdFile = std::unique_ptr<ppd_file_t, PpdCloser>;

std::optional<double> parsePoints(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (!std::isfinite(value) || value <= 0) return std::nullopt;
    return value;
}

std::optional<PageOrientation> parseOrientation(std::string_view text) {
    if (text == "portrait") return PageOrientation::portrait;
    if (text == "landscape") return PageOrientation::landscape;
    if (text == "reverse-portrait") return PageOrientation::reversePortrait;
    if (text == "reverse-landscape") return PageOrientation::reverseLandscape;
    return std::nullopt;
}

std::optional<DialogAction> parseAction(std::string_view text) {
    if (text == "panel-info") return DialogAction::panelInfo;
    if (text == "restore") return DialogAction::restore;
    if (text == "save") return DialogAction::save;
    if (text == "summary") return DialogAction::summary;
    if (text == "settings") return DialogAction::settings;
    return std::nullopt;
}

std::optional<std::pair<ActiveApplicationKind, pid_t>> parseActive(std::string_view text) {
    if (text == "host") return std::pair(ActiveApplicationKind::host, pid_t{0});
    if (text == "child") return std::pair(ActiveApplicationKind::child, pid_t{0});
    if (text == "none") return std::pair(ActiveApplicationKind::none, pid_t{0});
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), pid);
    if (error != std::errc() || end != text.data() + text.size() || pid <= 0) return std::nullopt;
    return std::pair(ActiveApplicationKind::process, pid);
}

// The system's launcher, remembering the last child it started.
class RecordingLauncher final : public ProcessLauncher {
  public:
    std::optional<pid_t> launch(const std::string& path,
                                const std::vector<std::string>& environment,
                                ChildPipes& pipes) override {
        const std::optional<pid_t> started = system_.launch(path, environment, pipes);
        if (started) lastChild = *started;
        return started;
    }
    std::unique_ptr<ExitWatch> watchExit(pid_t pid) override { return system_.watchExit(pid); }
    bool reapIfExited(pid_t pid) override { return system_.reapIfExited(pid); }

    std::optional<pid_t> lastChild;

  private:
    SpawnProcessLauncher system_;
};

// The dialog's answer to which application is active.
std::function<std::optional<pid_t>()> activeApplicationOf(const DialogHostArguments& arguments,
                                                          const RecordingLauncher& launcher) {
    switch (arguments.active) {
        case ActiveApplicationKind::host:
            return [] { return std::optional<pid_t>(getpid()); };
        case ActiveApplicationKind::child:
            return [&launcher] { return launcher.lastChild; };
        case ActiveApplicationKind::none:
            return [] { return std::optional<pid_t>(); };
        case ActiveApplicationKind::process:
            return [pid = arguments.activeProcess] { return std::optional<pid_t>(pid); };
    }
    return nullptr;
}

// Shows the panel's view in the dialog's window and clicks its Settings button; then serves the
// frames that the settings application wrote before it exited. Those are all in the pipe by now;
// waiting for the pipe's end would wait for any process that inherited it from the application.
void runSettings(PrintDialogPanel& panel, RunLoopApplication& application,
                 const std::shared_ptr<Window>& dialogWindow) {
    const std::shared_ptr<View> view = panel.panelView();
    if (!view) return;
    view->setWindow(dialogWindow);
    panel.willShow();
    if (const auto button = view->button("settingsButton")) button->performClick();
    application.serveWhatIsReady(RunLoopMode::standard);
}

// The PPD's default page size as the paper of a page format, named as the PPD shows it.
std::optional<Paper> defaultPaperOf(ppd_file_t* ppd) {
    ppd_option_t* option = ppdFindOption(ppd, "PageSize");
    if (option == nullptr) return std::nullopt;
    const ppd_size_t* size = ppdPageSize(ppd, option->defchoice);
    if (size == nullptr) return std::nullopt;
    const ppd_choice_t* choice = ppdFindChoice(option, option->defchoice);
    const char* name = choice != nullptr && choice->text[0] != '\0' ? choice->text : size->name;
    return Paper{name, size->width, size->length};
}

// Opens the PPD as a print dialog does: its defaults marked, then the job's options.
PpdFile openMarkedPpd(const std::string& path, int optionCount, cups_option_t* options) {
    PpdFile ppd(ppdOpenFile(path.c_str()));
    if (ppd) {
        ppdMarkDefaults(ppd.get());
        cupsMarkOptions(ppd.get(), optionCount, options);
    }
    return ppd;
}

const char* yesNo(bool value) {
    return value ? "yes" : "no";
}

void printPanelInfo(PrintDialogPanel& panel, std::ostream& out) {
    out << "panel-kind: " << panel.panelKind() << '\n';
    out << "panel-name: " << panel.panelName() << '\n';
    const std::shared_ptr<View> view = panel.panelView();
    panel.willShow();
    if (view) {
        if (const auto field = view->textField("versionString"))
            out << "version: " << field->stringValue() << '\n';
        if (const auto button = view->button("settingsButton"))
            out << "button-title: " << button->title() << '\n';
    }
    out << "should-hide: " << yesNo(panel.shouldHide()) << '\n';
    out << "should-show-help: " << yesNo(panel.shouldShowHelp()) << '\n';
    for (const std::string& key : panel.supportedPpdOptionKeys())
        out << "supported-ppd-option: " << key << '\n';
}

void printSummary(PrintDialogPanel& panel, std::ostream& out) {
    const std::shared_ptr<const StringDictionary> summary = panel.summaryInfo();
    if (!summary) return;
    for (const PlatformString& key : summary->keyEnumerator()) {
        const PlatformString* value = summary->objectForKey(key);
        out << formatSummaryLine(key.utf8(), value ? value->utf8() : std::string()) << '\n';
    }
}

}  // namespace

std::optional<std::pair<Paper, bool>> parsePaperArgument(const std::string& text) {
    std::string_view rest = text;
    bool custom = false;
    constexpr std::string_view customSuffix = ":custom";
    if (rest.ends_with(customSuffix)) {
        custom = true;
        rest.remove_suffix(customSuffix.size());
    }
    const std::size_t colon = rest.rfind(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const std::string_view size = rest.substr(colon + 1);
    const std::size_t cross = size.find('x');
    if (cross == std::string_view::npos) return std::nullopt;
    const auto width = parsePoints(size.substr(0, cross));
    const auto height = parsePoints(size.substr(cross + 1));
    if (!width || !height) return std::nullopt;
    return std::pair(Paper{std::string(rest.substr(0, colon)), *width, *height}, custom);
}

std::variant<DialogHostArguments, std::string> parseDialogHostArguments(
    const std::vector<std::string>& arguments) {
    DialogHostArguments parsed;
    bool havePpd = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!argument.starts_with("--")) {
            const auto action = parseAction(argument);
            if (!action) return "unknown action: " + argument;
            parsed.actions.push_back(*action);
            continue;
        }
        if (i + 1 == arguments.size()) return argument + " needs a value";
        const std::string& value = arguments[++i];
        if (argument == "--ppd") {
            parsed.ppdPath = value;
            havePpd = true;
        } else if (argument == "--printer") {
            parsed.printer = value;
        } else if (argument == "--bundle") {
            parsed.bundlePath = value;
        } else if (argument == "--options") {
            parsed.options = value;
        } else if (argument == "--paper") {
            const auto paper = parsePaperArgument(value);
            if (!paper) return "not a paper: " + value;
            parsed.paper = paper->first;
            parsed.customPaper = paper->second;
        } else if (argument == "--active") {
            const auto active = parseActive(value);
            if (!active) return "not an active application: " + value;
            parsed.active = active->first;
            parsed.activeProcess = active->second;
        } else if (argument == "--orientation") {
            const auto orientation = parseOrientation(value);
            if (!orientation) return "not an orientation: " + value;
            parsed.orientation = *orientation;
        } else {
            return "unknown option: " + argument;
        }
    }
    if (!havePpd) return std::string("--ppd is required");
    if (parsed.actions.empty()) return std::string("no action given");
    return parsed;
}

int runDialogHost(const DialogHostArguments& arguments, const std::string& defaultBundlePath,
                  std::ostream& out, std::ostream& err) {
    cups_option_t* options = nullptr;
    const int optionCount = cupsParseOptions(arguments.options.c_str(), 0, &options);
    const auto host = std::make_shared<MemoryHostCallback>();
    for (int i = 0; i < optionCount; ++i)
        host->settings.setValue(options[i].name, std::string(options[i].value));
    const PpdFile ppd = openMarkedPpd(arguments.ppdPath, optionCount, options);
    cupsFreeOptions(optionCount, options);
    if (!ppd) err << "dialoghost: cannot open the PPD " << arguments.ppdPath << '\n';
    host->ppd = ppd.get();
    if (arguments.printer)
        host->jobPrinter = std::make_shared<const Printer>(Printer{arguments.printer});
    host->page.setOrientation(arguments.orientation);
    if (arguments.paper) {
        host->page.setPaper(arguments.paper);
        host->page.setProperties(customPaperProperties(arguments.customPaper));
    } else if (ppd) {
        host->page.setPaper(defaultPaperOf(ppd.get()));
    }

    const auto launcher = std::make_shared<RecordingLauncher>();
    const auto application =
        std::make_shared<RunLoopApplication>(activeApplicationOf(arguments, *launcher));
    host->hostApplication = application;
    host->launcher = launcher;
    host->userKeychain = std::make_shared<SecretServiceKeychain>();
    host->user = std::make_shared<SystemUserIdentity>();
    // A print dialog runs as a modal panel.
    const auto dialogWindow = std::make_shared<Window>("dialog");
    dialogWindow->setLevel(windowLevelForKey(WindowLevelKey::modalPanel));
    dialogWindow->makeKeyAndOrderFront();

    int status = exitNoPanel;
    {
        const auto bundle =
            std::make_shared<DirectoryBundle>(arguments.bundlePath.value_or(defaultBundlePath));
        PluginModule module(bundle->path());
        std::shared_ptr<PrintDialogPanel> panel;
        if (PrintDialogPlugin* factory = module.factory()) {
            factory->initWithBundle(bundle);
            auto panels = factory->panelsForType(printerModulePanelType, host);
            if (!panels.empty()) panel = panels.front();
        } else {
            err << "dialoghost: " << module.error() << '\n';
        }
        if (panel) {
            for (const DialogAction action : arguments.actions) {
                switch (action) {
                    case DialogAction::panelInfo:
                        printPanelInfo(*panel, out);
                        break;
                    case DialogAction::restore:
                        panel->restoreValues();
                        break;
                    case DialogAction::save:
                        panel->saveValues();
                        break;
                    case DialogAction::summary:
                        printSummary(*panel, out);
                        break;
                    case DialogAction::settings:
                        runSettings(*panel, *application, dialogWindow);
                        break;
                }
            }
            status = exitDone;
        }
        // The panel's code lives in the module: it goes before the module does.
        panel.reset();
    }
    out << formatOptionLine(host->settings.stringEntries()) << '\n';
    return status;
}

}  // namespace pd
