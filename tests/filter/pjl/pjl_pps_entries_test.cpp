#include "filter/pjl/pjl_pps_entries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/catalog/option_catalogue.h"
#include "core/record/core_data.h"
#include "core/record/page_lists.h"
#include "filter/pjl/pjl_choice_emitter.h"
#include "pjl_test_support.h"
#include "tests/filter/pages/pps_blob.h"

namespace pd {
namespace {

using test::BlobEntry;
using test::headerLines;
using test::setLines;

std::string perPageSettings(const PdCoreData& record, std::uint32_t lastFlag = 0) {
    return test::runEmitter(emitPerPageSettings, record, 1, lastFlag);
}

void setTrayMediaUnspecified(PdCoreData& record) {
    record.DtMediaTypeTray2.set(6);
    record.DtMediaWeightTray2.set(11);
    record.DtMediaColorTray2.set(7);
    record.DtMediaPrepunchedTray2.set(2);
}

TEST(PjlPageSpecificLookups, TraysAndTabPapers) {
    for (TrayId tray : {0u, 8u, 9u, 200u}) EXPECT_EQ(trayPjlValue(tray), "AUTO") << tray;
    EXPECT_EQ(trayPjlValue(1), "TRAY1");
    EXPECT_EQ(trayPjlValue(5), "TRAY5");
    EXPECT_EQ(trayPjlValue(6), "PITRAY1");
    EXPECT_EQ(trayPjlValue(7), "PITRAY2");

    struct TrayCase {
        TrayId (*lookup)(std::uint32_t);
        std::uint32_t value;
        TrayId tray;
    };
    const TrayCase cases[] = {
        {frontCoverTrayId, 6, 0},   {frontCoverTrayId, 3, 3},   {frontCoverTrayId, 0, 9},
        {backCoverTrayId, 5, 5},    {backCoverTrayId, 7, 9},    {perfectBindTrayId, 17, 0},
        {perfectBindTrayId, 0, 1},  {perfectBindTrayId, 4, 5},  {perfectBindTrayId, 5, 9},
        {perfectBindTrayId, 11, 6}, {perfectBindTrayId, 12, 7}, {perfectBindTrayId, 16, 8},
        {perfectBindTrayId, 13, 9}, {pageSpecificTrayId, 0, 0}, {pageSpecificTrayId, 7, 7},
        {pageSpecificTrayId, 8, 8}, {pageSpecificTrayId, 9, 9},
    };
    for (const TrayCase& c : cases) EXPECT_EQ(c.lookup(c.value), c.tray) << c.value;

    EXPECT_EQ(trayMediaNumber(3), 3u);
    for (TrayId tray : {0u, 6u, 7u, 8u, 9u}) {
        EXPECT_EQ(trayMediaNumber(tray), tray == 0 ? 0u : 6u) << tray;
    }
    EXPECT_EQ(tabPaperPjlValue(31), "A4TAB");
    EXPECT_EQ(tabPaperPjlValue(32), "A4TAB15MM");
    EXPECT_EQ(tabPaperPjlValue(33), "LETTERTAB");
    EXPECT_EQ(tabPaperPjlValue(36), "A4TAB");
}

// The values are read from derived names: for every index they must be the descriptors' own.
TEST(PjlPageSpecificLookups, MediaValuesAgreeWithTheDescriptors) {
    struct Case {
        const ChoiceOptionDescriptor& option;
        std::string (*value)(std::int32_t);
    };
    const Case cases[] = {{mediaTypeAutoOption, mediaTypePjlValue},
                          {mediaWeightAutoOption, mediaWeightPjlValue},
                          {mediaColorAutoOption, mediaColorPjlValue},
                          {mediaPrepunchedAutoOption, mediaPrepunchedPjlValue}};
    for (const Case& c : cases) {
        for (std::int32_t index = -2; index < 300; ++index) {
            const std::uint32_t choice =
                index < 0 ? c.option.choiceCount : static_cast<std::uint32_t>(index);
            const char* expected = pjlChoiceValueWithDefault(c.option, choice);
            EXPECT_EQ(c.value(index), expected != nullptr ? expected : "")
                << c.option.names.pjlName << " " << index;
        }
    }
}

TEST(PjlPageSpecificLookups, MediaValuesFallBackToTheFirstChoice) {
    EXPECT_EQ(mediaTypePjlValue(5), "INTERLEAVED");
    EXPECT_EQ(mediaWeightPjlValue(10), "THICK7");
    EXPECT_EQ(mediaColorPjlValue(6), "GREEN");
    EXPECT_EQ(mediaPrepunchedPjlValue(1), "ON");
    // One past the last choice means "not specified"; a negative index is no choice either.
    EXPECT_EQ(mediaTypePjlValue(6), "NOSET");
    EXPECT_EQ(mediaWeightPjlValue(11), "NOSET");
    EXPECT_EQ(mediaColorPjlValue(7), "NOSET");
    EXPECT_EQ(mediaPrepunchedPjlValue(2), "OFF");
    EXPECT_EQ(mediaTypePjlValue(-1), "NOSET");

    PdCoreData record;
    record.DtMediaWeightTray3.set(3);
    record.DtMediaColorAuto.set(4);
    const MediaAttributes own{1, 4, 2, 1};
    EXPECT_EQ(insertMediaWeightValue(3, record, nullptr), "NORMAL");
    EXPECT_EQ(insertMediaColorValue(7, record, nullptr), "PINK");
    EXPECT_EQ(insertMediaTypeValue(3, record, &own), "PAPER");
    EXPECT_EQ(insertMediaColorValue(3, record, &own), "CLEAR");
}

TEST(PjlInsertSheetEntry, FieldsOfAPrintedRange) {
    PdCoreData record;
    record.DtBinding.set(1);
    record.DtDuplex.set(1);
    record.DtStaple.set(3);
    record.DtPunch.set(2);
    setTrayMediaUnspecified(record);
    EXPECT_EQ(buildInsertSheetEntry(0, "RIGHT", 2, insertNoTab, 0, 0, 0, "4-6", record, nullptr),
              "PRINT,RIGHT,ON,TRAY2,NOSET,NOSET,NOSET,OFF,NONE,RIGHT1POINT,3,CONT,4-6");

    const MediaAttributes own{3, 5, 1, 1};
    record.DtTab1NumOfTabs.set(5);
    EXPECT_EQ(buildInsertSheetEntry(2, "LEFT", 6, insertTab1, 6, 5, 1, "F", record, &own),
              "BLANK,LEFT,OFF,PITRAY1,BOOK,THICK2,WHITE,ON,TAB5,ANY2POINTPITCH2,10,END,F");
}

TEST(PjlInsertSheetEntry, SidesTabsStaplesAndPunches) {
    PdCoreData record;
    record.DtDuplex.set(1);
    record.DtTab2NumOfTabs.set(1);
    const auto field = [&](std::uint32_t type, std::uint32_t tab, std::uint32_t staple,
                           std::uint32_t punch, std::size_t index) {
        const std::string entry =
            buildInsertSheetEntry(type, "LEFT", 1, tab, staple, punch, 0, "1", record, nullptr);
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (std::size_t comma; (comma = entry.find(',', start)) != std::string::npos;
             start = comma + 1) {
            fields.push_back(entry.substr(start, comma - start));
        }
        fields.push_back(entry.substr(start));
        EXPECT_EQ(fields.size(), 13u) << entry;
        return index < fields.size() ? fields[index] : std::string();
    };
    // 2-sided: fixed by the type, else the job's duplex.
    EXPECT_EQ(field(3, 2, 0, 0, 2), "OFF");
    EXPECT_EQ(field(4, 2, 0, 0, 2), "ON");
    EXPECT_EQ(field(5, 2, 0, 0, 2), "OFF");
    EXPECT_EQ(field(1, 2, 0, 0, 2), "OFF");
    EXPECT_EQ(field(6, 2, 0, 0, 2), "ON");
    EXPECT_EQ(field(0, 2, 0, 0, 0), "PRINT");
    EXPECT_EQ(field(1, 2, 0, 0, 0), "BLANK");
    EXPECT_EQ(field(0, 1, 0, 0, 8), "TAB");
    EXPECT_EQ(field(0, 7, 0, 0, 8), "NONE");
    const char* staples[] = {"OFF",
                             "OFF",
                             "LEFT1POINT",
                             "RIGHT1POINT",
                             "LEFT1POINT",
                             "ANY2POINTPITCH3",
                             "ANY2POINTPITCH2",
                             "ANY2POINTPITCH1"};
    for (std::uint32_t s = 0; s < 8; ++s) EXPECT_EQ(field(0, 2, s, 0, 9), staples[s]) << s;
    const char* punches[] = {"OFF", "OFF", "2", "3", "4", "10"};
    for (std::uint32_t p = 0; p < 6; ++p) EXPECT_EQ(field(0, 2, 0, p, 10), punches[p]) << p;

    // The job's own finishing for "same as body" and any selector above the choices.
    const char* jobStaples[] = {"OFF",
                                "LEFT1POINT",
                                "RIGHT1POINT",
                                "LEFT1POINT",
                                "ANY2POINTPITCH3",
                                "ANY2POINTPITCH2",
                                "ANY2POINTPITCH1",
                                "OFF"};
    for (std::uint8_t s = 0; s < 8; ++s) {
        record.DtStaple.set(s);
        EXPECT_EQ(field(0, 2, 0, 0, 9), jobStaples[s]) << int{s};
        EXPECT_EQ(field(0, 2, 9, 0, 9), jobStaples[s]) << int{s};
    }
    record.DtStaple.set(0);
    record.DtStitch.set(1);
    EXPECT_EQ(field(0, 2, 0, 0, 9), "CENTER");
    record.DtPunch.set(4);
    EXPECT_EQ(field(0, 2, 0, 0, 10), "10");
    EXPECT_EQ(field(0, 2, 0, 6, 10), "10");
}

TEST(PjlInsertSheetEntry, RefusesWhatItCannotWrite) {
    const PdCoreData record;
    const std::string twenty = "1-2,4-5,7-8,10-11,13";
    ASSERT_EQ(twenty.size(), 20u);
    EXPECT_FALSE(
        buildInsertSheetEntry(0, "LEFT", 1, 2, 0, 0, 0, twenty.c_str(), record, nullptr).empty());
    const std::string longer = twenty + "5";
    EXPECT_EQ(buildInsertSheetEntry(0, "LEFT", 1, 2, 0, 0, 0, longer.c_str(), record, nullptr), "");
    EXPECT_EQ(buildInsertSheetEntry(0, nullptr, 1, 2, 0, 0, 0, "1", record, nullptr), "");
    EXPECT_EQ(buildInsertSheetEntry(0, "", 1, 2, 0, 0, 0, "1", record, nullptr), "");
    EXPECT_EQ(buildInsertSheetEntry(0, "LEFT", 1, 2, 0, 0, 0, nullptr, record, nullptr), "");

    std::vector<std::string> entries;
    appendInsertSheetEntry(entries, 0, "", 1, 2, 0, 0, 0, "1", record, nullptr);
    appendInsertSheetEntry(entries, 0, "TOP", 1, 2, 0, 0, 0, "1", record, nullptr);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].substr(0, 10), "PRINT,TOP,");
}

