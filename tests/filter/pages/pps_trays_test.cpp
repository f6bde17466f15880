#include "filter/pages/pps_trays.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/filter/pages/pps_blob.h"

namespace pd {
namespace {

using test::BlobEntry;
using test::BlobSheet;
using test::BlobTab;

PageSpecificList decode(const std::vector<unsigned char>& blob, bool tabImageShift = false,
                        bool* ok = nullptr) {
    PageSpecificList list;
    const bool result = decodePageSpecificTrays(
        blob.data(), static_cast<std::uint32_t>(blob.size()), list, tabImageShift);
    if (ok != nullptr) *ok = result;
    return list;
}

PageSpecificList build(const PdCoreData& record, PageListMode listMode,
                       HeaderCopyCount copyCount = HeaderCopyCount::absent) {
    PageSpecificList list;
    buildPageSpecificList(record, list, listMode, copyCount);
    return list;
}

std::vector<PageRangeList> pagesOf(const PageSpecificList& list) {
    std::vector<PageRangeList> pages;
    for (const PageSpecificEntry& entry : list) pages.push_back(entry.pages);
    return pages;
}

TEST(PageSpecificDecode, ZerosAndVersionedHeaders) {
    bool ok = false;
    EXPECT_TRUE(decode(std::vector<unsigned char>(pageSpecificTraysSize), false, &ok).empty());
    EXPECT_TRUE(ok);

    std::vector<unsigned char> versioned{0xFF, 0xFF, 7, 0, 1};
    versioned.resize(64);
    EXPECT_TRUE(decode(versioned, false, &ok).empty());
    EXPECT_FALSE(ok);

    test::BlobWriter writer;
    writer.word(0xFFFF);
    writer.byte(8);
    writer.word(1);
    writer.entry(BlobEntry{.pageSetting = 3, .tray = 2, .pages = {{4, 6}}});
    writer.bytes.resize(100);
    const PageSpecificList list = decode(writer.bytes, false, &ok);
    EXPECT_TRUE(ok);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].pageSetting, pagePrintSingleSided);
    EXPECT_EQ(list[0].tray, 2);
    EXPECT_EQ(list[0].pages, (PageRangeList{{4, 6}}));
}

TEST(PageSpecificDecode, ValuesAboveTheirRangeReadAsTheHighest) {
    BlobEntry entry{
        .pageSetting = 9,
        .punch = 8,
        .staple = 200,
        .endFlag = 5,
        .paperName = "Blue",
        .mediaType = 6,
        .mediaWeight = 11,
        .mediaColor = 7,
        .prePunched = 3,
        .tray = 8,
        .sheetCount = 300,
        .tab = {.noTab = 4, .tabSet = 2, .insert = 3, .position = 20, .text = "T"},
        .sheets = {BlobSheet{
            .punch = 6, .staple = 8, .endFlag = 2, .insertionCount = 101, .tab = {.position = 16}}},
        .pages = {{2, 3}}};
    const PageSpecificList list = decode(test::pageSpecificBlob({entry}));
    ASSERT_EQ(list.size(), 1u);
    const PageSpecificEntry& e = list[0];
    EXPECT_EQ(e.pageSetting, 7);
    EXPECT_EQ(e.punch, 5);
    EXPECT_EQ(e.staple, 7);
    EXPECT_EQ(e.endFlag, 1);
    EXPECT_EQ(e.paperName, "Blue");
    EXPECT_EQ(e.mediaType, 5);
    EXPECT_EQ(e.mediaWeight, 10);
    EXPECT_EQ(e.mediaColor, 6);
    EXPECT_EQ(e.prePunched, 1);
    EXPECT_EQ(e.tray, 7);
    EXPECT_EQ(e.sheetCount, 40);
    EXPECT_EQ(e.tab,
              (TabDetail{.noTab = 1, .tabSet = 1, .insert = 2, .tabPosition = 15, .tabText = "T"}));
    ASSERT_EQ(e.insertions.size(), 1u);
    EXPECT_EQ(e.insertions[0].pageSetting, pageTab);
    EXPECT_EQ(e.insertions[0].punch, 5);
    EXPECT_EQ(e.insertions[0].staple, 7);
    EXPECT_EQ(e.insertions[0].endFlag, 1);
    EXPECT_EQ(e.insertions[0].insertionCount, 100);
    EXPECT_EQ(e.insertions[0].tab.tabPosition, 15);
    EXPECT_EQ(e.pages, (PageRangeList{{2, 3}}));
}

