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
#include "panel/summary_items.h"
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
// replaced by the C locale and an empty configuration) plus extra, whose entries take the place of
// those of the same name, and standard input from inputPath; returns the exit status and standard
// output.
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
    const auto put = [&](const std::string& entry) {
        const std::string name = entry.substr(0, entry.find('=') + 1);
        std::erase_if(environment, [&](const std::string& held) { return held.starts_with(name); });
        environment.push_back(entry);
    };
    put("LC_ALL=C");
    put("XDG_CONFIG_HOME=" + scratchFolder().string());
    for (const std::string& entry : extra) put(entry);

    const std::string outputPath = (scratchFolder() / "stdout").string();
    ProcessRun result;
    if (const auto pid = spawnProgram(program, arguments, environment, inputPath, outputPath)) {
        int status = 0;
        waitpid(*pid, &status, 0);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
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

DialogRun dialoghost(std::vector<std::string> arguments, const std::string& ppd = testPpdPath,
                     const std::vector<std::string>& environment = {}) {
    arguments.insert(arguments.begin(), {"--ppd", ppd});
    const ProcessRun result = run(dialoghostPath, arguments, environment);
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

// The summary's member rows of record in language, as dialoghost writes them.
std::vector<std::string> memberRowLines(const PdCoreData& record, LanguageIndex language) {
    SummaryItemList items;
    buildSummaryItems(record, items, language);
    std::vector<std::string> lines;
    for (const SummaryItem& item : items) lines.push_back(item.label + "\t" + item.value);
    return lines;
}

std::vector<std::string> fixedRowLines(const DialogRun& dialog) {
    return {dialog.lines.begin(),
            dialog.lines.begin() + std::min<std::size_t>(3, dialog.lines.size())};
}

std::vector<std::string> memberRowLines(const DialogRun& dialog) {
    return {dialog.lines.begin() + std::min<std::size_t>(3, dialog.lines.size()),
            dialog.lines.end()};
}

TEST(Dialoghost, SummaryListsPaperOrientationAndTrayThenTheMemberRows) {
    const DialogRun plain = dialoghost({"summary"});
    EXPECT_EQ(0, plain.status);
    EXPECT_EQ((std::vector<std::string>{"Original Size\tA4", "Original Orientation\tPortrait",
                                        "Paper Tray\tAuto"}),
              fixedRowLines(plain));
    const std::vector<std::string> members = memberRowLines(plain);
    ASSERT_EQ(38u, members.size());
    EXPECT_EQ("Imposition\tOff", members.front());
    EXPECT_EQ("Print Mode\tPrint", members.back());
    EXPECT_EQ(memberRowLines(recordOf(plain), languageUsEnglish), members);

    const DialogRun turned =
        dialoghost({"--orientation", "landscape", "--options", "InputSlot=Tray2", "summary"});
    EXPECT_EQ((std::vector<std::string>{"Original Size\tA4", "Original Orientation\tLandscape",
                                        "Paper Tray\tTray 2"}),
              fixedRowLines(turned));
    EXPECT_EQ(memberRowLines(recordOf(turned), languageUsEnglish), memberRowLines(turned));
}

TEST(Dialoghost, SummaryIsInTheUsersLanguageWhateverThePpdsLanguage) {
    const auto japanese = [](std::uint32_t row) {
        return makeLocalizedText(languageJapanese, row);
    };
    for (const std::string& ppd :
         {testPpdPath, derivedPpd("german.ppd", "*LanguageVersion:", "*LanguageVersion: German")}) {
        const DialogRun dialog =
            dialoghost({"--paper", "Letter:612x792", "--orientation", "reverse-landscape",
                        "--options", "InputSlot=Tray5", "summary"},
                       ppd, {"LC_ALL=C.UTF-8", "LANGUAGE=ja"});
        EXPECT_EQ(0, dialog.status) << ppd;
        // The paper is shown as the dialog names it.
        EXPECT_EQ((std::vector<std::string>{japanese(pageSizeOption.titleRow) + "\tLetter",
                                            japanese(orientationOption.titleRow) + "\t" +
                                                japanese(orientationOption.choices[1].titleRow),
                                            japanese(inputSlotOption.titleRow) + "\t" +
                                                japanese(inputSlotOption.choices[5].titleRow)}),
                  fixedRowLines(dialog))
            << ppd;
        EXPECT_EQ(memberRowLines(recordOf(dialog), languageJapanese), memberRowLines(dialog))
            << ppd;
    }
}

// The environment entries that let a program find the locales that these tests compile under the
// build folder, for machines that install none but C; nothing when localedef cannot make them.
std::optional<std::vector<std::string>> compiledTestLocales() {
    const std::filesystem::path folder =
        std::filesystem::path(PD_BINARY_DIR) / "dialoghost_locales";
    for (const std::string source : {"en_US", "de_DE"}) {
        const std::filesystem::path made = folder / (source + ".UTF-8");
        if (std::filesystem::exists(made / "LC_NUMERIC")) continue;
        std::filesystem::create_directories(folder);
        // Made aside and renamed, as tests of other processes may look for it meanwhile.
        const std::filesystem::path aside = made.string() + "." + std::to_string(getpid());
        const std::string command =
            "localedef -i " + source + " -f UTF-8 '" + aside.string() + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) == -1) return std::nullopt;
        std::error_code ignored;
        std::filesystem::rename(aside, made, ignored);
        std::filesystem::remove_all(aside, ignored);
        if (!std::filesystem::exists(made / "LC_NUMERIC")) return std::nullopt;
    }
    // glibc keeps what it read of LOCPATH for the life of the process, which the sanitizer build's
    // leak checker would report as ours.
    const std::filesystem::path suppressions = folder / "leaks.supp";
    const std::filesystem::path aside = suppressions.string() + "." + std::to_string(getpid());
    std::ofstream(aside) << "leak:__argz_add_sep\n";
    std::filesystem::rename(aside, suppressions);
    return std::vector<std::string>{"LOCPATH=" + folder.string(),
                                    "LSAN_OPTIONS=suppressions=" + suppressions.string()};
}

