// The panel as the stand-in print dialog runs it: dialoghost with printpanel.so from the build's
// bundle, and psfilter given the options that dialoghost leaves.
#include <cups/cups.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>

#include "core/base/base64.h"
#include "core/base/multi_encoded_string.h"
#include "core/catalog/localized_text.h"
#include "core/catalog/option_catalogue.h"
#include "core/catalog/paper_size.h"
#include "core/ppd/ppd_choices.h"
#include "tests/panel/panel_test_support.h"

extern char** environ;

namespace pd {
namespace {

const std::string dialoghostPath = PD_BINARY_DIR "/dialoghost";
const std::string psfilterPath = PD_BINARY_DIR "/psfilter";

struct ProcessRun {
    int status = -1;
    std::string output;
};

// A scratch folder of the test's own: the user's custom papers are read from it, and files of
// the run are kept in it.
std::filesystem::path scratchFolder() {
    const auto folder = std::filesystem::path(PD_BINARY_DIR) / "dialoghost_test" /
                        ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::create_directories(folder);
    return folder;
}

// Runs program with the arguments, the test's environment (the user's locale and preferences
// replaced by the C locale and an empty configuration) plus extra, and standard input from
// inputPath; returns the exit status and standard output.
ProcessRun run(const std::string& program, const std::vector<std::string>& arguments,
               const std::vector<std::string>& extra = {},
               const std::string& inputPath = "/dev/null") {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        if (text.starts_with("LANG") || text.starts_with("LC_") ||
            text.starts_with("XDG_CONFIG_HOME=") || text.starts_with("PPD="))
            continue;
        environment.push_back(text);
    }
    environment.push_back("LC_ALL=C");
    environment.push_back("XDG_CONFIG_HOME=" + scratchFolder().string());
    environment.insert(environment.end(), extra.begin(), extra.end());