TEST(PageSpecificDecode, TextRunningIntoTheEndStopsTheReading) {
    std::vector<unsigned char> blob{0, 2, 0, 0, 0, 0};
    blob.resize(pageSpecificTraysSize, 'x');
    bool ok = true;
    const PageSpecificList list = decode(blob, false, &ok);
    EXPECT_FALSE(ok);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_TRUE(list[0].paperName.empty());
    EXPECT_EQ(list[0].tray, 0);
    EXPECT_TRUE(list[0].tab.tabText.empty());
    EXPECT_TRUE(list[0].pages.empty());
}

TEST(PageSpecificDecode, EveryCutOfABlobReadsOnlyItsOwnBytes) {
    const std::vector<unsigned char> whole = test::pageSpecificBlob({
        BlobEntry{.pageSetting = 5,
                  .paperName = "Paper",
                  .tab = {.insert = 1, .text = "Tab"},
                  .sheets = {BlobSheet{.tab = {.text = "S1"}}, BlobSheet{.tab = {.text = "S2"}}},
                  .pages = {{1, 2}, {5, 5}}},
        BlobEntry{.pageSetting = 0, .tray = 3, .pages = {{7, 9}}},
    });
    for (std::size_t size = 0; size <= whole.size(); ++size) {
        // An exact-size copy, so that a read past it is caught by the sanitizer build.
        const std::vector<unsigned char> cut(whole.begin(), whole.begin() + size);
        bool ok = false;
        const PageSpecificList list = decode(cut, false, &ok);
        EXPECT_LE(list.size(), 2u);
        if (size == whole.size()) {
            EXPECT_TRUE(ok);
            EXPECT_EQ(list.size(), 2u);
        }
    }
}

TEST(PageSpecificDecode, TabEntriesWithoutPagesAndTabImageShift) {
    const std::vector<unsigned char> blob = test::pageSpecificBlob({
        BlobEntry{.pageSetting = 5, .tab = {.text = "none"}},
        BlobEntry{.pageSetting = 5, .tab = {.noTab = 1}, .pages = {{2, 2}}},
        BlobEntry{.pageSetting = 5,
                  .tab = {.insert = 1, .position = 4, .text = "kept"},
                  .sheets = {BlobSheet{}},
                  .pages = {{3, 3}}},
        BlobEntry{.pageSetting = 0, .pages = {}},
    });
    EXPECT_EQ(decode(blob, false).size(), 3u);
    const PageSpecificList shifted = decode(blob, true);
    ASSERT_EQ(shifted.size(), 2u);
    EXPECT_EQ(
        shifted[0].tab,
        (TabDetail{
            .noTab = 0, .tabSet = 0, .insert = tabInsertOff, .tabPosition = 0, .tabText = ""}));
    EXPECT_TRUE(shifted[0].insertions.empty());
    EXPECT_EQ(shifted[1].pageSetting, pageSameAsBody);
}

TEST(PageSpecificDecode, BlobLargerThanTheLimitGivesNothing) {
    const std::vector<unsigned char> blob(70000, 0);
    bool ok = true;
    EXPECT_TRUE(decode(blob, false, &ok).empty());
    EXPECT_FALSE(ok);
}

