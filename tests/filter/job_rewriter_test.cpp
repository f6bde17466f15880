#include "filter/job_rewriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "filter/job_ppd.h"
#include "filter/job_services.h"
#include "written_comments.h"

namespace pd {
namespace {

// A small PPD of our own with code for some choices and none for others.
constexpr const char* testPpd = R"PPD(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "REWRITE.PPD"
*Manufacturer: "Test"
*Product: "(Rewrite Test)"
*ModelName: "Rewrite Test"
*ShortNickName: "Rewrite Test"
*NickName: "Rewrite Test"
*PSVersion: "(3010.000) 0"
*OpenUI *PageSize: PickOne
*DefaultPageSize: A4
*PageSize A4: "<</PageSize[595 842]>>setpagedevice"
*PageSize Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *QZStaple: PickOne
*DefaultQZStaple: None
*QZStaple None: "(staple none) pop"
*QZStaple Left: "(staple left) pop"
*CloseUI: *QZStaple
*OpenUI *QZPunch: PickOne
*DefaultQZPunch: Off
*QZPunch Off: ""
*QZPunch Two: "(punch two) pop
"
*CloseUI: *QZPunch
)PPD";

class JobRewriterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::snprintf(ppdPath_, sizeof ppdPath_, "/tmp/pd_rewrite_XXXXXX");
        const int fd = mkstemp(ppdPath_);
        ASSERT_GE(fd, 0);
        std::FILE* file = fdopen(fd, "w");
        std::fputs(testPpd, file);
        std::fclose(file);
        ppd_ = openJobPpd(ppdPath_, 0, nullptr);
        ASSERT_NE(ppd_, nullptr);
        job_.texts = {"<setup>", "<endsetup>", "<pagestart>"};
    }
    void TearDown() override {
        closeJobPpd(ppd_);
        std::remove(ppdPath_);
    }

    std::string rewrite(const std::string& input) {
        std::FILE* file = std::tmpfile();
        std::fwrite(input.data(), 1, input.size(), file);
        std::rewind(file);
        LineReader reader(file, out_);
        CurrentLine line;
        while (reader.readLine(line) == ReadResult::line) rewriteLine(job_, line);
        std::fclose(file);
        return out_.captured();
    }

    char ppdPath_[64];
    ppd_file_t* ppd_ = nullptr;
    JobOutput out_{-1};
    JobRewriter job_{out_, jobDefaultRecord()};
};

// The settings comments of the record that the rewriters of these tests hold.
const std::string& defaultComments() {
    static const std::string text = test::jobSettingsCommentsText(jobDefaultRecord());
    return text;
}

const std::string pageEnd =
    "\r\n\r\nuserdict /TLQXFeatures known not { userdict /TLQXFeatures 100 "
    "dict put } if\r\nTLQXFeatures /Talvo_NupP3 known { TLQXFeatures "
    "/Talvo_NupP3 get exec } if\r\n%%TALVOPAGETRAILER%%\r\n\n";
const std::string trailerCode =
    "\r\nuserdict /TalvoTABdict known { userdict /TalvoTABdict get /Talvo_TP1 known { userdict "
    "/TalvoTABdict get /Talvo_TP1 get exec } if } if\r\n\r\nuserdict /TLQXFeatures known not { "
    "userdict /TLQXFeatures 100 dict put } if\r\nTLQXFeatures /Talvo_P6 known { TLQXFeatures "
    "/Talvo_P6 get exec } if\r\n\n";

TEST_F(JobRewriterTest, InsertsAtTheLandmarksOfATwoPageJob) {
    const std::string got = rewrite(
        "%!PS-Adobe-3.0\n%%Pages: 2\n%%EndComments\n%%BeginSetup\nsetup\n%%EndSetup\n"
        "%%Page: a 1\npage one\n%%Page: b 2\npage two\n%%Trailer\n%%EOF\n");
    EXPECT_EQ(got, "%!PS-Adobe-3.0\n%%Pages: 2\n" + defaultComments() +
                       "\n%%EndComments\n%%BeginSetup\n<setup>\nsetup\n<endsetup>\n%%EndSetup\n"
                       "%%Page: a 1\n<pagestart>\npage one\n"
                       "(%%[Page 1]%%) = \n%%PageTrailer\n" +
                       pageEnd +
                       "%%Page: b 2\n<pagestart>\npage two\n(%%[Page 2]%%) = \n%%PageTrailer\n" +
                       pageEnd + "%%Trailer\n" + trailerCode + "%%EOF\n");
}

