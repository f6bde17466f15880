#include "filter/ps_document_setup.h"

#include <gtest/gtest.h>

#include <string>

#include "core/catalog/option_catalogue.h"
#include "core/catalog/option_reading.h"
#include "filter/driver_postscript.h"
#include "tests/filter/pages/pps_blob.h"

namespace pd {
namespace {

using test::BlobEntry;

PdCoreData setupRecord() {
    PdCoreData record = test::tabRecord();
    record.DtPageSize.set(1);
    record.DtZoom.set(100);
    return record;
}

std::string putValue(const std::string& text, const std::string& key) {
    const std::string head = "TLQXFeatures /" + key + " ";
    const std::size_t at = text.find(head);
    if (at == std::string::npos) return "<absent>";
    const std::size_t end = text.find(" put\r\n", at);
    return text.substr(at + head.size(), end - at - head.size());
}

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

TEST(DocumentSetup, OnePrologueAndTheItemsInOrder) {
    const std::string text = buildBeginSetupCode(setupRecord(), HeaderCopyCount::absent);
    EXPECT_EQ(text.rfind("\r\nuserdict /TLQXFeatures known not { userdict /TLQXFeatures 100 dict "
                         "put } if\r\nTLQXFeatures /PDVersion (",
                         0),
              0u);
    EXPECT_EQ(count(text, "known not"), 1u);
    std::size_t last = 0;
    for (const char* key :
         {"/PDVersion", "/TALVOPDOS (MacX)", "/TLQXPBMode /None", "/HiResPageSize", "/Talvo_NupP5",
          "/Gutter 0", "/Creep 0", "/Zoom 100", "/Screening /Photo", "/TLQXPIFrontPages 0",
          "/TLQXPIBackPages 0", "/Orient (Port)", "/TrayConfiguration"}) {
        const std::size_t at = text.find(key);
        ASSERT_NE(at, std::string::npos) << key;
        EXPECT_GT(at, last) << key;
        last = at;
    }
    EXPECT_EQ(putValue(text, "PPSArray"), "<absent>");
    EXPECT_EQ(putValue(text, "TPCS"), "<absent>");
    EXPECT_EQ(putValue(text, "TLQXImageShiftUPS"), "<absent>");
}

TEST(DocumentSetup, VersionCarriesTheFormatSignature) {
    EXPECT_EQ(driverVersionText(), "5.0.662:0xAC9D5F4D");
    const std::string text = buildBeginSetupCode(setupRecord(), HeaderCopyCount::absent);
    EXPECT_EQ(putValue(text, "PDVersion"), "(5.0.662:0xAC9D5F4D)");
}

TEST(DocumentSetup, GutterAndCreepRoundHalfAwayFromZero) {
    struct Case {
        std::int32_t gutter;
        std::int32_t creep;
        const char* gutterText;
        const char* creepText;
    };
    for (const Case& c : {Case{15, 5000, "2", "-500"}, Case{-15, 0, "-2", "0"},
                          Case{-14, -15, "-1", "2"}, Case{14, 15, "1", "-2"}}) {
        PdCoreData record = setupRecord();
        record.DtGutter.set(c.gutter);
        record.DtCreep.set(c.creep);
        const std::string text = buildBeginSetupCode(record, HeaderCopyCount::absent);
        EXPECT_EQ(putValue(text, "Gutter"), c.gutterText) << c.gutter;
        EXPECT_EQ(putValue(text, "Creep"), c.creepText) << c.creep;
    }
}

TEST(DocumentSetup, ChoiceTexts) {
    PdCoreData record = setupRecord();
    record.DtPerfectBindMode.set(3);
    record.DtScreening.set(2);
    record.DtImageShiftType.set(2);
    record.DtOrientation.set(1);
    record.DtPIFrontSheets.set(3);
    record.DtPIBackSheets.set(7);
    const std::string text = buildBeginSetupCode(record, HeaderCopyCount::absent);
    EXPECT_EQ(putValue(text, "TLQXPBMode"), "/1in1L");
    EXPECT_EQ(putValue(text, "Screening"), "/TextPhoto");
    EXPECT_EQ(putValue(text, "TLQXImageShiftUPS"), "/ByPlugin");
    EXPECT_EQ(putValue(text, "Orient"), "(Land)");
    EXPECT_EQ(putValue(text, "TLQXPIFrontPages"), "3");
    EXPECT_EQ(putValue(text, "TLQXPIBackPages"), "7");
    record.DtPerfectBindMode.set(9);
    record.DtScreening.set(9);
    const std::string fallback = buildBeginSetupCode(record, HeaderCopyCount::absent);
    EXPECT_EQ(putValue(fallback, "TLQXPBMode"), "/None");
    EXPECT_EQ(putValue(fallback, "Screening"), "/Photo");
}

TEST(DocumentSetup, CustomTargetSizeInTenthsOfMillimetres) {
    struct Case {
        std::uint32_t width;
        std::uint32_t height;
        const char* text;
    };
    for (const Case& c :
         {Case{2970000, 2100000, "[2100 2970]"}, Case{2100499, 2970000, "[2100 2970]"},
          Case{2100500, 2970000, "[2101 2970]"}}) {
        PdCoreData record = setupRecord();
        record.DtTargetPaperSize.set(37);
        record.DtCustomTargetPaperSizeWidth.set(c.width);
        record.DtCustomTargetPaperSizeHeight.set(c.height);
        EXPECT_EQ(putValue(buildBeginSetupCode(record, HeaderCopyCount::absent), "TPCS"), c.text)
            << c.width;
    }
}

TEST(DocumentSetup, TrayConfigurationWordsAndDefaults) {
    PdCoreData record = setupRecord();
    record.DtMediaTypeTray2.set(3);
    record.DtMediaWeightTray2.set(10);
    record.DtMediaColorTray2.set(6);
    record.DtMediaPrepunchedTray2.set(1);
    record.DtMediaTypeTray5.set(200);
    const std::string text = trayConfigurationText(record);
    EXPECT_EQ(text.substr(0, 6), "\r\n<<\r\n");
    EXPECT_NE(text.find("/Tray1 << /TLQXMediaType /NoSet /TLQXMediaWeight /NoSet /TLQXMediaColor "
                        "/NoSet /TLQXMediaPrepunched / >>\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("/Tray2 << /TLQXMediaType /Book /TLQXMediaWeight /Thick7 /TLQXMediaColor "
                        "/Green /TLQXMediaPrepunched / >>\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("/Tray5 << /TLQXMediaType /NoSet "), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n>>");
}

// Every stored value, in range or not, names the word of the choice that the descriptor resolves
// it to: the table the setup code reads must agree with the descriptors for all of them.
TEST(DocumentSetup, TrayConfigurationWordsAgreeWithTheDescriptors) {
    const std::array<std::array<const ChoiceOptionDescriptor*, 4>, 5> options{{
        {&mediaTypeTray1Option, &mediaWeightTray1Option, &mediaColorTray1Option,
         &mediaPrepunchedTray1Option},
        {&mediaTypeTray2Option, &mediaWeightTray2Option, &mediaColorTray2Option,
         &mediaPrepunchedTray2Option},
        {&mediaTypeTray3Option, &mediaWeightTray3Option, &mediaColorTray3Option,
         &mediaPrepunchedTray3Option},
        {&mediaTypeTray4Option, &mediaWeightTray4Option, &mediaColorTray4Option,
         &mediaPrepunchedTray4Option},
        {&mediaTypeTray5Option, &mediaWeightTray5Option, &mediaColorTray5Option,
         &mediaPrepunchedTray5Option},
    }};
    const auto word = [](const ChoiceOptionDescriptor* option, std::uint8_t value) {
        const char* name = choiceForValue(*option, value).names.altName;
        return std::string(name != nullptr ? name : "");
    };
    for (unsigned value = 0; value <= 255; ++value) {
        const auto v = static_cast<std::uint8_t>(value);
        PdCoreData record = setupRecord();
        for (const auto field :
             {&PdCoreData::DtMediaTypeTray1,  &PdCoreData::DtMediaWeightTray1,
              &PdCoreData::DtMediaColorTray1, &PdCoreData::DtMediaPrepunchedTray1,
              &PdCoreData::DtMediaTypeTray2,  &PdCoreData::DtMediaWeightTray2,
              &PdCoreData::DtMediaColorTray2, &PdCoreData::DtMediaPrepunchedTray2,
              &PdCoreData::DtMediaTypeTray3,  &PdCoreData::DtMediaWeightTray3,
              &PdCoreData::DtMediaColorTray3, &PdCoreData::DtMediaPrepunchedTray3,
              &PdCoreData::DtMediaTypeTray4,  &PdCoreData::DtMediaWeightTray4,
              &PdCoreData::DtMediaColorTray4, &PdCoreData::DtMediaPrepunchedTray4,
              &PdCoreData::DtMediaTypeTray5,  &PdCoreData::DtMediaWeightTray5,
              &PdCoreData::DtMediaColorTray5, &PdCoreData::DtMediaPrepunchedTray5}) {
            (record.*field).set(v);
        }
        std::string expected = "\r\n<<\r\n";
        for (std::size_t tray = 0; tray < options.size(); ++tray) {
            const auto& o = options[tray];
            expected += "/Tray" + std::to_string(tray + 1) + " << /TLQXMediaType /" +
                        word(o[0], v) + " /TLQXMediaWeight /" + word(o[1], v) +
                        " /TLQXMediaColor /" + word(o[2], v) + " /TLQXMediaPrepunched /" +
                        word(o[3], v) + " >>\r\n";
        }
        expected += ">>";
        EXPECT_EQ(trayConfigurationText(record), expected) << value;
    }
}

// The repeat layouts' duplex pattern.
struct PpsCase {
    const char* name;
    bool twoSided;
    PageRangeList chapters;
    std::vector<BlobEntry> entries;
    const char* expected;
};

TEST(DocumentSetup, DuplexPatternOfRepeatLayouts) {
    const BlobEntry tray2{.pageSetting = 0, .tray = 2, .pages = {{4, 6}}};
    const PpsCase cases[] = {
        {.name = "plain 2-sided",
         .twoSided = true,
         .chapters = {},
         .entries = {},
         .expected = "[ [ 1 1 ] ]"},
        {.name = "double-sided pages in a 1-sided job",
         .twoSided = false,
         .chapters = {},
         .entries = {{.pageSetting = 4, .pages = {{5, 8}}}},
         .expected = "[ [ 1 0 ][ 5 1 ][ 9 0 ] ]"},
        {.name = "chapter at page 5",
         .twoSided = true,
         .chapters = {{5, 5}},
         .entries = {},
         .expected = "[ [ 1 1 ][ 5 1 ] ]"},
        {.name = "chapters over a range and page 1",
         .twoSided = true,
         .chapters = {{1, 1}, {3, 4}},
         .entries = {},
         .expected = "[ [ 1 1 ][ 3 1 ][ 4 1 ] ]"},
        {.name = "blank sheet alone",
         .twoSided = true,
         .chapters = {},
         .entries = {{.pageSetting = 2, .pages = {{5, 5}}}},
         .expected = "[ [ 1 1 ] ]"},
        {.name = "other tray",
         .twoSided = true,
         .chapters = {},
         .entries = {tray2},
         .expected = "[ [ 1 1 ][ 4 1 ][ 7 1 ] ]"},
        {.name = "other tray and blank at 5",
         .twoSided = true,
         .chapters = {},
         .entries = {tray2, {.pageSetting = 2, .pages = {{5, 5}}}},
         .expected = "[ [ 1 1 ][ 4 1 ][ 5 1 ][ 6 1 ][ 7 1 ] ]"},
        // A blank sheet at a run's first page sorts before the run, so no run of its own is
        // there yet to split.
        {.name = "other tray and blank at its first page",
         .twoSided = true,
         .chapters = {},
         .entries = {tray2, {.pageSetting = 2, .pages = {{4, 4}}}},
         .expected = "[ [ 1 1 ][ 4 1 ][ 7 1 ] ]"},
        {.name = "other tray and blank inside it at 4",
         .twoSided = true,
         .chapters = {},
         .entries = {{.pageSetting = 0, .tray = 2, .pages = {{3, 6}}},
                     {.pageSetting = 2, .pages = {{4, 4}}}},
         .expected = "[ [ 1 1 ][ 3 1 ][ 4 1 ][ 5 1 ][ 7 1 ] ]"},
        {.name = "single-sided pages in a 2-sided job",
         .twoSided = true,
         .chapters = {},
         .entries = {{.pageSetting = 3, .pages = {{4, 6}}}},
         .expected = "[ [ 1 1 ][ 4 0 ][ 7 1 ] ]"},
        {.name = "single-sided pages in a 1-sided job",
         .twoSided = false,
         .chapters = {},
         .entries = {{.pageSetting = 3, .pages = {{4, 6}}}},
         .expected = "[ [ 1 0 ] ]"},
        {.name = "a run reaching the last page",
         .twoSided = false,
         .chapters = {},
         .entries = {{.pageSetting = 4, .pages = {{9990, 9999}}}},
         .expected = "[ [ 1 0 ][ 9990 1 ] ]"},
        {.name = "a run covering everything",
         .twoSided = false,
         .chapters = {},
         .entries = {{.pageSetting = 4, .pages = {{1, 9999}}}},
         .expected = "[ [ 1 1 ] ]"},
    };
    for (const PpsCase& c : cases) {
        PdCoreData record = setupRecord();
        record.DtLayout.set(6);
        record.DtDuplex.set(c.twoSided ? 1 : 0);
        if (!c.chapters.empty()) {
            record.DtChapterMode.set(1);
            std::uint32_t position = 0;
            writePageRangeList(c.chapters, record.DtChapterPages.bytes, 122, position);
        }
        test::setPageSpecificTrays(record, c.entries);
        EXPECT_EQ(ppsArrayText(buildPpsRanges(record, HeaderCopyCount::absent)), c.expected)
            << c.name;
        EXPECT_EQ(putValue(buildBeginSetupCode(record, HeaderCopyCount::absent), "PPSArray"),
                  c.expected)
            << c.name;
    }
}

TEST(DocumentSetup, RepeatLayoutWithoutReversalWritesNoDuplexPattern) {
    PdCoreData record = setupRecord();
    record.DtLayout.set(5);
    EXPECT_EQ(putValue(buildBeginSetupCode(record, HeaderCopyCount::absent), "PPSArray"),
              "<absent>");
    for (std::uint8_t layout : {6, 7, 8, 9}) {
        record.DtLayout.set(layout);
        EXPECT_EQ(putValue(buildBeginSetupCode(record, HeaderCopyCount::absent), "PPSArray"),
                  "[ [ 1 0 ] ]");
    }
}

TEST(DocumentSetup, SplitPutsAReversedRangeInOrderFirst) {
    PpsRangeList list{{1, 9, 3, 1}};
    const auto first = splitPageRange(list, list.begin(), 5);
    EXPECT_EQ(first, list.begin());
    EXPECT_EQ(list, (PpsRangeList{{1, 3, 4, 1}, {1, 5, 9, 1}}));
    splitPageRange(list, list.begin(), 3);  // the first page: nothing to split
    splitPageRange(list, list.begin(), 5);  // past the range
    EXPECT_EQ(list.size(), 2u);
}

}  // namespace
}  // namespace pd