TEST(PageSpecificList, RecordSettingsThatSuppressOrFilterEntries) {
    PdCoreData record = test::tabRecord();
    test::setPageSpecificTrays(record,
                               {
                                   BlobEntry{.pageSetting = 0, .tray = 2, .pages = {{4, 6}}},
                                   BlobEntry{.pageSetting = 1},
                                   BlobEntry{.pageSetting = 2, .pages = {{8, 8}}},
                                   BlobEntry{.pageSetting = 5, .pages = {{10, 10}}},
                               });
    EXPECT_EQ(build(record, PageListMode::printed).size(), 4u);

    PdCoreData group = record;
    group.DtCollate.set(1);
    EXPECT_TRUE(build(group, PageListMode::printed).empty());

    PdCoreData booklet = record;
    booklet.DtLayout.set(2);
    const PageSpecificList blanks = build(booklet, PageListMode::printed);
    ASSERT_EQ(blanks.size(), 2u);
    EXPECT_EQ(blanks[0].pageSetting, pageInsertBlankBeforeFirstPage);
    EXPECT_EQ(blanks[1].pageSetting, pageInsertBlankSheet);
    EXPECT_TRUE(build(booklet, PageListMode::printed, HeaderCopyCount::present)
                    .empty());  // the PJL header's list refuses binding layouts

    PdCoreData stitched = record;
    stitched.DtStitch.set(1);
    const PageSpecificList noTabs = build(stitched, PageListMode::printed);
    ASSERT_EQ(noTabs.size(), 3u);
    for (const PageSpecificEntry& entry : noTabs) EXPECT_FALSE(isTabEntry(entry));
}

TEST(PageSpecificList, TabSheetsBeforeAPageAreNumberedAsPrinted) {
    PdCoreData record = test::tabRecord();
    const BlobEntry tab{.pageSetting = 5,
                        .tab = {.insert = 1, .text = "Tab"},
                        .sheets = {BlobSheet{.staple = 1}, BlobSheet{.staple = 2}},
                        .pages = {{5, 5}}};
    const BlobEntry later{.pageSetting = 0, .tray = 2, .pages = {{8, 9}}};
    test::setPageSpecificTrays(record, {tab, later});
    PageSpecificList list = build(record, PageListMode::printed);
    EXPECT_EQ(pagesOf(list),
              (std::vector<PageRangeList>{{{5, 5}}, {{6, 6}}, {{7, 7}}, {{10, 11}}}));
    EXPECT_EQ(list[0].tab.insert, tabInsertBefore);
    EXPECT_EQ(list[1].tab.insert, tabInsertBefore);
    EXPECT_EQ(list[2].tab.insert, tabInsertOff);
    EXPECT_EQ(list[2].tab.tabText, "Tab");
    EXPECT_EQ(list[0].tab.tabPosition, 1);
    EXPECT_EQ(list[1].tab.tabPosition, 2);
    EXPECT_EQ(list[2].tab.tabPosition, 3);

    BlobEntry noTab = tab;
    noTab.tab.noTab = 1;
    test::setPageSpecificTrays(record, {noTab, later});
    EXPECT_EQ(pagesOf(build(record, PageListMode::printed)),
              (std::vector<PageRangeList>{{{5, 5}}, {{6, 6}}, {{10, 11}}}));

    BlobEntry equalSheets = tab;
    equalSheets.sheets = {BlobSheet{.staple = 3}, BlobSheet{.staple = 3}};
    test::setPageSpecificTrays(record, {equalSheets, later});
    EXPECT_EQ(pagesOf(build(record, PageListMode::printed)),
              (std::vector<PageRangeList>{{{5, 6}}, {{7, 7}}, {{10, 11}}}));
}