TEST_F(JobRewriterTest, TheJobsOwnPageTrailersStopOurs) {
    const std::string got =
        rewrite("%%Page: 1 1\np\n%%PageTrailer\n%%Page: 2 2\nq\n%%PageTrailer\n%%Trailer\n");
    EXPECT_EQ(got, "%%Page: 1 1\n<pagestart>\np\n%%PageTrailer\n" + pageEnd +
                       "%%Page: 2 2\n<pagestart>\nq\n%%PageTrailer\n" + pageEnd + "%%Trailer\n" +
                       trailerCode);
}

TEST_F(JobRewriterTest, RepeatedAndMissingLandmarks) {
    // Without pages the trailer closes nothing; a second trailer gets the trailer code again but
    // closes no page twice; second header and setup landmarks insert nothing; the last page
    // stays open at the end of input.
    EXPECT_EQ(rewrite("%%EndComments\n%%EndComments\n%%Trailer\n%%Page: 1 1\n%%Trailer\n%%Trailer\n"
                      "%%BeginSetup\n%%BeginSetup\n%%EndSetup\n%%EndSetup\n%%Page: 2 2\nx"),
              defaultComments() + "\n%%EndComments\n%%EndComments\n%%Trailer\n" + trailerCode +
                  "%%Page: 1 1\n<pagestart>\n(%%[Page 1]%%) = \n%%PageTrailer\n" + pageEnd +
                  "%%Trailer\n" + trailerCode + "%%Trailer\n" + trailerCode +
                  "%%BeginSetup\n<setup>\n%%BeginSetup\n<endsetup>\n%%EndSetup\n%%EndSetup\n"
                  "%%Page: 2 2\n<pagestart>\nx");
}

TEST_F(JobRewriterTest, LandmarksInsideBlocksBelongToTheEmbeddedMaterial) {
    for (const char* pair : {"Document", "Resource", "ProcSet", "File", "Font", "Binary", "Data",
                             "CustomColor", "Object"}) {
        const std::string begin = std::string("%%Begin") + pair + ": x\n";
        const std::string end = std::string("%%End") + pair + "\n";
        // Nested brackets of the same pair: only the outer end line closes the block.
        const std::string input = begin + "%%Page: 1 1\n" + begin + "%%Trailer\n" + end +
                                  "%%Page: 2 2\n" + end + "%%Page: 1 1\n";
        JobOutput out(-1);
        JobRewriter job(out, jobDefaultRecord());
        job.texts.pageStartCode = "<pagestart>";
        std::FILE* file = std::tmpfile();
        std::fputs(input.c_str(), file);
        std::rewind(file);
        LineReader reader(file, out);
        CurrentLine line;
        while (reader.readLine(line) == ReadResult::line) rewriteLine(job, line);
        std::fclose(file);
        EXPECT_EQ(out.captured(), input.substr(0, input.size() - 12) + "%%Page: 1 1\n<pagestart>\n")
            << pair;
        EXPECT_EQ(job.pageCounter, 1u) << pair;
    }
}

TEST_F(JobRewriterTest, AStrayEndLinePassesAndBlindsNothing) {
    EXPECT_EQ(rewrite("%%EndDocument\n%%EndFeature\n%%Page: 1 1\n%%BeginFeature:\nx\n%%EndFeature\n"
                      "%%Trailer\n"),
              "%%EndDocument\n%%EndFeature\n%%Page: 1 1\n<pagestart>\n%%BeginFeature:\nx\n"
              "%%EndFeature\n(%%[Page 1]%%) = \n%%PageTrailer\n" +
                  pageEnd + "%%Trailer\n" + trailerCode);
}

