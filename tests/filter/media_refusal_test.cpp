// A job whose paper the record's settings cannot go with: the page-setup merge runs the rules, and
// their result is what the job-settings record, the inserted features and the PJL header carry.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/base/base64.h"
#include "filter/job_services.h"
#include "filter/pjl/pjl_job_header.h"
#include "psfilter_process.h"

namespace pd {
namespace {

// The record that the job-settings comment of the output carries, in its lines' order.
bool recordOfOutput(const std::string& output, PdCoreData& record) {
    const std::string first = "%%TALVO-JobSettings: ", more = "%%+ ";
    std::string text;
    std::size_t at = output.find("\n" + first);
    if (at == std::string::npos) return false;
    for (at += 1; output.compare(at, first.size(), first) == 0 ||
                  (!text.empty() && output.compare(at, more.size(), more) == 0);) {
        const std::size_t start = at + (text.empty() ? first.size() : more.size());
        const std::size_t end = output.find("\r\n", start);
        if (end == std::string::npos) return false;
        text += output.substr(start, end - start);
        at = end + 2;
    }
    std::uint32_t length = 0;
    return base64Decode(text, coreDataBytes(record).data(), coreDataSize, &length) &&
           length == coreDataSize;
}

// The feature blocks that the output's document setup begins, in order.
std::vector<std::string> setupFeatures(const std::string& output) {
    const std::size_t begin = output.find("%%BeginSetup");
    const std::size_t end = output.find("%%EndSetup", begin);
    std::vector<std::string> features;
    const std::string key = "%%BeginFeature: *";
    for (std::size_t at = output.find(key, begin); at < end; at = output.find(key, at + 1))
        features.push_back(output.substr(at + key.size(), output.find('\n', at) - at - key.size()));
    return features;
}

// Runs a one-page A4 job with the record and the job's "media" option; an empty output when the
// filter fails.
std::string printedJob(const PdCoreData& record, const std::string& media) {
    const auto bytes = coreDataBytes(record);
    const std::string options =
        "S_PCD0001=" + base64Encode(bytes.data(), static_cast<std::uint32_t>(bytes.size())) +
        " media=" + media;
    const std::filesystem::path job = std::filesystem::temp_directory_path() /
                                      ("pd_media_refusal_" + std::to_string(::getpid()) + ".ps");
    std::ofstream(job, std::ios::binary) << "%!PS-Adobe-3.0\n%%Pages: 1\n%%EndComments\n"
                                            "%%BeginSetup\n%%BeginFeature: *PageSize A4\n"
                                            "<< /PageSize [595 842] >> setpagedevice\n"
                                            "%%EndFeature\n%%EndSetup\n"
                                            "%%Page: 1 1\nshowpage\n%%Trailer\n%%EOF\n";
    const test::FilterRun run =
        test::runPsfilter({"1", "user", "title", "1", options, job.string()},
                          {"PPD=" PD_SOURCE_DIR "/data/ppd/durven-paltero.ppd"});
    std::filesystem::remove(job);
    return run.status == 0 ? run.output : std::string();
}

// Stapling and duplex from the Auto slot, and a tray 1 of the heaviest weight. The job's custom
// paper is one that the Auto source cannot take, so the rules move the job to tray 1, whose media
// refuse duplex, stapling and face-down output.
TEST(MediaRefusal, TheRulesResultReachesTheRecordTheFeaturesAndTheHeader) {
    PdCoreData record = jobDefaultRecord();
    record.DtStaple.set(3);
    record.DtDuplex.set(1);
    record.DtMediaWeightTray1.set(10);
    const std::string output = printedJob(record, "Custom.100x150mm");
    ASSERT_FALSE(output.empty());

    PdCoreData merged;
    ASSERT_TRUE(recordOfOutput(output, merged));
    EXPECT_EQ(merged.DtPageSize.get(), 36);
    EXPECT_EQ(merged.DtCustomPageSizeWidth.get(), 1000000u);
    EXPECT_EQ(merged.DtInputSlot.get(), 1);
    EXPECT_EQ(merged.DtMediaWeightTray1.get(), 10);
    EXPECT_EQ(merged.DtDuplex.get(), 0);
    EXPECT_EQ(merged.DtStaple.get(), 0);
    EXPECT_EQ(merged.DtFaceUp.get(), 1);

    // The changed settings go to the printer as features in front of the job's page size; the
    // custom paper also forces full bleed. The slot has no feature of its own.
    EXPECT_EQ(setupFeatures(output),
              (std::vector<std::string>{"QZDuplex False", "QZFullBleed True", "QZStaple None",
                                        "QZOutputOrder FaceUp", "PageSize A4"}));

    // Duplex, stapling and the output order are header entries of the printer's other job kind:
    // a PostScript job's header is the merged record's without them.
    const std::string header = buildPjlJobHeader(&merged, "title", "user", nullptr, 1, 0);
    EXPECT_EQ(output.find("\x1b%-12345X@PJL\n" + header + "@PJL ENTER LANGUAGE"), 0u);
    for (const char* entry : {"@PJL SET DUPLEX=", "@PJL SET FINISH=", "@PJL SET OUTPUTMODE="})
        EXPECT_EQ(header.find(entry), std::string::npos) << entry;
}

// Stapling with divided output and GBCStreampunch from the Auto slot, and a tray 1 of the lightest
// weight, which neither stapling nor that punch takes. The job's custom paper moves the job to
// tray 1: the staple and the punch give way to it, and without a staple the output is no longer
// divided.
TEST(MediaRefusal, StaplingAndPunchingGiveWayToTheTrayThatTheJobsPaperNeeds) {
    PdCoreData record = jobDefaultRecord();
    record.DtStaple.set(3);
    record.DtDivideOutput.set(1);
    record.DtDivideOutputPages.set(5);
    record.DtPunch.set(4);
    record.DtMediaWeightTray1.set(1);
    const std::string output = printedJob(record, "Custom.100x150mm");
    ASSERT_FALSE(output.empty());

    PdCoreData merged;
    ASSERT_TRUE(recordOfOutput(output, merged));
    EXPECT_EQ(merged.DtInputSlot.get(), 1);
    EXPECT_EQ(merged.DtMediaWeightTray1.get(), 1);
    EXPECT_EQ(merged.DtStaple.get(), 0);
    EXPECT_EQ(merged.DtPunch.get(), 0);
    EXPECT_EQ(merged.DtDivideOutput.get(), 0);
    EXPECT_EQ(merged.DtDivideOutputPages.get(), 5);
    EXPECT_EQ(merged.DtFaceUp.get(), 0);

    // Divided output has no feature of its own.
    EXPECT_EQ(setupFeatures(output), (std::vector<std::string>{"QZFullBleed True", "QZStaple None",
                                                               "QZPunch None", "PageSize A4"}));

    // Stapling and punching are header entries of the printer's other job kind; the divided
    // output's page count, which the record's own header carries, goes with the staple.
    const std::string header = buildPjlJobHeader(&merged, "title", "user", nullptr, 1, 0);
    EXPECT_EQ(output.find("\x1b%-12345X@PJL\n" + header + "@PJL ENTER LANGUAGE"), 0u);
    const std::string pageLoop = "@PJL SET PAGELOOP=5\r\n";
    EXPECT_NE(buildPjlJobHeader(&record, "", "user", nullptr, 1, 0).find(pageLoop),
              std::string::npos);
    EXPECT_EQ(header.find("@PJL SET PAGELOOP="), std::string::npos);
    for (const char* entry : {"@PJL SET FINISH=", "@PJL SET PUNCH="})
        EXPECT_EQ(header.find(entry), std::string::npos) << entry;
}

}  // namespace
}  // namespace pd