TEST(PageSpecificList, TabSheetsAfterAPageByListMode) {
    PdCoreData record = test::tabRecord();
    const BlobEntry tab{.pageSetting = 5,
                        .tab = {.insert = 2},
                        .sheets = {BlobSheet{.staple = 1}, BlobSheet{.staple = 2}},
                        .pages = {{5, 5}}};
    const BlobEntry later{.pageSetting = 0, .tray = 2, .pages = {{8, 8}}};
    test::setPageSpecificTrays(record, {tab, later});
    const PageSpecificList printed = build(record, PageListMode::printed);
    EXPECT_EQ(pagesOf(printed),
              (std::vector<PageRangeList>{{{5, 5}}, {{6, 6}}, {{7, 7}}, {{10, 10}}}));
    EXPECT_EQ(printed[1].tab.insert, tabInsertAfter);

    const PageSpecificList jobPages = build(record, PageListMode::jobPages);
    EXPECT_EQ(pagesOf(jobPages),
              (std::vector<PageRangeList>{{{5, 5}}, {{6, 6}}, {{6, 6}}, {{8, 8}}}));
    EXPECT_EQ(jobPages[1].tab.insert, tabInsertBefore);
    EXPECT_EQ(jobPages[0].tray, 1);
}

TEST(PageSpecificList, AutomaticTabPositionsPerSet) {
    PdCoreData record = test::tabRecord();
    record.DtTab1NumOfTabs.set(3);
    record.DtTab2Tray.set(4);
    std::vector<BlobEntry> entries;
    for (std::uint16_t page = 1; page <= 5; ++page) {
        entries.push_back({.pageSetting = 5, .tray = 3, .pages = {{page, page}}});
    }
    entries.push_back({.pageSetting = 5, .tray = 3, .tab = {.tabSet = 1}, .pages = {{6, 6}}});
    entries.push_back({.pageSetting = 5, .tab = {.position = 2}, .pages = {{7, 7}}});
    entries.push_back({.pageSetting = 5, .pages = {{8, 8}}});
    test::setPageSpecificTrays(record, entries);
    const PageSpecificList list = build(record, PageListMode::jobPages);
    std::vector<int> positions;
    for (const PageSpecificEntry& entry : list) positions.push_back(entry.tab.tabPosition);
    EXPECT_EQ(positions, (std::vector<int>{1, 2, 3, 1, 2, 1, 2, 3}));
    EXPECT_EQ(list[0].tray, 1);
    EXPECT_EQ(list[5].tray, 5);
}

TEST(PageSpecificList, TabImageShiftKeepsTabPagesWithAutomaticPositionsOnly) {
    PdCoreData record = test::tabRecord();
    record.DtTabImageShift.set(1);
    test::setPageSpecificTrays(
        record,
        {
            BlobEntry{.pageSetting = 5,
                      .tab = {.insert = 1, .position = 5, .text = "before"},
                      .sheets = {BlobSheet{}, BlobSheet{}},
                      .pages = {{2, 2}}},
            BlobEntry{.pageSetting = 5, .tab = {.noTab = 1}, .pages = {{4, 4}}},
            BlobEntry{.pageSetting = 5, .staple = 1, .tab = {.position = 9}, .pages = {{6, 6}}},
        });
    // The staple value keeps the printed list from joining the two tab pages.
    for (const PageListMode listMode : {PageListMode::printed, PageListMode::jobPages}) {
        SCOPED_TRACE(listMode == PageListMode::printed ? "printed" : "job pages");
        const PageSpecificList list = build(record, listMode);
        ASSERT_EQ(list.size(), 2u);
        EXPECT_EQ(pagesOf(list), (std::vector<PageRangeList>{{{2, 2}}, {{6, 6}}}));
        EXPECT_EQ(
            list[0].tab,
            (TabDetail{
                .noTab = 0, .tabSet = 0, .insert = tabInsertOff, .tabPosition = 1, .tabText = ""}));
        EXPECT_EQ(list[1].tab.tabPosition, 2);
        EXPECT_TRUE(list[0].insertions.empty());
    }
}