TEST_F(JobRewriterTest, PendingFeaturesReplaceTheJobsBlocksInTheDocumentSetup) {
    job_.ppdFile = ppd_;
    job_.pendingFeatureList = {{"QZStaple", "Left"}, {"QZPunch", "Two"}, {"QZFold", "Half"}};
    const std::string block = "%%BeginFeature: *QZStaple None\n(staple none) pop\n%%EndFeature\n";
    EXPECT_EQ(rewrite(block + "%%BeginSetup\n" + block +
                      "%%BeginFeature: *PageSize A4\nA4 code\n%%EndFeature\n"
                      "%%BeginFeature: *QZPunch Off\n%%EndFeature\n%%EndSetup\n" +
                      block),
              block +
                  "%%BeginSetup\n<setup>\n"
                  "% The next feature was changed by the cups filter\n"
                  "%%BeginFeature: *QZStaple Left\n(staple left) pop\n%%EndFeature\n"
                  "mark {\n%%BeginFeature: *QZPunch Two\n(punch two) pop\n%%EndFeature\n"
                  "} stopped cleartomark\n"
                  "%%BeginFeature: *PageSize A4\nA4 code\n%%EndFeature\n"
                  "%%BeginFeature: *QZPunch Off\n%%EndFeature\n<endsetup>\n%%EndSetup\n" +
                  block);
    EXPECT_TRUE(job_.pendingFeatureList.empty());
}

// A choice the PPD knows but has no code for (Off) takes the job's block away whole; a choice or
// an option the PPD does not know leaves it in place.
TEST_F(JobRewriterTest, AChoiceWithoutCodeDropsTheJobsBlockAndAnUnknownOneKeepsIt) {
    job_.ppdFile = ppd_;
    job_.pendingFeatureList = {{"QZPunch", "Off"}, {"QZStaple", "Missing"}, {"QZFold", "Half"}};
    const std::string input =
        "%%BeginSetup\n%%BeginFeature: *QZPunch Two\npunch\n%%EndFeature\n"
        "%%BeginFeature: *QZStaple Left\nstaple\n%%EndFeature\n"
        "%%BeginFeature: *QZFold None\nfold\n%%EndFeature\n%%EndSetup\n";
    EXPECT_EQ(rewrite(input),
              "%%BeginSetup\n<setup>\n%%BeginFeature: *QZStaple Left\nstaple\n%%EndFeature\n"
              "%%BeginFeature: *QZFold None\nfold\n%%EndFeature\n<endsetup>\n%%EndSetup\n");
    EXPECT_TRUE(job_.pendingFeatureList.empty());
}

TEST_F(JobRewriterTest, WithoutAPpdNoFeatureCodeIsInserted) {
    job_.pendingFeatureList = {{"QZStaple", "Left"}};
    const std::string input =
        "%%BeginSetup\n%%BeginFeature: *QZStaple None\n%%Page: 9 9\n%%EndFeature\n"
        "%%BeginFeature: *PageSize A4\n%%EndFeature\n%%EndSetup\n%%Page: 1 1\n";
    // The feature's lines pass as ordinary lines: its end line is a stray one.
    EXPECT_EQ(rewrite(input),
              "%%BeginSetup\n<setup>\n%%BeginFeature: *QZStaple None\n%%Page: 9 9\n<pagestart>\n"
              "%%EndFeature\n%%BeginFeature: *PageSize A4\n%%EndFeature\n<endsetup>\n%%EndSetup\n"
              "(%%[Page 1]%%) = \n%%PageTrailer\n" +
                  pageEnd + "%%Page: 1 1\n<pagestart>\n");
}

