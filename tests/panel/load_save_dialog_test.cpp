// The panel's file services: the sandbox test, the file type of a filter, and the open and save
// panels on file panels held in memory.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/panel/panel_test_support.h"

namespace pd {
namespace {

TEST(LoadSaveDialog, IsSandboxedWhenTheEnvironmentNamesAContainer) {
    PanelJob job;
    unsetenv("APP_SANDBOX_CONTAINER_ID");
    EXPECT_FALSE(job.panel->isSandboxed());
    setenv("APP_SANDBOX_CONTAINER_ID", "", 1);
    EXPECT_TRUE(job.panel->isSandboxed());
    unsetenv("APP_SANDBOX_CONTAINER_ID");
}

TEST(LoadSaveDialog, TakesTheFileTypeAfterTheFiltersLastBar) {
    const struct {
        const char* filter;
        const char* fileType;
    } cases[] = {
        {"Settings files (*.pdcfg)|*.pdcfg", "pdcfg"},
        {"Settings files (*.abc)|*.abc", "abc"},
        // The last "|*." counts; letters stay as they are.
        {"Old (*.old)|*.old|New (*.NeW)|*.NeW", "NeW"},
        {"|*.x", "x"},
        {"Einstellungsdateien für (*.abc)|*.abc", "abc"},
        // Anything but letters up to the end, or no bar: the default.
        {"Archives|*.tar.gz", "pdcfg"},
        {"Settings|*.ab1", "pdcfg"},
        {"Settings|*.abc\n", "pdcfg"},
        {"Settings|*.", "pdcfg"},
        {"Settings *.abc", "pdcfg"},
        {"Settings|abc", "pdcfg"},
        {"", "pdcfg"},
        {nullptr, "pdcfg"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.fileType, Panel::fileTypeOfFilter(c.filter)) << (c.filter ? c.filter : "null");
    }
}

TEST(LoadSaveDialog, ShowsTheFilePanelOfTheSystemsVersionAndAnswersWithTheChosenPath) {
    const std::string chosen = "/home/user/job settings.abc";
    const struct {
        const char* name;
        SystemVersion version;
        bool save;
        long response;
        const char* scheme;  // of the URL the panel answers with; null: no URL
        bool shown;
        std::optional<std::string> path;
    } cases[] = {
        {.name = "save",
         .version = {10, 4},
         .save = true,
         .response = 1,
         .scheme = "file",
         .shown = true,
         .path = chosen},
        {.name = "open",
         .version = {10, 5},
         .save = false,
         .response = 1,
         .scheme = "file",
         .shown = true,
         .path = chosen},
        {.name = "open, current run call",
         .version = {10, 6},
         .save = false,
         .response = 1,
         .scheme = "file",
         .shown = true,
         .path = chosen},
        {.name = "cancelled",
         .version = {10, 9},
         .save = true,
         .response = 0,
         .scheme = "file",
         .shown = true,
         .path = std::nullopt},
        {.name = "not a file",
         .version = {10, 9},
         .save = false,
         .response = 1,
         .scheme = "http",
         .shown = true,
         .path = std::nullopt},
        {.name = "no URL",
         .version = {10, 9},
         .save = false,
         .response = 1,
         .scheme = nullptr,
         .shown = true,
         .path = std::nullopt},
        // Too old a system: nothing is shown.
        {.name = "major 9",
         .version = {9, 9},
         .save = true,
         .response = 1,
         .scheme = "file",
         .shown = false,
         .path = std::nullopt},
        {.name = "minor 3",
         .version = {10, 3},
         .save = false,
         .response = 1,
         .scheme = "file",
         .shown = false,
         .path = std::nullopt},
        {.name = "minor 0",
         .version = {11, 0},
         .save = false,
         .response = 1,
         .scheme = "file",
         .shown = false,
         .path = std::nullopt},
    };
    for (const auto& c : cases) {
        PanelJob job;
        const auto application =
            std::make_shared<RunLoopApplication>([] { return std::optional<pid_t>(); });
        int activations = 0;
        application->addObserver(&activations, applicationDidBecomeActiveNotification,
                                 application.get(), [&](std::string_view) { ++activations; });
        const auto panels = std::make_shared<MemoryFilePanels>();
        panels->version = c.version;
        bool displayedWhileShown = false;
        panels->answer = [&](const FilePanelSetup&) {
            displayedWhileShown = job.panel->isLoadSaveDisplayed();
            FilePanelAnswer answer{c.response, std::nullopt};
            if (c.scheme != nullptr) answer.url = PanelUrl{c.scheme, chosen};
            return answer;
        };
        job.host->hostApplication = application;
        job.host->openSavePanels = panels;

        EXPECT_EQ(c.path, job.panel->showLoadSaveDialog("Settings (*.abc)|*.abc", c.save))
            << c.name;
        ASSERT_EQ(c.shown ? 1u : 0u, panels->shown.size()) << c.name;
        EXPECT_FALSE(job.panel->isLoadSaveDisplayed()) << c.name;
        // The host is made the active application before a panel is shown.
        EXPECT_EQ(c.shown, application->isActive()) << c.name;
        EXPECT_EQ(c.shown ? 1 : 0, activations) << c.name;
        if (!c.shown) continue;
        EXPECT_TRUE(displayedWhileShown) << c.name;
        const FilePanelSetup& setup = panels->shown[0];
        const std::vector<std::string> types{"abc"};
        const bool olderRunCall = c.version.minor < 6;
        EXPECT_EQ(olderRunCall, setup.olderRunCall) << c.name;
        EXPECT_FALSE(setup.treatsFilePackagesAsDirectories) << c.name;
        EXPECT_FALSE(setup.allowsOtherFileTypes) << c.name;
        if (c.save) {
            EXPECT_EQ(FilePanelKind::save, setup.kind) << c.name;
            EXPECT_TRUE(setup.extensionHidden && setup.canSelectHiddenExtension &&
                        setup.canCreateDirectories)
                << c.name;
            EXPECT_EQ(types, setup.allowedFileTypes) << c.name;
            EXPECT_TRUE(setup.olderRunCallTypes.empty()) << c.name;
        } else {
            EXPECT_EQ(FilePanelKind::open, setup.kind) << c.name;
            EXPECT_TRUE(setup.canChooseFiles && setup.resolvesAliases) << c.name;
            EXPECT_FALSE(setup.canChooseDirectories || setup.allowsMultipleSelection) << c.name;
            // The types go with the older run call, or onto the panel from x.6 on.
            EXPECT_EQ(olderRunCall ? std::nullopt : std::optional(types), setup.allowedFileTypes)
                << c.name;
            EXPECT_EQ(olderRunCall ? types : std::vector<std::string>(), setup.olderRunCallTypes)
                << c.name;
        }
    }
    // A dialog that offers no file panels.
    PanelJob job;
    EXPECT_EQ(std::nullopt, job.panel->showLoadSaveDialog("Settings (*.abc)|*.abc", true));
}

}  // namespace
}  // namespace pd
