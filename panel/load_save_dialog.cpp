// The panel's file services for the settings files of its application: the sandbox test and the
// open and save panels. Nothing in the plug-in calls them.
#include <cstdlib>

#include "core/base/regex_match.h"
#include "panel/settings_panel.h"

namespace pd {
namespace {

constexpr const char* defaultFileType = "pdcfg";
// A description, a bar, and a wildcard of one extension: the extension is the group.
constexpr const char* fileTypePattern = ".*\\|\\*\\.([a-zA-Z]+)$";

// The version from which file panels are set up and run as they are here, and the one from which
// they run with the current call and an open panel takes its file types as a setting.
constexpr int firstMinorVersion = 4;
constexpr int currentRunMinorVersion = 6;

FilePanelSetup setupOf(bool save, const std::string& fileType, SystemVersion version) {
    FilePanelSetup setup;
    const std::vector<std::string> types{fileType};
    setup.olderRunCall = version.minor < currentRunMinorVersion;
    if (save) {
        setup.kind = FilePanelKind::save;
        setup.extensionHidden = true;
        setup.canSelectHiddenExtension = true;
        setup.canCreateDirectories = true;
        setup.allowedFileTypes = types;
    } else {
        setup.kind = FilePanelKind::open;
        setup.canChooseFiles = true;
        setup.resolvesAliases = true;
        if (setup.olderRunCall)
            setup.olderRunCallTypes = types;
        else
            setup.allowedFileTypes = types;
    }
    return setup;
}

}  // namespace

bool com_talvo_dpxw_zeb0583_662_settings_panel::isSandboxed() const {
    return std::getenv("APP_SANDBOX_CONTAINER_ID") != nullptr;
}

std::string com_talvo_dpxw_zeb0583_662_settings_panel::fileTypeOfFilter(const char* filter) {
    std::string fileType = defaultFileType;
    if (filter == nullptr || *filter == '\0') return fileType;
    regex_t regex;
    clearRegex(regex);
    if (regexCompile(regex, fileTypePattern, REG_EXTENDED) == 0) {
        const SubmatchList parts = regexSubmatches(regex, filter, 0);
        if (parts.size() == 2 && !parts[1].empty()) fileType = parts[1];
    }
    regexFree(regex);
    return fileType;
}

std::optional<std::string> com_talvo_dpxw_zeb0583_662_settings_panel::showLoadSaveDialog(
    const char* filter, bool save) {
    const std::shared_ptr<FilePanels> panels = pdePluginCallbackObject->filePanels();
    if (!panels) return std::nullopt;
    const SystemVersion version = panels->systemVersion();
    if (version.major <= 9 || version.minor < firstMinorVersion) return std::nullopt;
    if (const std::shared_ptr<Application> application = pdePluginCallbackObject->application())
        application->activateIgnoringOtherApps();
    const FilePanelSetup setup = setupOf(save, fileTypeOfFilter(filter), version);
    loadSaveDisplayed = true;
    const FilePanelAnswer answer = panels->runModal(setup);
    loadSaveDisplayed = false;
    if (answer.response == 0 || !answer.url || answer.url->scheme != "file") return std::nullopt;
    return answer.url->path;
}

}  // namespace pd
