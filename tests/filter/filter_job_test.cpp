#include "filter/filter_job.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <string>

#include "core/base/base64.h"
#include "filter/job_services.h"
#include "filter/media_option.h"
#include "scripted_input.h"
#include "tests/core/base/comma_locale.h"

namespace pd {
namespace {

void parse(FilterJob& job, const char* options) {
    job.optionCount = cupsParseOptions(options, 0, &job.jobOptions);
}

TEST(OptionScan, ReadsOrientationOwnerNameAndMedia) {
    const struct {
        const char* options;
        std::uint8_t orientation;
    } cases[] = {
        {"media=A4", 2},
        {"orientation-requested=3", 0},
        {"orientation-requested=4", 1},
        {"orientation-requested=5", 1},
        {"orientation-requested=99999999999999999999", 0},
        {"com.apple.print.PageFormat.PMOrientation=2", 1},
        {"com.apple.print.PageFormat.PMOrientation=1", 0},
        {"landscape", 1},
        {"landscape=true", 1},
        {"nolandscape", 2},
        {"landscape=false", 2},
        {"landscape=No", 2},
        {"landscape=off", 2},
        {"orientation-requested=4 nolandscape", 1},
    };
    for (const auto& c : cases) {
        FilterJob job;
        parse(job, c.options);
        scanJobOptions(job, "lpuser", "title");
        EXPECT_EQ(job.jobOrientation, c.orientation) << c.options;
        EXPECT_EQ(job.jobOwner, "lpuser");
        EXPECT_EQ(job.jobName, "title");
    }
    FilterJob job;
    parse(job,
          "xS_PCD0001=a S_PCD0002=b S_PCD0001=c media=Plain,Letter "
          "com.apple.print.JobInfo.PMJobOwner=owner my.PMJobName='Quarterly report'");
    scanJobOptions(job, "lpuser", "title");
    EXPECT_EQ(job.jobOwner, "owner");
    EXPECT_EQ(job.jobName, "Quarterly report");
    EXPECT_EQ(job.mediaText, "Plain,Letter");
    ASSERT_EQ(job.recordChunks.size(), 2u);
}

TEST(RecordChunks, AreJoinedInNameOrder) {
    PdCoreData record = jobDefaultRecord();
    record.DtOutputMethodFileName.assign("joined in order");
    record.DtPageSizeName.assign("early in the record");
    const auto bytes = coreDataBytes(record);
    const std::string text = base64Encode(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    FilterJob job;
    job.recordChunks = {{"S_PCD0002", text.substr(20000)}, {"S_PCD0001", text.substr(0, 20000)}};
    rebuildRecord(job);
    EXPECT_EQ(job.record.DtOutputMethodFileName.view(), "joined in order");

    // Chunks that carry less than a whole record, or a broken group, leave no byte of theirs: the
    // record is the default one throughout.
    const auto defaultBytes = coreDataBytes(jobDefaultRecord());
    for (const std::string& partial : {text.substr(0, 20000), text.substr(0, 30001)}) {
        FilterJob shortJob;
        shortJob.recordChunks = {{"S_PCD0001", partial}};
        rebuildRecord(shortJob);
        const auto rebuilt = coreDataBytes(shortJob.record);
        EXPECT_TRUE(std::equal(rebuilt.begin(), rebuilt.end(), defaultBytes.begin()))
            << partial.size() << " characters";
    }
}

TEST(MediaOption, TakesTheFirstAcceptedToken) {
    const struct {
        const char* media;
        std::uint8_t pageSize;
        const char* name;
        std::uint32_t width;
        std::uint32_t height;
    } cases[] = {
        {"A4,Plain", 1, "A4", 0, 0},
        {"Plain,Letter", 17, "Letter", 0, 0},
        {"Custom.612x792", 36, "Kept", 2159000, 2794000},
        {"Custom.210x297mm,A4", 36, "Kept", 2100000, 2970000},
        {"custom.210X297mm", 36, "Kept", 2100000, 2970000},
        {"Custom.8.5x11in", 36, "Kept", 2159000, 2794000},
        {"Custom.21x29.7cm", 36, "Kept", 2100000, 2970000},
        {"Custom.+100x100", 36, "Kept", 352780, 352780},
        {"Custom.0.18x0.54", 36, "Kept", 640, 1910},  // 63.5 and 190.5 micrometres: halves go up
        {"B4", 5, "Kept", 0, 0},
        {"", 5, "Kept", 0, 0},
        {",Letter", 17, "Letter", 0, 0},
        {"Custom.8x10IN,Letter", 17, "Letter", 0, 0},
        {"Custom.-210x297mm,Custom.210x0mm,Custom.0.0001x1mm,Letter", 17, "Letter", 0, 0},
        {"Custom.429497x1mm,Custom.1e3x1,Custom.99999999999999999999x1,Letter", 17, "Letter", 0, 0},
        {"Custom.429496x1mm", 36, "Kept", 4294960000u, 10000},
    };
    for (const auto& c : cases) {
        PdPlatformData setup;
        setup.DtPageSize.set(5);
        setup.DtPageSizeName.assign("Kept");
        setup.DtCustomPageSizeWidth.set(0);
        setup.DtCustomPageSizeHeight.set(0);
        applyMediaOption(setup, c.media);
        EXPECT_EQ(setup.DtPageSize.get(), c.pageSize) << c.media;
        EXPECT_EQ(setup.DtPageSizeName.view(), c.name) << c.media;
        EXPECT_EQ(setup.DtCustomPageSizeWidth.get(), c.width) << c.media;
        EXPECT_EQ(setup.DtCustomPageSizeHeight.get(), c.height) << c.media;
    }
}

TEST(MediaOption, CustomSizesReadTheSameUnderEveryLocale) {
    if (!test::switchToCommaLocale()) GTEST_SKIP() << "no locale with a decimal comma available";
    const auto size = parseCustomMediaSize("Custom.8.5x+11.25in");
    std::setlocale(LC_NUMERIC, "C");
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(size->width, 2159000u);
    EXPECT_EQ(size->height, 2857500u);
}

TEST(MediaOption, PageSetupStartsFromTheRecordsOwnPaper) {
    PdCoreData record = jobDefaultRecord();
    record.DtPageSize.set(36);
    record.DtCustomPageSizeWidth.set(1000000);
    record.DtCustomPageSizeHeight.set(2000000);
    record.DtPageSizeName.assign("Poster");
    record.DtInputSlot.set(3);
    record.DtOrientation.set(1);
    PdPlatformData setup = pageSetupFromRecord(record, 2);
    EXPECT_EQ(setup.DtPageSize.get(), 36);
    EXPECT_EQ(setup.DtCustomPageSizeWidth.get(), 1000000u);
    EXPECT_EQ(setup.DtCustomPageSizeHeight.get(), 2000000u);
    EXPECT_EQ(setup.DtPageSizeName.view(), "Poster");
    EXPECT_EQ(setup.DtInputSlot.get(), 3);
    EXPECT_EQ(setup.DtOrientation.get(), 2);

    record.DtPageSize.set(1);
    setup = pageSetupFromRecord(record, 0);
    EXPECT_EQ(setup.DtCustomPageSizeWidth.get(), 0u);
    EXPECT_EQ(setup.DtOrientation.get(), 0);
}

// The frame around a job's input: it opens once the first read has succeeded and closes at the
// end of the input, also one that ended early; the status says whether the job came to its end.
TEST(FilterRun, TheFrameOpensOnTheFirstReadAndClosesWhateverEndsTheInput) {
    const std::string opening = "\x1b%-12345X@PJL\n";
    const std::string header =
        jobPjlHeader(jobDefaultRecord(), "title", "lpuser") + "@PJL ENTER LANGUAGE = POSTSCRIPT\n";
    const std::string closing = "\n\x1b%-12345X";
    volatile std::sig_atomic_t stop = 0;
    struct Case {
        const char* name;
        test::ScriptedInput input;
        int status;
        std::string output;
    } cases[] = {
        {"unreadable", {.pieces = {}, .failsAtEnd = true}, exitJobFailed, ""},
        {"empty", {}, exitJobDone, opening + header + closing},
        {"whole", {.pieces = {"%!PS\n", "x"}}, exitJobDone, opening + header + "%!PS\nx" + closing},
        {"read error",
         {.pieces = {"%!PS\nshow"}, .failsAtEnd = true},
         exitJobFailed,
         opening + header + "%!PS\nshow" + closing},
        {"cancelled",
         {.pieces = {"%!PS\nshow", "page\n"}, .stop = &stop, .stopAfter = 1},
         exitJobFailed,
         opening + header + "%!PS\nshow" + closing},
    };
    for (Case& c : cases) {
        stop = 0;
        std::FILE* input = c.input.open();
        std::FILE* output = std::tmpfile();
        const char* argv[] = {"psfilter", "1", "lpuser", "title", "1", "media=A4"};
        const int status = runPsfilter(6, argv, nullptr, input, fileno(output), &stop);
        std::fclose(input);
        std::string written(c.output.size() + 64, '\0');
        std::rewind(output);
        written.resize(std::fread(written.data(), 1, written.size(), output));
        std::fclose(output);
        EXPECT_EQ(status, c.status) << c.name;
        EXPECT_TRUE(written == c.output) << c.name << ": " << written.size() << " bytes";
    }
}

}  // namespace
}  // namespace pd