TEST(PageSpecificList, EqualEntriesMergeOnlyInThePrintedList) {
    PdCoreData record = test::tabRecord();
    const BlobEntry a{.pageSetting = 0, .tray = 2, .pages = {{3, 3}}};
    const BlobEntry b{.pageSetting = 0, .tray = 2, .pages = {{4, 6}}};
    test::setPageSpecificTrays(record, {a, b});
    EXPECT_EQ(pagesOf(build(record, PageListMode::printed)),
              (std::vector<PageRangeList>{{{3, 6}}}));
    EXPECT_EQ(build(record, PageListMode::jobPages).size(), 2u);

    BlobEntry ended = b;
    ended.endFlag = 1;
    test::setPageSpecificTrays(record, {a, ended});
    EXPECT_EQ(build(record, PageListMode::printed).size(), 2u);
    BlobEntry otherCount = b;
    otherCount.sheetCount = 2;
    test::setPageSpecificTrays(record, {a, otherCount});
    EXPECT_EQ(build(record, PageListMode::printed).size(), 2u);
}

TEST(PageSpecificList, AHeaderCopyCountCountsEqualSheetsInsteadOfNumberingThem) {
    PdCoreData record = test::tabRecord();
    const BlobEntry tab{
        .pageSetting = 5,
        .tab = {.insert = 1, .text = "Tab"},
        .sheets = {BlobSheet{.staple = 1}, BlobSheet{.staple = 1}, BlobSheet{.staple = 1}},
        .pages = {{5, 5}}};
    const BlobEntry later{.pageSetting = 0, .tray = 2, .pages = {{8, 9}}};
    test::setPageSpecificTrays(record, {tab, later});
    const PageSpecificList list = build(record, PageListMode::printed, HeaderCopyCount::present);
    // Other entries still count the inserted sheets.
    EXPECT_EQ(pagesOf(list), (std::vector<PageRangeList>{{{5, 5}}, {{5, 5}}, {{11, 12}}}));
    EXPECT_EQ(list[0].tab.insert, tabInsertBefore);
    EXPECT_EQ(list[0].sheetCount, 3);
    EXPECT_EQ(list[1].tab.insert, tabInsertOff);
    EXPECT_EQ(list[1].sheetCount, 0);
}

TEST(PageSpecificList, OrderAtTheSameFirstPage) {
    PdCoreData record = test::tabRecord();
    test::setPageSpecificTrays(record,
                               {
                                   BlobEntry{.pageSetting = 5,
                                             .tab = {.insert = 2, .text = "after1"},
                                             .sheets = {BlobSheet{}},
                                             .pages = {{5, 5}}},
                                   BlobEntry{.pageSetting = 0, .tray = 1, .pages = {{5, 5}}},
                                   BlobEntry{.pageSetting = 2, .pages = {{5, 5}}},
                                   BlobEntry{.pageSetting = 5,
                                             .tab = {.insert = 2, .text = "after2"},
                                             .sheets = {BlobSheet{}},
                                             .pages = {{5, 5}}},
                                   BlobEntry{.pageSetting = 5,
                                             .tab = {.insert = 1, .text = "before"},
                                             .sheets = {BlobSheet{}},
                                             .pages = {{5, 5}}},
                                   BlobEntry{.pageSetting = 1},
                               });
    PageSpecificList sorted = decode(
        std::vector<unsigned char>(record.DtPageSpecificTrays.bytes,
                                   record.DtPageSpecificTrays.bytes + pageSpecificTraysSize));
    std::stable_sort(sorted.begin(), sorted.end(), pageSpecificEntryLess);
    std::vector<std::string> order;
    for (const PageSpecificEntry& e : sorted) {
        order.push_back(std::to_string(e.pageSetting) + e.tab.tabText);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"1", "5before", "2", "0", "5after1", "5after2"}));

    const PageSpecificList list = build(record, PageListMode::printed);
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list[0].pageSetting, pageInsertBlankBeforeFirstPage);
    EXPECT_TRUE(list[0].pages.empty());
}

}  // namespace
}  // namespace pd