    const std::string outputPath = (scratchFolder() / "stdout").string();
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
    ProcessRun result;
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    std::ifstream in(outputPath, std::ios::binary);
    result.output.assign(std::istreambuf_iterator<char>(in), {});
    return result;
}

struct DialogRun {
    int status = -1;
    std::vector<std::string> lines;  // every line before the options
    std::string optionLine;
    std::map<std::string, std::string> options;
};

DialogRun dialoghost(std::vector<std::string> arguments, const std::string& ppd = testPpdPath) {
    arguments.insert(arguments.begin(), {"--ppd", ppd});
    const ProcessRun result = run(dialoghostPath, arguments);
    DialogRun dialog;
    dialog.status = result.status;
    std::string text = result.output;
    // Wrong usage leaves no print settings to print.
    EXPECT_EQ(dialog.status != 2, text.ends_with('\n'));
    if (text.ends_with('\n')) text.pop_back();
    const std::size_t last = text.rfind('\n');
    dialog.optionLine = last == std::string::npos ? text : text.substr(last + 1);
    std::string head = last == std::string::npos ? "" : text.substr(0, last);
    for (std::size_t start = 0; start < head.size();) {
        const std::size_t end = std::min(head.find('\n', start), head.size());
        dialog.lines.push_back(head.substr(start, end - start));
        start = end + 1;
    }
    cups_option_t* options = nullptr;
    const int count = cupsParseOptions(dialog.optionLine.c_str(), 0, &options);
    for (int i = 0; i < count; ++i) dialog.options[options[i].name] = options[i].value;
    cupsFreeOptions(count, options);
    return dialog;
}

MemoryPrintSettings settingsOf(const DialogRun& dialog) {
    MemoryPrintSettings settings;
    for (const auto& [key, value] : dialog.options) settings.setValue(key, value);
    return settings;
}

PdCoreData recordOf(const DialogRun& dialog) {
    return storedRecord(settingsOf(dialog));
}

// The option line of settings holding exactly these texts.
std::string optionLineOf(const MemoryPrintSettings& settings) {
    std::string line;
    for (const auto& [key, value] : settings.stringEntries()) line += key + "=" + value + " ";
    return line;
}

std::string withRecord(const PdCoreData& record, const std::string& others = "") {
    MemoryPrintSettings settings;
    storeRecord(settings, record);
    return optionLineOf(settings) + others;
}

std::size_t chunkCount(const DialogRun& dialog) {
    return std::count_if(dialog.options.begin(), dialog.options.end(),
                         [](const auto& entry) { return isRecordChunkKey(entry.first); });
}

std::string paperName(const PdCoreData& record) {
    return reinterpret_cast<const char*>(record.DtPageSizeName.bytes);
}

TEST(Dialoghost, PanelInfoGivesTheIdentityAndTheSupportedOptions) {
    const DialogRun dialog = dialoghost({"panel-info"});
    EXPECT_EQ(0, dialog.status);
    std::vector<std::string> supported;
    std::map<std::string, std::string> fields;
    for (const std::string& line : dialog.lines) {
        const std::size_t colon = line.find(": ");
        ASSERT_NE(std::string::npos, colon) << line;
        if (line.starts_with("supported-ppd-option: "))
            supported.push_back(line.substr(colon + 2));
        else
            fields[line.substr(0, colon)] = line.substr(colon + 2);
    }
    EXPECT_EQ(
        (std::map<std::string, std::string>{{"panel-kind", "com.talvo.dpxw.zeb0583.pde.zeb0583"},
                                            {"panel-name", "corvex PRO 583PS"},
                                            {"version", "5.0.662"},
                                            {"button-title", "Settings"},
                                            {"should-hide", "yes"},
                                            {"should-show-help", "yes"}}),
        fields);
    ASSERT_EQ(60u, supported.size());
    EXPECT_EQ("PageSize", supported[0]);
    EXPECT_EQ("InputSlot", supported[1]);
    EXPECT_EQ("", dialog.optionLine);
}

TEST(Dialoghost, OffersNoPanelForAnotherManufacturerAndEchoesTheOptions) {
    const std::string options = "InputSlot=Tray2 media=A4 note='two words'";
    for (const auto& [name, line] : std::vector<std::pair<std::string, std::string>>{
             {"blank.ppd", "*Manufacturer: \"DURVEN PALTERO \""},
             {"case.ppd", "*Manufacturer: \"Durven Paltero\""},
             {"none.ppd", ""}}) {
        const DialogRun dialog = dialoghost({"--options", options, "restore", "save"},
                                            derivedPpd(name, "*Manufacturer:", line));
        EXPECT_EQ(3, dialog.status) << name;
        EXPECT_TRUE(dialog.lines.empty()) << name;
        EXPECT_EQ((std::map<std::string, std::string>{
                      {"InputSlot", "Tray2"}, {"media", "A4"}, {"note", "two words"}}),
                  dialog.options)
            << name;
    }
    const DialogRun missing = dialoghost({"--options", options, "save"}, "/nonexistent.ppd");
    EXPECT_EQ(3, missing.status);
    EXPECT_EQ(3u, missing.options.size());
    const DialogRun noBundle =
        dialoghost({"--bundle", "/nonexistent", "--options", options, "save"});
    EXPECT_EQ(3, noBundle.status);
    EXPECT_EQ(3u, noBundle.options.size());
}

TEST(Dialoghost, RefusesWrongUsage) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {}, {"print"}, {"--paper", "A4", "save"}, {"--orientation", "sideways", "save"}}) {
        EXPECT_EQ(2, dialoghost(arguments).status);
    }
    const ProcessRun withoutPpd = run(dialoghostPath, {"save"});
    EXPECT_EQ(2, withoutPpd.status);
    EXPECT_EQ("", withoutPpd.output);
}

TEST(Dialoghost, SaveFromNothingStoresTheDefaultRecordWithItsPpdChoices) {
    const DialogRun dialog = dialoghost({"save"});
    EXPECT_EQ(0, dialog.status);
    ASSERT_EQ(134u, chunkCount(dialog));
    for (std::uint32_t n = 1; n <= 134; ++n) {
        const auto found = dialog.options.find(recordChunkKey(n));
        ASSERT_NE(dialog.options.end(), found) << n;
        EXPECT_EQ(n < 134 ? 255u : 197u, found->second.size()) << n;
    }
    EXPECT_EQ("", dialog.options.at("AP_D_InputSlot"));
    EXPECT_FALSE(dialog.options.contains("InputSlot"));
    EXPECT_FALSE(dialog.options.contains("PageSize"));

    const PdCoreData record = recordOf(dialog);
    EXPECT_EQ(a4PaperId, record.DtPageSize.get());
    PpdChoiceList stored;
    coreDataToPpdChoices(record, stored, nullptr);
    PpdChoiceList defaults;
    coreDataToPpdChoices(defaultCoreData(), defaults, nullptr);
    EXPECT_EQ(defaults, stored);
    std::size_t pairs = 0;
    for (const PpdChoice& choice : stored) {
        if (choice.keyword == "PageSize" || choice.keyword == "InputSlot") continue;
        ++pairs;
        EXPECT_EQ(choice.choice, dialog.options.at(choice.keyword)) << choice.keyword;
    }
    // The chunks, the automatic slot and the pairs: nothing else.
    EXPECT_EQ(134u + 1 + pairs, dialog.options.size());
}