TEST(PjlPageListSplit, PiecesOfAtMostTwentyCharactersHighestFirst) {
    const PageRangeList ranges = {{30, 40}, {1, 3}, {50, 50}, {5, 5}, {11, 20}, {7, 9}};
    EXPECT_EQ(splitPageRanges(ranges, 100),
              (std::vector<std::string>{"50,30-40,11-20,7-9,5", "1-3"}));
    EXPECT_EQ(splitPageRanges(ranges, 1), std::vector<std::string>{"50,30-40,11-20,7-9,5"});
    EXPECT_EQ(splitPageRanges({}, 100), std::vector<std::string>{});

    PageRangeList many;
    for (std::uint16_t page = 1000; page < 1400; page += 2) many.push_back({page, page});
    const auto pieces = splitPageRanges(many, 1000);
    std::size_t pages = 0;
    for (const std::string& piece : pieces) {
        EXPECT_LE(piece.size(), insertSheetPagesLimit) << piece;
        pages += (piece.size() + 1) / 5;
    }
    EXPECT_EQ(pages, many.size());
    EXPECT_EQ(pieces.front(), "1398,1396,1394,1392");
}

TEST(PjlPerPageSettings, PrintedRangeOnItsTray) {
    PdCoreData record;
    record.DtBinding.set(1);
    record.DtDuplex.set(1);
    record.DtStaple.set(3);
    record.DtPunch.set(2);
    setTrayMediaUnspecified(record);
    test::setPageSpecificTrays(record, {BlobEntry{.tray = 2, .pages = {{4, 6}}}});
    EXPECT_EQ(perPageSettings(record),
              setLines({"PERPAGESET3=\"PRINT,RIGHT,ON,TRAY2,NOSET,NOSET,NOSET,OFF,NONE,"
                        "RIGHT1POINT,3,CONT,4-6\""}));
    EXPECT_EQ(perPageSettings(PdCoreData{}), "");
    EXPECT_EQ(test::runEmitter(emitPjlOverlayPage, PdCoreData{}, 1), "");
}