TEST(Dialoghost, SummaryShowsACustomTargetSizeInTheUnitOfTheUsersLocale) {
    const std::optional<std::vector<std::string>> locales = compiledTestLocales();
    if (!locales) GTEST_SKIP() << "localedef cannot make the test locales";
    PdCoreData poster = defaultCoreData();
    poster.DtTargetPaperSize.set(customTargetPaperSize);
    poster.DtTargetPaperSizeName.assign("Poster");
    poster.DtCustomTargetPaperSizeWidth.set(2159000);
    poster.DtCustomTargetPaperSizeHeight.set(2794000);
    const struct {
        std::vector<std::string> environment;
        LanguageIndex language;
        const char* size;
    } cases[] = {
        {{}, languageUsEnglish, "Poster (21.6x27.9 cm)"},
        {{"LC_ALL=", "LANG=en_US.UTF-8"}, languageUsEnglish, "Poster (8.50x11.00 inch)"},
        // A decimal comma in the user's numbers leaves the full stop.
        {{"LC_ALL=", "LANG=de_DE.UTF-8"}, languageGerman, "Poster (21.6x27.9 cm)"},
        {{"LC_ALL=", "LANG=de_DE.UTF-8", "LC_MEASUREMENT=en_US.UTF-8"},
         languageGerman,
         "Poster (8.50x11.00 Zoll)"},
        {{"LC_ALL=de_DE.UTF-8", "LANGUAGE=ja"}, languageJapanese, "Poster (21.6x27.9 cm)"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> environment = c.environment;
        environment.insert(environment.end(), locales->begin(), locales->end());
        const DialogRun dialog = dialoghost({"--options", withRecord(poster), "restore", "summary"},
                                            testPpdPath, environment);
        ASSERT_EQ(0, dialog.status) << c.size;
        const std::string line =
            makeLocalizedText(c.language, targetPaperSizeOption.titleRow) + "\t" + c.size;
        EXPECT_EQ(1, std::count(dialog.lines.begin(), dialog.lines.end(), line))
            << line << "\n"
            << ::testing::PrintToString(dialog.lines);
    }
}

TEST(Dialoghost, SummaryListsATitleThatTwoRowsShareOnceWithTheLastValue) {
    const DialogRun english = dialoghost({"summary"});
    const auto front =
        std::find(english.lines.begin(), english.lines.end(), "Front Cover Tray\tOff");
    ASSERT_NE(english.lines.end(), front);
    for (const auto& [name, language] :
         {std::pair{"zh_CN", languageSimplifiedChinese}, {"zh_TW", languageTraditionalChinese}}) {
        const DialogRun chinese = dialoghost({"summary"}, testPpdPath,
                                             {"LC_ALL=C.UTF-8", std::string("LANGUAGE=") + name});
        ASSERT_EQ(english.lines.size() - 1, chinese.lines.size()) << name;
        const std::string title = makeLocalizedText(language, frontCoverTrayOption.titleRow);
        ASSERT_EQ(title, makeLocalizedText(language, perfectBindTrayOption.titleRow));
        const PdCoreData record = recordOf(chinese);
        const std::string last =
            choiceTitleText(perfectBindTrayOption, record.DtPerfectBindTray.get(), language);
        ASSERT_NE(last,
                  choiceTitleText(frontCoverTrayOption, record.DtFrontCoverTray.get(), language));
        EXPECT_EQ(title + "\t" + last, chinese.lines[front - english.lines.begin()]) << name;
        EXPECT_EQ(1, std::count_if(
                         chinese.lines.begin(), chinese.lines.end(),
                         [&](const std::string& line) { return line.starts_with(title + "\t"); }))
            << name;
    }
}

TEST(Dialoghost, SummaryStoresTheRecordAsRestoreDoes) {
    const std::vector<std::string> page = {"--paper", "Poster:612x792:custom", "--orientation",
                                           "landscape"};
    const auto run = [&](const std::string& options, std::vector<std::string> actions) {
        std::vector<std::string> arguments = page;
        arguments.insert(arguments.end(), {"--options", options});
        arguments.insert(arguments.end(), actions.begin(), actions.end());
        return dialoghost(arguments);
    };
    const DialogRun restored = run("InputSlot=Tray3", {"restore"});
    const DialogRun summarised = run("InputSlot=Tray3", {"summary"});
    EXPECT_EQ(restored.options, summarised.options);
    EXPECT_EQ(3, recordOf(summarised).DtInputSlot.get());
    EXPECT_EQ("Original Size\tPoster", summarised.lines.at(0));
    EXPECT_EQ(restored.options, run(restored.optionLine, {"restore", "summary"}).options);
}

}  // namespace
}  // namespace pd
