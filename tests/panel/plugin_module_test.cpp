// printpanel.so as the print dialog loads it.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <set>
#include <string>

#include "tests/panel/panel_test_support.h"

namespace pd {
namespace {

const std::string modulePath = PD_BINARY_DIR "/printpanel.bundle/printpanel.so";

// The names of the functions and objects that the module defines for others to bind to.
std::set<std::string> exportedSymbols() {
    std::set<std::string> names;
    FILE* pipe = popen(("nm -D --defined-only " + modulePath).c_str(), "r");
    if (pipe == nullptr) return names;
    char line[1024];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        char type = 0;
        char name[1024] = {};
        if (std::sscanf(line, "%*s %c %1023s", &type, name) == 2) names.insert(name);
    }
    pclose(pipe);
    return names;
}

TEST(PluginModule, ExportsItsEntryAlone) {
    std::set<std::string> names = exportedSymbols();
    // The sanitizer runtime adds its own hooks to an instrumented module.
    std::erase_if(names, [](const std::string& name) { return name.starts_with("__"); });
    EXPECT_EQ(std::set<std::string>{printDialogPluginEntryName}, names);
}

TEST(PluginModule, ItsEntryMakesAFactoryThatServesTheDialog) {
    void* handle = dlopen(modulePath.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(nullptr, handle) << dlerror();
    const auto entry =
        reinterpret_cast<PrintDialogPluginEntry>(dlsym(handle, printDialogPluginEntryName));
    ASSERT_NE(nullptr, entry);
    {
        const std::unique_ptr<PrintDialogPlugin> factory(entry());
        ASSERT_NE(nullptr, factory);
        PanelJob job;
        EXPECT_TRUE(factory->initWithBundle(job.bundle));
        EXPECT_TRUE(
            factory->panelsForType("bdb091f4-e57f-11d3-b5cc-0050e4603277", job.host).empty());
        auto panels = factory->panelsForType(printerModulePanelType, job.host);
        ASSERT_EQ(1u, panels.size());
        EXPECT_TRUE(panels[0]->restoreValues());
        EXPECT_EQ(134u, chunkKeys(job.settings()).size());
        ASSERT_NE(nullptr, panels[0]->panelView());
        panels[0]->willShow();
        EXPECT_EQ("5.0.662", panels[0]->panelView()->textField("versionString")->stringValue());
    }
    EXPECT_EQ(0, dlclose(handle));
}

}  // namespace
}  // namespace pd