TEST(PjlPerPageSettings, BlankSheetsTabsAndPaperNames) {
    PdCoreData record = test::tabRecord();
    record.DtTab2NumOfTabs.set(5);
    record.DtTab2PageSize.set(1);
    record.DtMediaTypeAuto.set(2);
    test::setPageSpecificTrays(
        record, {
                    BlobEntry{.pageSetting = 1, .sheetCount = 3},
                    BlobEntry{.pageSetting = 2, .sheetCount = 1, .pages = {{4, 4}}},
                    BlobEntry{.pageSetting = 5, .tab = {.tabSet = 1}, .pages = {{6, 6}}},
                    BlobEntry{.pageSetting = 3,
                              .paperName = "Blue \"A4\"",
                              .mediaType = 1,
                              .mediaWeight = 4,
                              .mediaColor = 5,
                              .tray = 7,
                              .pages = {{8, 9}}},
                    BlobEntry{.pageSetting = 4, .tray = 6, .pages = {}},
                });
    EXPECT_EQ(
        perPageSettings(record),
        setLines({
            "PERPAGESET3=\"BLANK,LEFT,OFF,AUTO,BOND,NOSET,NOSET,OFF,NONE,OFF,OFF,CONT,F\"",
            "PPSINSERTPAGES3=3",
            "PERPAGESET4=\"BLANK,LEFT,OFF,AUTO,BOND,NOSET,NOSET,OFF,NONE,OFF,OFF,CONT,4\"",
            "PERPAGESET5=\"PRINT,LEFT,OFF,TRAY1,NOSET,NOSET,NOSET,OFF,TAB5,OFF,OFF,CONT,6\"",
            "PPSPAPER5=A4TAB15MM",
            "PERPAGESET6=\"PRINT,LEFT,OFF,PITRAY2,PAPER,THICK,BLUE,OFF,NONE,OFF,OFF,CONT,8-9\"",
            "PPSUSERMEDIANAME6=\"Blue 'A4'\"",
        }));
}

