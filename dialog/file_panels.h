// The system's open and save panels, in which the user picks a file, and the version of the
// system that shows them (some ways of setting up and running a panel came with later versions).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pd {

struct SystemVersion {
    int major = 0;
    int minor = 0;
};

enum class FilePanelKind { save, open };

// A panel as it is set up before it runs.
struct FilePanelSetup {
    FilePanelKind kind = FilePanelKind::open;
    bool treatsFilePackagesAsDirectories = false;
    bool allowsOtherFileTypes = false;
    // Save panels.
    bool extensionHidden = false;
    bool canSelectHiddenExtension = false;
    bool canCreateDirectories = false;
    // Open panels.
    bool canChooseFiles = false;
    bool canChooseDirectories = false;
    bool resolvesAliases = false;
    bool allowsMultipleSelection = false;
    // The file types the panel allows; nullopt when none were set on it.
    std::optional<std::vector<std::string>> allowedFileTypes;
    // How it is run: false for the current call; true for the older one, which takes a start
    // folder and file name (both empty here) and, for an open panel, the file types below.
    bool olderRunCall = false;
    std::vector<std::string> olderRunCallTypes;
};

// A URL as a panel answers with it.
struct PanelUrl {
    std::string scheme;  // "file" for a file
    std::string path;
};

struct FilePanelAnswer {
    // Non-zero when the user confirmed.
    long response = 0;
    std::optional<PanelUrl> url;
};

class FilePanels {
  public:
    virtual ~FilePanels() = default;

    virtual SystemVersion systemVersion() const = 0;
    // Shows a panel set up as setup and runs it modally until the user confirms or cancels.
    virtual FilePanelAnswer runModal(const FilePanelSetup& setup) = 0;
};

// File panels held in memory, for tests: each panel shown is kept, and answer answers it (a
// cancel when it is not set).
class MemoryFilePanels final : public FilePanels {
  public:
    SystemVersion version;
    std::function<FilePanelAnswer(const FilePanelSetup&)> answer;
    std::vector<FilePanelSetup> shown;

    SystemVersion systemVersion() const override { return version; }
    FilePanelAnswer runModal(const FilePanelSetup& setup) override {
        shown.push_back(setup);
        return answer ? answer(setup) : FilePanelAnswer{};
    }
};

}  // namespace pd
