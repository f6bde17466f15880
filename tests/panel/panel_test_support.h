// A job in an in-memory print dialog, for the panel's tests: the test PPD (or one derived from it)
// opened and marked as the dialog does, print settings, an A4 portrait page format, and a bundle
// with the panel's view description.
#pragma once

#include <cups/ppd.h>
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/base/base64.h"
#include "core/catalog/language.h"
#include "core/record/core_data.h"
#include "core/record/default_record.h"
#include "dialog/host_callback.h"
#include "panel/record_chunks.h"
#include "panel/settings_panel.h"
#include "platform/measurement_system.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace pd {

// The default record of these tests is the metric, US English one, whatever the machine's locale.
inline const bool fixedTestHost = (useFilterMeasurementSystem(), usePreferredLanguagesOfFilter());

inline const std::string testPpdPath = PD_SOURCE_DIR "/data/ppd/durven-paltero.ppd";

struct PpdCloser {
    void operator()(ppd_file_t* ppd) const { ppdClose(ppd); }
};
using PpdFile = std::unique_ptr<ppd_file_t, PpdCloser>;

// The PPD opened, its defaults marked; null when it cannot be opened.
inline PpdFile openMarkedPpd(const std::string& path) {
    PpdFile ppd(ppdOpenFile(path.c_str()));
    if (ppd) ppdMarkDefaults(ppd.get());
    return ppd;
}

// A copy of the test PPD with every line that begins with linePrefix replaced by replacement (no
// line when it is empty), written under the build folder as name; returns its path. Tests in
// other processes may write the same copy.
inline std::string derivedPpd(const std::string& name, const std::string& linePrefix,
                              const std::string& replacement) {
    std::ifstream in(testPpdPath);
    std::ostringstream out;
    std::string line;
    while (std::getline(in, line)) {
        if (line.starts_with(linePrefix)) {
            if (!replacement.empty()) out << replacement << '\n';
        } else {
            out << line << '\n';
        }
    }
    const std::filesystem::path folder = std::filesystem::path(PD_BINARY_DIR) / "panel_test_ppds";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / name).string();
    // Written aside and renamed, as tests of other processes may read it meanwhile.
    const std::string aside = path + "." + std::to_string(getpid());
    std::ofstream(aside) << out.str();
    std::filesystem::rename(aside, path);
    return path;
}

// Starts program with the arguments and exactly environment, its standard input from inputPath
// and its standard output into outputPath; the child's id, or nullopt when it cannot start.
inline std::optional<pid_t> spawnProgram(const std::string& program,
                                         const std::vector<std::string>& arguments,
                                         const std::vector<std::string>& environment,
                                         const std::string& inputPath,
                                         const std::string& outputPath) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, inputPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& entry : environment) envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);
    pid_t pid = 0;
    const bool started =
        posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0;
    posix_spawn_file_actions_destroy(&actions);
    return started ? std::optional<pid_t>(pid) : std::nullopt;
}

// The view description of the panel's bundle.
inline std::string panelViewDescription() {
    std::ifstream in(PD_SOURCE_DIR "/panel/bundle/PDE.view");
    return std::string(std::istreambuf_iterator<char>(in), {});
}

using Panel = com_talvo_dpxw_zeb0583_662_settings_panel;

struct PanelJob {
    PpdFile ppd;
    std::shared_ptr<MemoryHostCallback> host = std::make_shared<MemoryHostCallback>();
    std::shared_ptr<MemoryBundle> bundle = std::make_shared<MemoryBundle>();
    std::shared_ptr<Panel> panel;

    // A job on the printer of ppdPath, with its panel when the panel accepts the printer.
    explicit PanelJob(const std::string& ppdPath = testPpdPath);

    MemoryPrintSettings& settings() { return host->settings; }
    void setPaper(const std::string& name, double width, double height, bool custom);
};

inline PanelJob::PanelJob(const std::string& ppdPath) : ppd(openMarkedPpd(ppdPath)) {
    (void)fixedTestHost;
    host->ppd = ppd.get();
    setPaper("A4", 595, 842, false);
    bundle->viewDescriptions["PDE"] = panelViewDescription();
    panel = Panel::panelWithCallback(host, bundle);
}

inline void PanelJob::setPaper(const std::string& name, double width, double height, bool custom) {
    host->page.setPaper(Paper{name, width, height});
    host->page.setProperties(customPaperProperties(custom));
}

// The record whose chunks the settings hold, decoded without any repair; the default record
// when they hold none that decodes to a record's size.
inline PdCoreData storedRecord(const PrintSettings& settings) {
    PdCoreData record;
    std::uint32_t length = 0;
    const auto bytes = coreDataBytes(record);
    if (!base64Decode(joinRecordChunks(settings), bytes.data(), coreDataSize, &length) ||
        length != coreDataSize) {
        record = defaultCoreData();
    }
    return record;
}

// Writes record as chunks into settings, as a store does.
inline void storeRecord(PrintSettings& settings, const PdCoreData& record) {
    writeRecordChunks(settings, record);
}

// The numbered chunk keys that the settings hold, in key order.
inline std::vector<std::string> chunkKeys(const PrintSettings& settings) {
    std::vector<std::string> keys;
    for (const std::string& key : settings.keys())
        if (isRecordChunkKey(key)) keys.push_back(key);
    return keys;
}

}  // namespace pd

#pragma GCC diagnostic pop