TEST(PjlPerPageSettings, LongPageListsAreSplitAndNumbersEndAt102) {
    PdCoreData record;
    PageRangeList ranges = {{1, 3}, {5, 5}, {7, 9}, {11, 20}, {30, 40}, {50, 50}};
    test::setPageSpecificTrays(
        record, {BlobEntry{.pageSetting = 2, .paperName = "P", .sheetCount = 2, .pages = ranges}});
    EXPECT_EQ(perPageSettings(record),
              setLines({
                  "PERPAGESET3=\"BLANK,LEFT,OFF,AUTO,NOSET,NOSET,NOSET,OFF,NONE,OFF,OFF,CONT,"
                  "50,30-40,11-20,7-9,5\"",
                  "PPSINSERTPAGES3=2",
                  "PPSUSERMEDIANAME3=\"P\"",
                  "PERPAGESET4=\"BLANK,LEFT,OFF,AUTO,NOSET,NOSET,NOSET,OFF,NONE,OFF,OFF,CONT,1-3\"",
                  "PPSINSERTPAGES4=2",
                  "PPSUSERMEDIANAME4=\"P\"",
              }));

    // 450 pages of four digits make 113 pieces: only the first hundred are written.
    PageRangeList many;
    for (std::uint16_t page = 1000; page < 1900; page += 2) many.push_back({page, page});
    test::setPageSpecificTrays(record, {BlobEntry{.pages = many}});
    const auto lines = headerLines(perPageSettings(record));
    ASSERT_EQ(lines.size(), 100u);
    EXPECT_EQ(lines.front().substr(0, 22), "@PJL SET PERPAGESET3=\"");
    EXPECT_EQ(lines.back().substr(0, 24), "@PJL SET PERPAGESET102=\"");
    EXPECT_NE(lines.front().find(",1898,1896,1894,1892\""), std::string::npos);
}

