// The project's test PPD of the printer: it must be a PPD that CUPS accepts and whose feature code
// a PostScript interpreter runs without an error.
#include <gtest/gtest.h>

#include "core/catalog/option_catalogue.h"
#include "core/catalog/paper_size.h"
#include "core/ppd/ppd_choices.h"
#include "core/ppd/supported_ppd_options.h"
#include "tests/core/ppd/record_fixture.h"

// The PPD calls of libcups are marked deprecated; they remain the interface the driver works with.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <cups/ppd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <set>
#include <string>

namespace pd {
namespace {

const std::string testPpdPath = PD_SOURCE_DIR "/data/ppd/durven-paltero.ppd";

struct PpdCloser {
    void operator()(ppd_file_t* ppd) const { ppdClose(ppd); }
};
using PpdFile = std::unique_ptr<ppd_file_t, PpdCloser>;

PpdFile openTestPpd() {
    return PpdFile(ppdOpenFile(testPpdPath.c_str()));
}

// Runs a shell command; returns its exit status and what it wrote to standard output and error.
int runCommand(const std::string& command, std::string& output) {
    output.clear();
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return -1;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool isInstallableGroup(const ppd_group_t& group) {
    return std::string(group.name) == "InstallableOptions";
}

bool isPageSizeOption(const ppd_option_t& option) {
    return std::string(option.keyword) == "PageSize" || std::string(option.keyword) == "PageRegion";
}

bool isResolutionOption(const ppd_option_t& option) {
    return std::string(option.keyword) == "Resolution";
}

// The paper whose PPD choice keyword is name; null when no paper has it.
const PaperSizeInfo* paperNamed(const char* name) {
    for (std::uint32_t id = 0; id < pageSizeOption.choiceCount; ++id) {
        const char* keyword = pageSizeOption.choices[id].names.ppdName;
        if (keyword != nullptr && std::string(keyword) == name) return findPaperSizeInfo(id);
    }
    return nullptr;
}

// A PostScript string literal of text.
std::string postScriptString(const std::string& text) {
    std::string literal = "(";
    for (const char c : text) {
        if (c == '(' || c == ')' || c == '\\') literal += '\\';
        literal += c;
    }
    return literal + ")";
}

// The filter that the PPD names is installed with the driver, not on the test machine.
TEST(TestPpd, PassesCupsTestPpd) {
    std::string output;
    EXPECT_EQ(0, runCommand("cupstestppd -q -I filters '" + testPpdPath + "'", output)) << output;
}

TEST(TestPpd, NamesThePrinterAndItsLanguage) {
    const PpdFile ppd = openTestPpd();
    ASSERT_NE(nullptr, ppd) << ppdErrorString(ppdLastError(nullptr));
    EXPECT_STREQ("DURVEN PALTERO", ppd->manufacturer);
    EXPECT_STREQ("English", ppd->lang_version);
}

TEST(TestPpd, EveryPageSizeHasItsDimensionsAndRegion) {
    const PpdFile ppd = openTestPpd();
    ASSERT_NE(nullptr, ppd);
    ppd_option_t* pageSize = ppdFindOption(ppd.get(), "PageSize");
    ASSERT_NE(nullptr, pageSize);
    EXPECT_EQ(36, pageSize->num_choices);
    EXPECT_STREQ("A4", pageSize->defchoice);
    for (int i = 0; i < pageSize->num_choices; ++i) {
        const char* name = pageSize->choices[i].choice;
        const ppd_size_t* size = ppdPageSize(ppd.get(), name);
        ASSERT_NE(nullptr, size) << name;
        const PaperSizeInfo* paper = paperNamed(name);
        ASSERT_NE(nullptr, paper) << name;
        EXPECT_EQ(paper->widthPoints, size->width) << name;
        EXPECT_EQ(paper->heightPoints, size->length) << name;
        EXPECT_GT(size->top, size->bottom) << name;
        EXPECT_GT(size->right, size->left) << name;
        EXPECT_NE(nullptr, ppdFindChoice(ppdFindOption(ppd.get(), "PageRegion"), name)) << name;
    }
}

// Every choice of every option the driver marks has feature code of its own. The filter inserts
// only the features that its merge changed, so each choice's code must run alone, in a fresh
// interpreter state, and must set what its choice names: the page size of its paper, the device
// resolution, or its own keyword under its option in the features dictionary.
TEST(TestPpd, EachChoicesCodeRunsAloneAndSetsItsChoice) {
    const PpdFile ppd = openTestPpd();
    ASSERT_NE(nullptr, ppd);
    std::string program = "%!PS\n";
    int options = 0;
    for (int g = 0; g < ppd->num_groups; ++g) {
        const ppd_group_t& group = ppd->groups[g];
        if (isInstallableGroup(group)) continue;
        for (int o = 0; o < group.num_options; ++o) {
            const ppd_option_t& option = group.options[o];
            ++options;
            std::set<std::string> codes;
            for (int c = 0; c < option.num_choices; ++c) {
                const ppd_choice_t& choice = option.choices[c];
                ASSERT_NE(nullptr, choice.code) << option.keyword << " " << choice.choice;
                EXPECT_NE('\0', choice.code[0]) << option.keyword << " " << choice.choice;
                EXPECT_TRUE(codes.insert(choice.code).second)
                    << option.keyword << " " << choice.choice << " repeats another choice's code";
                const std::string label =
                    postScriptString(std::string(option.keyword) + " " + choice.choice);
                program += "save userdict /TLQXFeatures undef\nmark {\n";
                program += choice.code;
                program += "\n} stopped { (FAILED ) print " + label + " = } if cleartomark\n";
                if (isPageSizeOption(option)) {
                    const PaperSizeInfo* paper = paperNamed(choice.choice);
                    ASSERT_NE(nullptr, paper) << choice.choice;
                    program += "currentpagedevice /PageSize get aload pop " +
                               std::to_string(static_cast<int>(paper->heightPoints)) + " ne exch " +
                               std::to_string(static_cast<int>(paper->widthPoints)) + " ne or";
                } else if (isResolutionOption(option)) {
                    const std::string dpi = std::to_string(std::atoi(choice.choice));
                    program += "currentpagedevice /HWResolution get aload pop " + dpi +
                               " ne exch " + dpi + " ne or";
                } else {
                    program += "userdict /TLQXFeatures known { TLQXFeatures /" +
                               std::string(option.keyword) + " known { TLQXFeatures /" +
                               std::string(option.keyword) + " get " +
                               postScriptString(choice.choice) +
                               " ne } { true } ifelse } { true } ifelse";
                }
                program += " { (WRONG ) print " + label + " = } if\nrestore\n";
            }
        }
    }
    // The 60 options the driver handles, and PageRegion beside PageSize.
    EXPECT_EQ(61, options);
    program += "(DONE) =\n";

    char path[] = "/tmp/pd_test_ppd_XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    std::ofstream(path) << program;
    std::string output;
    const int status =
        runCommand(std::string("gs -q -dSAFER -dNODISPLAY -dBATCH -dNOPAUSE ") + path, output);
    std::remove(path);
    EXPECT_EQ(0, status) << output;
    EXPECT_EQ("DONE\n", output);
}

TEST(TestPpd, DeclaresEveryOptionAndChoiceTheDriverHandles) {
    const PpdFile ppd = openTestPpd();
    ASSERT_NE(nullptr, ppd);
    SupportedPpdOptionList handled;
    collectSupportedPpdOptions(handled);
    ASSERT_FALSE(handled.empty());
    for (const SupportedPpdOption& entry : handled) {
        ppd_option_t* option = ppdFindOption(ppd.get(), entry.keyword.c_str());
        ASSERT_NE(nullptr, option) << entry.keyword;
        for (const PpdChoice& pair : entry.choices)
            EXPECT_NE(nullptr, ppdFindChoice(option, pair.choice.c_str()))
                << pair.keyword << " " << pair.choice;
    }
}

// libcups finds and marks every pair of a record at its defaults, and those are the PPD's own
// defaults, so a job printed without the panel gets the driver's defaults too.
TEST(TestPpd, DefaultRecordPairsAreThePpdDefaults) {
    const PpdFile ppd = openTestPpd();
    ASSERT_NE(nullptr, ppd);
    PpdChoiceList pairs;
    coreDataToPpdChoices(defaultRecord(), pairs, nullptr);
    ASSERT_FALSE(pairs.empty());
    ppdMarkDefaults(ppd.get());
    for (const PpdChoice& pair : pairs) {
        EXPECT_NE(nullptr, ppdFindChoice(ppdFindOption(ppd.get(), pair.keyword.c_str()),
                                         pair.choice.c_str()))
            << pair.keyword << " " << pair.choice;
        const ppd_choice_t* marked = ppdFindMarkedChoice(ppd.get(), pair.keyword.c_str());
        ASSERT_NE(nullptr, marked) << pair.keyword;
        EXPECT_EQ(pair.choice, marked->choice) << pair.keyword;
        EXPECT_EQ(0, ppdMarkOption(ppd.get(), pair.keyword.c_str(), pair.choice.c_str()));
    }
}

}  // namespace
}  // namespace pd

#pragma GCC diagnostic pop
