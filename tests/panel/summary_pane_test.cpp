#include <gtest/gtest.h>

#include <cstring>

#include "core/catalog/paper_size.h"
#include "panel/summary_dictionary.h"
#include "panel/summary_items.h"
#include "tests/panel/panel_test_support.h"

namespace pd {
namespace {

PlatformString text(const char* utf8) {
    return *PlatformString::fromUtf8(utf8);
}

using Rows = std::vector<std::pair<std::string, std::string>>;

Rows rowsOf(const StringDictionary& summary) {
    Rows rows;
    for (const PlatformString& key : summary.keyEnumerator()) {
        const PlatformString* value = summary.objectForKey(key);
        rows.emplace_back(key.utf8(), value ? value->utf8() : "(none)");
    }
    return rows;
}

TEST(SummaryDictionary, KeepsTheOrderOfAppendingAndEachKeyOnceWithItsLastValue) {
    com_talvo_dpxw_zeb0583_662_summaryDict summary(2);
    EXPECT_EQ(0u, summary.count());
    EXPECT_TRUE(summary.keyEnumerator().empty());
    summary.appendObject(text("A4"), text("Original Size"));
    summary.appendObject(text("first"), text("\xE5\xB0\x81\xE9\x9D\xA2"));
    summary.appendObject(text("Portrait"), text("Original Orientation"));
    summary.appendObject(text("last"), text("\xE5\xB0\x81\xE9\x9D\xA2"));
    EXPECT_EQ((Rows{{"Original Size", "A4"},
                    {"\xE5\xB0\x81\xE9\x9D\xA2", "last"},
                    {"Original Orientation", "Portrait"}}),
              rowsOf(summary));
    EXPECT_EQ(3u, summary.count());
    EXPECT_EQ(nullptr, summary.objectForKey(text("Paper Tray")));
    // Keys compare as exact texts.
    EXPECT_EQ(nullptr, summary.objectForKey(text("original size")));
}

TEST(SummaryInfo, ListsPaperOrientationAndInputSlotThenTheMemberRows) {
    PanelJob job;
    job.host->page.setOrientation(PageOrientation::landscape);
    job.settings().setValue("InputSlot", std::string("Tray2"));
    const auto summary = job.panel->summaryInfo();
    ASSERT_NE(nullptr, summary);

    const PdCoreData& record = job.panel->getCoreData();
    EXPECT_EQ(1, record.DtOrientation.get());
    EXPECT_EQ(2, record.DtInputSlot.get());
    SummaryItemList items;
    buildSummaryItems(record, items, languageUsEnglish);
    ASSERT_EQ(38u, items.size());
    Rows expected = {
        {"Original Size", "A4"}, {"Original Orientation", "Landscape"}, {"Paper Tray", "Tray 2"}};
    for (const SummaryItem& item : items) expected.emplace_back(item.label, item.value);
    EXPECT_EQ(expected, rowsOf(*summary));
    EXPECT_EQ(items.size() + 3, summary->count());
}

TEST(SummaryInfo, StoresTheRecordAsARestoreDoesOnEveryCall) {
    const auto setUp = [](PanelJob& job) {
        job.setPaper("Poster", 612, 792, true);
        job.host->page.setOrientation(PageOrientation::reverseLandscape);
        job.settings().setValue("InputSlot", std::string("Tray4"));
    };
    PanelJob restored;
    setUp(restored);
    restored.panel->restoreValues();
    PanelJob summarised;
    setUp(summarised);
    const auto first = summarised.panel->summaryInfo();
    EXPECT_EQ(restored.settings().stringEntries(), summarised.settings().stringEntries());
    EXPECT_EQ(0, std::memcmp(&restored.panel->getCoreData(), &summarised.panel->getCoreData(),
                             coreDataSize));

    // Each call stores again and answers with a dictionary of its own.
    summarised.settings().setValue(recordChunkKey(1), std::nullopt);
    const auto second = summarised.panel->summaryInfo();
    EXPECT_EQ(restored.settings().stringEntries(), summarised.settings().stringEntries());
    EXPECT_NE(first, second);
    EXPECT_EQ(rowsOf(*first), rowsOf(*second));
    EXPECT_EQ((std::pair<std::string, std::string>{"Original Size", "Poster"}),
              rowsOf(*first).front());
}

TEST(SummaryInfo, ShowsThePaperAsTheDialogNamesItAndLeavesOutWhatIsNoString) {
    const struct {
        std::optional<std::string> paper;
        std::optional<std::string> shown;
    } cases[] = {
        {"Mein Papier \xE8\xA8\xAD\xE5\xAE\x9A", "Mein Papier \xE8\xA8\xAD\xE5\xAE\x9A"},
        {"", ""},
        // Bytes that are no UTF-8 are refused as a string, and a page format without a paper
        // names none: either way there is no paper row.
        {"Bad \xC0\xAF", std::nullopt},
        {std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        PanelJob job;
        if (c.paper)
            job.setPaper(*c.paper, 612, 792, true);
        else
            job.host->page.setPaper(std::nullopt);
        const Rows rows = rowsOf(*job.panel->summaryInfo());
        ASSERT_EQ(c.shown ? 41u : 40u, rows.size());
        if (c.shown)
            EXPECT_EQ((std::pair<std::string, std::string>{"Original Size", *c.shown}), rows[0]);
        else
            EXPECT_EQ("Original Orientation", rows[0].first);
    }
}

TEST(SummaryInfo, ARecordsTextThatIsNoStringLeavesItsRowOut) {
    PdCoreData record = defaultCoreData();
    record.DtTargetPaperSize.set(customTargetPaperSize);
    record.DtCustomTargetPaperSizeWidth.set(2159000);
    record.DtCustomTargetPaperSizeHeight.set(2794000);
    const auto paperSizeRow = [&](const char* name) -> std::optional<std::string> {
        record.DtTargetPaperSizeName.assign(name);
        PanelJob job;
        job.panel->setCoreData(coreDataBytes(record));
        const auto summary = job.panel->summaryInfo();
        const PlatformString* value = summary->objectForKey(text("Paper Size"));
        if (!value) {
            EXPECT_EQ(40u, summary->count());
            return std::nullopt;
        }
        return value->utf8();
    };
    EXPECT_EQ("Poster (21.6x27.9 cm)", paperSizeRow("Poster"));
    EXPECT_EQ(
        "Gr\xC3\xB6\xC3\x9F"
        "e (21.6x27.9 cm)",
        paperSizeRow("Gr\xC3\xB6\xC3\x9F"
                     "e"));
    EXPECT_EQ(std::nullopt, paperSizeRow("Gr\xF6\xDF"
                                         "e"));
    EXPECT_EQ(std::nullopt, paperSizeRow("\xED\xA0\x80"));
}

}  // namespace
}  // namespace pd