// The filter's reader hands ordinary lines over in runs and lets a long line go to the output as
// it arrives unless the stages may write ahead of it or drop it: the output is byte for byte what
// reading line by line gives, with and without a PPD, whatever the line ends. Small read steps
// make every line of a short job a long one.
TEST_F(JobRewriterTest, ReadingInRunsAndStreamingLongLinesChangesNoByte) {
    const auto rewriteWith = [&](const std::string& input, ppd_file_t* ppd, std::size_t step) {
        JobOutput out(-1);
        JobRewriter job(out, jobDefaultRecord());
        job.ppdFile = ppd;
        job.pendingFeatureList = {{"QZStaple", "Left"}, {"QZPunch", "Off"}};
        job.texts = {"<setup>", "<endsetup>", "<pagestart>"};
        std::FILE* file = std::tmpfile();
        std::fwrite(input.data(), 1, input.size(), file);
        std::rewind(file);
        LineHandling handling;
        if (step != 0) {
            handling = lineHandlingFor(job);
            handling.readStep = step;
        }
        LineReader reader(file, out, nullptr, handling);
        CurrentLine line;
        while (reader.readLine(line) == ReadResult::line) rewriteLine(job, line);
        std::fclose(file);
        return out.captured();
    };
    // Each line's end replaced by padding and the line end.
    const auto withLineEnds = [](const std::string& job, std::string_view padding,
                                 std::string_view lineEnd) {
        std::string changed;
        for (const char c : job) {
            if (c == '\n') {
                changed += padding;
                changed += lineEnd;
            } else {
                changed += c;
            }
        }
        return changed;
    };
    const std::string mib(1 << 20, 'x');
    const std::string blank(1 << 20, ' ');
    // Long lines of every kind: ordinary ones and comments that name no keyword, ones inside
    // replaced feature blocks (dropped, or passed through beyond the limit), a feature line whose
    // keyword comes after a mebibyte, landmarks that act after their line (streamed) or ahead of
    // it (held), and beyond the limit ones that pass through.
    const std::string longLines =
        "%!PS\n%%EndComments " + mib + "\n%%BeginSetup " + mib + "\n%%BeginFeature: " + blank +
        "*QZStaple None\n" + mib + mib + "\n%%EndFeature\n%%BeginFeature: *QZPunch Two\n" + mib +
        "\n" + std::string(6 << 20, 'p') +
        "\n%%Page: 9 9\n%%EndFeature\n%%EndSetup\n%%Page: " + mib + mib + "\n%%+ " + mib + mib +
        "\n%%Page: " + mib + mib + "\n<" + mib + mib + mib +
        ">\n%%BeginDocument: x\n%%Page: " + mib + mib + "\n" + mib + mib + "\n%%EndDocument " +
        mib + "\n%%PageTrailer " + mib + "\n%%Trailer " + std::string(13 << 19, 't') +
        "\n%%Trailer\n%%EOF";
    const std::string dscJob =
        "%!PS-Adobe-3.0\n%%Title: t\n%%EndComments\n%%BeginProlog\n%%BeginResource: procset p\n"
        "%%Page: 0 0\n%%EndResource\n%%EndProlog\n%%BeginSetup\n"
        "%%BeginFeature: *QZStaple None\nstaple code\n%%BeginFeature: *QZFold Half\n%%EndFeature\n"
        "%%EndFeature\n%%BeginFeature:" +
        std::string(300, ' ') +
        "*QZPunch Two\npunch code\n%%EndFeature\n%%BeginFeature: *PageSize A4\nA4 code\n"
        "%%EndFeature\n%%EndSetup\n%%BeginFeature:" +
        std::string(300, ' ') +
        "*QZFold Half\n%%Page: 7 7\n%%EndFeature\n%%Page: 1 1\nbody\n%%BeginDocument: d\n"
        "%%Page: 1 1\n"
        "%%EndDocument\n%%Page: 2 2\n%%PageTrailer\nbody\n%%EndFeature\n%%BeginBinary: 1\n"
        "%%Trailer\n%%EndBinary\n%%Trailer\n%%EOF";
    const struct {
        const char* what;
        const std::string& job;
        std::string padding;
        std::size_t step;
    } cases[] = {
        {"long lines", longLines, "", defaultReadStep},
        {"lines two steps long", dscJob, " " + std::string(200, 'x'), 64},
        {"lines about a step long", dscJob, " " + std::string(50, 'x'), 64},
        {"lines beyond a short step", dscJob, "", 20},
        {"heads too short for a keyword", dscJob, "", 8},
    };
    for (const auto& c : cases) {
        for (const std::string_view lineEnd : {"\n", "\r\n", "\r"}) {
            const std::string input = withLineEnds(c.job, c.padding, lineEnd);
            for (ppd_file_t* ppd : {static_cast<ppd_file_t*>(nullptr), ppd_}) {
                EXPECT_TRUE(rewriteWith(input, ppd, c.step) == rewriteWith(input, ppd, 0))
                    << c.what << ", line end "
                    << (lineEnd == "\n"   ? "LF"
                        : lineEnd == "\r" ? "CR"
                                          : "CR LF")
                    << (ppd != nullptr ? ", PPD" : "");
            }
        }
    }
}

TEST(FeatureKeyword, TakesTheWordAfterTheFirstStar) {
    const struct {
        const char* line;
        const char* keyword;
    } cases[] = {
        {"%%BeginFeature: *PageSize A4\n", "PageSize"},
        {"%%BeginFeature: *Duplex\r\n", "Duplex"},
        {"%%BeginFeature: * *QZFold Half", "QZFold"},
        {"%%BeginFeature: no keyword\n", ""},
        {"%%BeginFeature: *", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(extractFeatureKeyword(c.line), c.keyword) << c.line;
}

}  // namespace
}  // namespace pd
