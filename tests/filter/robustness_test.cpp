// Jobs as they arrive from broken applications, cut connections and wrong files: whatever the
// bytes, psfilter must deliver a complete printer stream (the PJL frame opened and closed), pass
// on every byte of the job, in order, and end with success rather than crash.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "psfilter_process.h"

namespace {

namespace fs = std::filesystem;

const std::string ppdVariable = "PPD=" PD_SOURCE_DIR "/data/ppd/durven-paltero.ppd";

constexpr std::string_view frameOpening = "\x1b%-12345X@PJL\n";
constexpr std::string_view languageSwitch = "@PJL ENTER LANGUAGE = POSTSCRIPT\n";
constexpr std::string_view frameClosing = "\n\x1b%-12345X";

using pd::test::FilterRun;

// psfilter on job (given as a file argument), with or without the test PPD.
FilterRun runFilter(const std::string& job, bool withPpd, const std::string& options = "media=A4") {
    const fs::path jobPath =
        fs::temp_directory_path() / ("pd_robust_" + std::to_string(::getpid()) + ".ps");
    std::ofstream(jobPath, std::ios::binary) << job;
    const std::vector<std::string> env =
        withPpd ? std::vector<std::string>{ppdVariable} : std::vector<std::string>{};
    FilterRun run =
        pd::test::runPsfilter({"1", "user", "title", "1", options, jobPath.string()}, env);
    fs::remove(jobPath);
    return run;
}

// Whether every byte of part appears in whole, in order.
bool isSubsequence(std::string_view part, std::string_view whole) {
    std::size_t at = 0;
    for (const char c : part) {
        at = whole.find(c, at);
        if (at == std::string_view::npos) return false;
        ++at;
    }
    return true;
}

// The stream is whole: opening, header, language switch, the job's part and the closing; every
// job byte is in the job's part, in order. Returns the job's part (empty when the frame is
// broken, after reporting it).
std::string checkCompleteStream(const FilterRun& run, const std::string& job,
                                const std::string& what) {
    EXPECT_EQ(run.status, 0) << what;
    const std::string& out = run.output;
    const std::size_t switchAt = out.find(languageSwitch);
    const bool framed = out.starts_with(frameOpening) && switchAt != std::string::npos &&
                        out.size() >= switchAt + languageSwitch.size() + frameClosing.size() &&
                        out.ends_with(frameClosing);
    EXPECT_TRUE(framed) << what << ": the PJL frame is not opened and closed";
    if (!framed) return {};
    const std::size_t body = switchAt + languageSwitch.size();
    const std::string part = out.substr(body, out.size() - frameClosing.size() - body);
    EXPECT_TRUE(isSubsequence(job, part)) << what << ": a job byte is missing or out of order";
    return part;
}

std::string pages(int count) {
    std::string text;
    for (int page = 1; page <= count; ++page) {
        text += "%%Page: " + std::to_string(page) + " " + std::to_string(page) +
                "\n72 72 moveto (page) show\nshowpage\n";
    }
    return text;
}

const std::string header =
    "%!PS-Adobe-3.0\n%%Pages: 2\n%%EndComments\n%%BeginProlog\n"
    "%%EndProlog\n%%BeginSetup\n%%EndSetup\n";

TEST(Robustness, DamagedJobsGiveACompleteStreamWithEveryByte) {
    const struct {
        const char* what;
        std::string job;
    } cases[] = {
        {"empty file", ""},
        {"header comment over 1 KB",
         "%!PS-Adobe-3.0\n%%Title: " + std::string(4000, 'T') +
             "\n%%For: " + std::string(1500, 'u') +
             "\r\n%%EndComments\n%%BeginSetup\n%%BeginFeature: *PageSize " +
             std::string(2000, 'P') + "\n%%EndFeature\n%%EndSetup\n" + pages(2) + "%%EOF\n"},
        {"no line end at all", "%!PS-Adobe-3.0 %%Pages: 1 %%Page: 1 1 showpage %%EOF"},
        {"no line end, beyond the line limit", "%!PS " + std::string(6 << 20, 'z') + " showpage"},
        {"cut off in the middle of a page",
         header + pages(1) + "%%Page: 2 2\n/Times-Roman findfont 12 scalefont setfont 72 7"},
        {"cut off inside a page's resource",
         header + "%%Page: 1 1\n%%BeginResource: font F\n/F 10 dict d"},
        {"unterminated last comment", header + pages(2) + "%%Trailer\n%%EOF"},
        {"unterminated page comment", header + pages(1) + "%%Page: 2 2"},
        {"CR line ends only", "%!PS-Adobe-3.0\r%%EndComments\r%%Page: 1 1\rshowpage\r%%Trailer\r"},
        {"lone DSC prefixes", "%\n%%\n%%Page:\n%%Page\r%%Trailer"},
    };
    for (const auto& c : cases) {
        for (const bool withPpd : {false, true}) {
            const FilterRun run = runFilter(c.job, withPpd);
            checkCompleteStream(run, c.job, std::string(c.what) + (withPpd ? ", PPD" : ""));
        }
    }
    // Without DSC comments and without a PPD nothing is added to the job's part.
    for (const std::string& job : {std::string(), std::string("no line end"),
                                   std::string(3 << 20, '\r'), std::string(6 << 20, 'y')}) {
        EXPECT_EQ(checkCompleteStream(runFilter(job, false), job, "plain job"), job);
    }
}

TEST(Robustness, RandomBytesAndRandomDscLinesGiveACompleteStreamWithEveryByte) {
    std::mt19937 random(131213);
    // Pieces that reach the DSC stages: landmarks, blocks left open or closed twice, and a page
    // size feature, whose block the filter keeps (other features may be replaced by the PPD's).
    const std::vector<std::string> pieces = {"%%EndComments\n",
                                             "%%BeginSetup\n",
                                             "%%EndSetup\n",
                                             "%%Page: 1 1\n",
                                             "%%PageTrailer\n",
                                             "%%Trailer\n",
                                             "%%EOF\n",
                                             "%%BeginDocument: x\n",
                                             "%%EndDocument\n",
                                             "%%BeginResource: font F\n",
                                             "%%EndResource\n",
                                             "%%BeginFeature: *PageSize Letter\n",
                                             "%%EndFeature\n",
                                             "%%BeginBinary: 5\n",
                                             "%%EndBinary\n",
                                             "%%Page:",
                                             "\r\n",
                                             "\r",
                                             "\n",
                                             "%",
                                             "showpage\n",
                                             std::string(1, '\0'),
                                             "\x1b%-12345X",
                                             "@PJL\n"};
    for (int round = 0; round < 24; ++round) {
        std::string job;
        const std::size_t length = random() % (round < 20 ? 8192 : 1u << 20);
        while (job.size() < length) {
            if (round % 2 == 0) {
                job += static_cast<char>(random() & 0xFF);
            } else {
                job += pieces[random() % pieces.size()];
            }
        }
        const FilterRun run = runFilter(job, round % 4 < 2, round % 3 ? "media=A4" : "landscape");
        checkCompleteStream(run, job, "round " + std::to_string(round));
    }
}

}  // namespace