TEST(Dialoghost, RestoreThenSaveIsTheIdentityAndKeepsAPatchedMember) {
    const DialogRun first = dialoghost({"save"});
    const DialogRun again = dialoghost({"--options", first.optionLine, "restore", "save"});
    EXPECT_EQ(0, again.status);
    EXPECT_EQ(first.options, again.options);

    PdCoreData patched = recordOf(first);
    patched.DtDateStamp.set(2);
    const DialogRun dialog = dialoghost({"--options", withRecord(patched), "restore", "save"});
    const PdCoreData restored = recordOf(dialog);
    EXPECT_EQ(0, std::memcmp(&patched, &restored, coreDataSize));
    PpdChoiceList choices;
    coreDataToPpdChoices(patched, choices, nullptr);
    const auto dateStamp = std::find_if(choices.begin(), choices.end(), [](const PpdChoice& c) {
        return c.keyword == "QZDateStamp";
    });
    ASSERT_NE(choices.end(), dateStamp);
    EXPECT_NE(first.options.at("QZDateStamp"), dateStamp->choice);
    EXPECT_EQ(dateStamp->choice, dialog.options.at("QZDateStamp"));
}

TEST(Dialoghost, LeftoverChunksGoAfterTheRunAndAfterAGap) {
    PdCoreData patched = defaultCoreData();
    patched.DtDateStamp.set(2);
    std::string onTheRun;
    for (std::uint32_t n = 135; n <= 140; ++n) onTheRun += recordChunkKey(n) + "=QUFB ";
    std::string gap;
    for (std::uint32_t n = 136; n <= 140; ++n) gap += recordChunkKey(n) + "=QUFB ";
    const struct {
        std::string leftovers;
        std::uint8_t dateStamp;
    } cases[] = {
        // Chunks that go on the run spoil the record, which the filter would not take either.
        {onTheRun, 0},
        {gap, 2},
        {recordChunkKey(99999) + "=QUFB", 2},
    };
    for (const auto& c : cases) {
        const DialogRun dialog =
            dialoghost({"--options", withRecord(patched, c.leftovers), "restore"});
        EXPECT_EQ(134u, chunkCount(dialog)) << c.leftovers;
        EXPECT_EQ(c.dateStamp, recordOf(dialog).DtDateStamp.get()) << c.leftovers;
    }
}

TEST(Dialoghost, TakesTheInputSlotFromInputSlot) {
    const DialogRun tray = dialoghost({"--options", "InputSlot=Tray3", "restore", "save"});
    EXPECT_EQ(3, recordOf(tray).DtInputSlot.get());
    EXPECT_EQ("Tray3", tray.options.at("InputSlot"));
    EXPECT_FALSE(tray.options.contains("AP_D_InputSlot"));

    // A tray that the PPD lacks leaves the record's slot: Auto for a record from nothing.
    const DialogRun unknown = dialoghost({"--options", "InputSlot=Tray9", "restore", "save"});
    EXPECT_EQ(0, recordOf(unknown).DtInputSlot.get());
    EXPECT_FALSE(unknown.options.contains("InputSlot"));
    EXPECT_EQ("", unknown.options.at("AP_D_InputSlot"));
}