// With the last flag 1 an inserted tab sheet is written as a blank sheet: before page 1 as the
// sheet before the first page, elsewhere at its page, each with its sheet count.
TEST(PjlPerPageSettings, LastFlagWritesInsertedTabSheetsAsBlankSheets) {
    PdCoreData record = test::tabRecord();
    test::setPageSpecificTrays(record, {BlobEntry{.pageSetting = 6,
                                                  .tab = {.insert = 1},
                                                  .sheets = {test::BlobSheet{}, test::BlobSheet{}},
                                                  .pages = {{1, 1}}},
                                        BlobEntry{.pageSetting = 7,
                                                  .tab = {.tabSet = 1, .insert = 2},
                                                  .sheets = {test::BlobSheet{}},
                                                  .pages = {{4, 4}}}});
    const std::string tab = "LEFT,OFF,TRAY1,NOSET,NOSET,NOSET,OFF,TAB15,OFF,OFF,CONT,";
    EXPECT_EQ(perPageSettings(record, 1),
              "@PJL SET PERPAGESET3=\"BLANK," + tab + "F\"\r\n" +
                  setLines({"PPSINSERTPAGES3=2", "PPSPAPER3=A4TAB"}) +
                  "@PJL SET PERPAGESET4=\"PRINT," + tab + "1\"\r\n" +
                  setLines({"PPSPAPER4=A4TAB"}) + "@PJL SET PERPAGESET5=\"PRINT," + tab +
                  "4\"\r\n" + setLines({"PPSPAPER5=A4TAB"}) + "@PJL SET PERPAGESET6=\"BLANK," +
                  tab + "4\"\r\n" + setLines({"PPSPAPER6=A4TAB"}));
}

// A paper name from the blob is bounded like the record's own paper names (88 bytes), cut
// between characters, on every line of its entry.
TEST(PjlPerPageSettings, LongPaperNamesAreCut) {
    PdCoreData record;
    const std::string name = std::string(87, 'n') + "\xC3\xA9" + std::string(5000, 'x');
    test::setPageSpecificTrays(record, {BlobEntry{.paperName = name, .pages = {{2, 2}}}});
    const auto lines = headerLines(perPageSettings(record));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "@PJL SET PPSUSERMEDIANAME3=\"" + std::string(87, 'n') + "\"");
}

TEST(PjlOverlayPage, AtMostThreeFormLines) {
    PdCoreData record;
    PageFormEntry form{5, {}};
    for (std::uint16_t page = 1000; page < 1600; page += 2) form.pages.push_back({page, page});
    ASSERT_TRUE(encodePageFormList({form}, record.DtPageSpecificForms.bytes,
                                   sizeof record.DtPageSpecificForms.bytes));
    const auto lines = headerLines(test::runEmitter(emitPjlOverlayPage, record, 1));
    ASSERT_EQ(lines.size(), 3u);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string prefix = "@PJL SET TALVOOVERLAYPAGE" + std::to_string(n + 1) + "=\"5:1:";
        EXPECT_EQ(lines[n].substr(0, prefix.size()), prefix);
        EXPECT_EQ(lines[n].back(), '"');
    }
    EXPECT_EQ(lines[0].substr(0, 41), "@PJL SET TALVOOVERLAYPAGE1=\"5:1:1000,1002");

    record = PdCoreData{};
    ASSERT_TRUE(encodePageFormList({PageFormEntry{2, {{3, 4}}}, PageFormEntry{noForm, {{5, 5}}}},
                                   record.DtPageSpecificForms.bytes,
                                   sizeof record.DtPageSpecificForms.bytes));
    EXPECT_EQ(test::runEmitter(emitPjlOverlayPage, record, 1),
              setLines({"TALVOOVERLAYPAGE1=\"2:1:3-4\""}));
}

TEST(PjlPerPageSettings, WriteOnlyForward) {
    PdCoreData record;
    test::setPageSpecificTrays(record, {BlobEntry{.pageSetting = 1}});
    test::expectForwardOnly(emitPerPageSettings, record);
    test::expectForwardOnly(emitPjlOverlayPage, record);
}

}  // namespace
}  // namespace pd