TEST(Dialoghost, TakesThePageFormatIntoTheRecord) {
    const PdCoreData custom = recordOf(dialoghost({"--paper", "Poster:612x792:custom", "restore"}));
    EXPECT_EQ(noPaperId, custom.DtPageSize.get());
    EXPECT_EQ("Poster", paperName(custom));
    EXPECT_EQ(2159000u, custom.DtCustomPageSizeWidth.get());
    EXPECT_EQ(2794000u, custom.DtCustomPageSizeHeight.get());

    const PdCoreData a4 = recordOf(dialoghost({"--paper", "A4:595x842", "save"}));
    EXPECT_EQ(a4PaperId, a4.DtPageSize.get());
    EXPECT_EQ("A4", paperName(a4));

    const PdCoreData landscape = recordOf(dialoghost({"--orientation", "landscape", "restore"}));
    EXPECT_EQ(1, landscape.DtOrientation.get());
    EXPECT_EQ(a4PaperId, landscape.DtPageSize.get());
    const PdCoreData reversed = recordOf(dialoghost(
        {"--options", withRecord(landscape), "--orientation", "reverse-portrait", "restore"}));
    EXPECT_EQ(0, reversed.DtOrientation.get());

    const PdCoreData japanese = recordOf(
        dialoghost({"--paper", "Letter:612x792", "restore"},
                   derivedPpd("japanese.ppd", "*LanguageVersion:", "*LanguageVersion: Japanese")));
    const MultiEncodedString title(
        getLocalizedText(languageJapanese, pageSizeOption.choices[letterPaperId].titleRow));
    EXPECT_EQ(letterPaperId, japanese.DtPageSize.get());
    EXPECT_EQ(title.utf8.get(), paperName(japanese));
}

// The record of psfilter's job-settings comment, with the members that it never carries cleared.
std::optional<PdCoreData> recordOfJob(const std::string& job) {
    std::string text;
    bool inside = false;
    for (std::size_t start = 0; start < job.size();) {
        std::size_t end = job.find('\n', start);
        if (end == std::string::npos) end = job.size();
        std::string line = job.substr(start, end - start);
        start = end + 1;
        if (line.ends_with('\r')) line.pop_back();
        if (line.starts_with("%%TALVO-JobSettings: ")) {
            text = line.substr(21);
            inside = true;
        } else if (inside && line.starts_with("%%+ ")) {
            text += line.substr(4);
        } else if (inside) {
            break;
        }
    }
    PdCoreData record;
    std::uint32_t length = 0;
    if (!base64Decode(text, coreDataBytes(record).data(), coreDataSize, &length) ||
        length != coreDataSize)
        return std::nullopt;
    return record;
}

void clearSecrets(PdCoreData& record) {
    std::memset(record.DtWaitModePassword.bytes, 0, sizeof record.DtWaitModePassword);
    std::memset(record.DtPdfPassword.bytes, 0, sizeof record.DtPdfPassword);
    std::memset(record.DtUserAuthenticationPassword.bytes, 0,
                sizeof record.DtUserAuthenticationPassword);
    std::memset(record.DtAccountTrackPassword.bytes, 0, sizeof record.DtAccountTrackPassword);
    std::memset(record.DtRelayServerSettings.bytes, 0, sizeof record.DtRelayServerSettings);
}

TEST(Dialoghost, PsfilterRebuildsTheRecordThatDialoghostStored) {
    PdCoreData chosen = defaultCoreData();
    chosen.DtDateStamp.set(2);
    std::memcpy(chosen.DtPdfPassword.bytes, "secret", 7);
    const struct {
        std::vector<std::string> arguments;
    } cases[] = {
        {{"--options", withRecord(chosen, "InputSlot=Tray2"), "restore", "save"}},
        {{"--paper", "Poster:612x792:custom", "--orientation", "landscape", "restore", "save"}},
        {{"--paper", "Letter:612x792", "save"}},
    };
    const std::string jobPath = PD_SOURCE_DIR "/data/jobs/sample.ps";
    for (const auto& c : cases) {
        const DialogRun dialog = dialoghost(c.arguments);
        ASSERT_EQ(0, dialog.status);
        const ProcessRun job =
            run(psfilterPath, {"1", "user", "title", "1", dialog.optionLine, jobPath},
                {"PPD=" + testPpdPath});
        ASSERT_EQ(0, job.status);
        std::optional<PdCoreData> printed = recordOfJob(job.output);
        ASSERT_TRUE(printed.has_value());
        PdCoreData stored = recordOf(dialog);
        clearSecrets(stored);
        EXPECT_EQ(0, std::memcmp(&stored, &*printed, coreDataSize));
    }
}

}  // namespace
}  // namespace pd
