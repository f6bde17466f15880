#include "filter/pages/pps_trays.h"

#include <algorithm>

#include "core/base/blob_reader.h"
#include "core/catalog/choice_values.h"
#include "filter/pages/page_ranges.h"

namespace pd {

namespace {

constexpr std::uint32_t maxBlobSize = 65535;
constexpr std::uint8_t blobVersion = 8;

// A value above an item's range reads as its highest value.
std::uint8_t capped(BlobReader& reader, std::uint8_t highest) {
    return std::min(reader.byte(), highest);
}

std::uint8_t flag(BlobReader& reader) {
    return reader.byte() != 0 ? 1 : 0;
}

void readTabDetail(BlobReader& reader, TabDetail& tab) {
    tab.noTab = flag(reader);
    tab.tabSet = flag(reader);
    tab.insert = capped(reader, tabInsertAfter);
    tab.tabPosition = capped(reader, 15);
    tab.tabText = reader.text();
}

PageSpecificSettings readInsertion(BlobReader& reader) {
    PageSpecificSettings sheet;
    sheet.pageSetting = pageTab;
    sheet.punch = capped(reader, 5);
    sheet.staple = capped(reader, 7);
    sheet.endFlag = flag(reader);
    sheet.insertionCount = std::min<std::uint16_t>(reader.word(), 100);
    readTabDetail(reader, sheet.tab);
    return sheet;
}

void readEntry(BlobReader& reader, PageSpecificEntry& entry) {
    entry.pageSetting = capped(reader, pageInsertTabAfter);
    entry.punch = capped(reader, 5);
    entry.staple = capped(reader, 7);
    entry.endFlag = flag(reader);
    entry.paperName = reader.text();
    entry.mediaType = capped(reader, 5);
    entry.mediaWeight = capped(reader, 10);
    entry.mediaColor = capped(reader, 6);
    entry.prePunched = flag(reader);
    entry.tray = capped(reader, 7);
    entry.sheetCount = std::min<std::uint16_t>(reader.word(), 40);
    readTabDetail(reader, entry.tab);
    const std::uint8_t insertionCount = reader.byte();
    for (unsigned read = 0; read < insertionCount && !reader.atEnd(); ++read) {
        entry.insertions.push_back(readInsertion(reader));
    }
    if (reader.position < reader.size) {
        auto at = static_cast<std::uint32_t>(reader.position);
        readPageRangeList(reader.blob, static_cast<std::uint32_t>(reader.size), at, entry.pages);
        reader.position = at;
    } else {
        reader.position += 2;  // the list's head word, missing
    }
}

PageRange firstRangeInOrder(const PageRangeList& pages) {
    const PageRange range = pages.front();
    return range.first <= range.last ? range : PageRange{range.last, range.first};
}

PageRange inOrder(const PageRange& range) {
    return range.first <= range.last ? range : PageRange{range.last, range.first};
}

// The sheet number of the j-th sheet inserted at the entry's first page, as one range.
PageRangeList sheetPages(const PageRangeList& pages, std::uint16_t inserted, std::uint16_t j) {
    if (pages.empty()) return {};
    PageRange range = firstRangeInOrder(pages);
    range = inOrder(shiftPageRangeUp(range, inserted));
    range = inOrder(shiftPageRangeUp(range, j));
    return {range};
}

PageSpecificEntry sheetEntry(const PageSpecificEntry& entry, const PageSpecificSettings& sheet) {
    PageSpecificEntry made;
    static_cast<PageSpecificSettings&>(made) = sheet;
    made.insertions.clear();
    made.pages = entry.pages;
    return made;
}

int sameFirstPageRank(const PageSpecificEntry& entry) {
    if (entry.pageSetting == pageTab && entry.tab.insert == tabInsertBefore) return 0;
    if (entry.pageSetting == pageInsertBlankSheet) return 1;
    if (entry.pageSetting == pageTab && entry.tab.insert == tabInsertAfter) return 3;
    return 2;
}

// Joins every later entry that can be merged into each entry, keeping the earlier one's place.
template <typename Flags>
void mergeEntries(PageSpecificList& list, HeaderCopyCount copyCount, bool adjustSheetCount,
                  Flags flags) {
    for (std::size_t x = 0; x < list.size(); ++x) {
        list[x].insertions.clear();
        std::size_t kept = x + 1;
        for (std::size_t y = x + 1; y < list.size(); ++y) {
            PageSpecificEntry& into = list[x];
            PageSpecificEntry& other = list[y];
            other.insertions.clear();
            const auto [f1, f2, f3] = flags(into, other);
            if (!pageSpecificEntriesMergeable(into, other, f1, f2, f3)) {
                if (kept != y) list[kept] = std::move(other);
                ++kept;
                continue;
            }
            if (adjustSheetCount && copyCount == HeaderCopyCount::present && isTabEntry(into) &&
                into.tab.insert != tabInsertOff && into.pages == other.pages) {
                into.sheetCount =
                    static_cast<std::uint16_t>(std::max<std::uint16_t>(into.sheetCount, 1) + 1);
            }
            into.pages.insert(into.pages.end(), other.pages.begin(), other.pages.end());
            normalizePageRanges(into.pages);
        }
        list.resize(kept);
    }
}

void expandTabSheets(const PdCoreData& record, PageSpecificList& list, PageListMode listMode,
                     HeaderCopyCount copyCount) {
    const bool printed = listMode == PageListMode::printed;
    const bool renumber = printed && copyCount != HeaderCopyCount::present;
    std::uint32_t counter1 = 0;
    std::uint32_t counter2 = 0;
    std::uint16_t inserted = 0;
    PageSpecificList expanded;
    expanded.reserve(list.size());

    auto placeSheet = [&](PageSpecificEntry sheet) {
        sheet.tray = tabTray(record, sheet.tab.tabSet);
        assignTabPosition(sheet, record, counter1, counter2);
        expanded.push_back(std::move(sheet));
    };
    auto keepAsTabPage = [&](PageSpecificEntry& entry) {
        entry.tab.insert = tabInsertOff;
        entry.tray = tabTray(record, entry.tab.tabSet);
        assignTabPosition(entry, record, counter1, counter2);
    };

    for (PageSpecificEntry& entry : list) {
        if (!isTabEntry(entry)) {
            if (printed) shiftPageRangesUp(entry.pages, inserted);
            expanded.push_back(std::move(entry));
            continue;
        }
        if (entry.tab.insert == tabInsertOff) {
            entry.tray = tabTray(record, entry.tab.tabSet);
            assignTabPosition(entry, record, counter1, counter2);
            if (renumber) shiftPageRangesUp(entry.pages, inserted);
            expanded.push_back(std::move(entry));
            continue;
        }
        if (entry.insertions.empty()) continue;

        const auto sheetCount = static_cast<std::uint16_t>(entry.insertions.size());
        if (entry.tab.insert == tabInsertBefore) {
            std::uint16_t j = 0;
            for (const PageSpecificSettings& sheet : entry.insertions) {
                PageSpecificEntry made = sheetEntry(entry, sheet);
                made.tab.insert = tabInsertBefore;
                if (renumber) made.pages = sheetPages(entry.pages, inserted, j);
                placeSheet(std::move(made));
                ++j;
            }
            inserted = static_cast<std::uint16_t>(inserted + sheetCount);
            entry.insertions.clear();
            if (entry.tab.noTab == 1) continue;
            keepAsTabPage(entry);
            if (renumber) shiftPageRangesUp(entry.pages, inserted);
            expanded.push_back(std::move(entry));
            continue;
        }

        // After the page: the tab page itself first, then its sheets.
        const bool keepPage = entry.tab.noTab != 1;
        if (keepPage) keepAsTabPage(entry);
        const std::size_t entryAt = expanded.size();
        if (keepPage) expanded.push_back(entry);
        std::uint16_t j = 1;
        for (const PageSpecificSettings& sheet : entry.insertions) {
            PageSpecificEntry made = sheetEntry(entry, sheet);
            if (printed) {
                made.tab.insert = tabInsertAfter;
                if (copyCount != HeaderCopyCount::present)
                    made.pages = sheetPages(entry.pages, inserted, j);
            } else {
                made.tab.insert = tabInsertBefore;
                shiftPageRangesUp(made.pages, 1);
            }
            placeSheet(std::move(made));
            ++j;
        }
        if (keepPage) {
            PageSpecificEntry& page = expanded[entryAt];
            if (renumber) shiftPageRangesUp(page.pages, inserted);
            page.insertions.clear();
        }
        inserted = static_cast<std::uint16_t>(inserted + sheetCount);
    }
    list = std::move(expanded);
}

}  // namespace

bool isTabEntry(const PageSpecificSettings& entry) {
    return entry.pageSetting == pageTab || entry.pageSetting == pageInsertTabBefore ||
           entry.pageSetting == pageInsertTabAfter;
}

bool decodePageSpecificTrays(const unsigned char* blob, std::uint32_t size, PageSpecificList& out,
                             bool tabImageShift) {
    out.clear();
    if (size > maxBlobSize) return false;
    if (blob == nullptr) size = 0;
    BlobReader reader{blob, size, 0};
    std::uint16_t count = 0;
    if (size < 2) {
        reader.position = 2;
    } else if (blob[0] == 0xFF && blob[1] == 0xFF) {
        if (size < 3 || blob[2] != blobVersion) return false;
        reader.position = 3;
        count = size < 5 ? 0 : reader.word();
        reader.position = 5;
    } else {
        count = reader.word();
    }

    for (unsigned read = 0; read < count && !reader.atEnd(); ++read) {
        PageSpecificEntry& entry = out.emplace_back();
        readEntry(reader, entry);
        if (!isTabEntry(entry)) continue;
        if (entry.pages.empty() || (tabImageShift && entry.tab.noTab == 1)) {
            out.pop_back();
        } else if (tabImageShift) {
            entry.tab.insert = tabInsertOff;
            entry.insertions.clear();
            entry.tab.tabPosition = 0;
            entry.tab.tabText.clear();
        }
    }
    return reader.position <= reader.size;
}

bool pageSpecificListAllowed(const PdCoreData& record, HeaderCopyCount copyCount) {
    const std::uint8_t layout = record.DtLayout.get();
    if (copyCount == HeaderCopyCount::present && layout >= 1 && layout <= 4) return false;
    return record.DtCollate.get() == collateSort;
}

bool pageSpecificFinishingAllowed(const PdCoreData& record) {
    const std::uint8_t fold = record.DtFold.get();
    return record.DtStitch.get() == 0 && fold != foldMultiLetter && fold != foldMultiCenter &&
           record.DtLayout.get() == 0 && record.DtNUpCount.get() == 0 &&
           record.DtCollate.get() == collateSort;
}

bool isBindingLayout(const PdCoreData& record) {
    const std::uint8_t layout = record.DtLayout.get();
    return layout == layoutAdhesiveBinding || layout == layoutBooklet;
}

std::uint8_t tabTray(const PdCoreData& record, std::uint8_t tabSet) {
    const std::uint8_t tray = tabSet == 0 ? record.DtTab1Tray.get() : record.DtTab2Tray.get();
    return tray <= 4 ? static_cast<std::uint8_t>(tray + 1) : 1;
}

void assignTabPosition(PageSpecificSettings& entry, const PdCoreData& record,
                       std::uint32_t& counter1, std::uint32_t& counter2) {
    const bool secondSet = entry.tab.tabSet == 1;
    std::uint32_t& counter = secondSet ? counter2 : counter1;
    const std::uint16_t tabs =
        secondSet ? record.DtTab2NumOfTabs.get() : record.DtTab1NumOfTabs.get();
    if (entry.tab.tabPosition == 0) {
        counter = counter + 1 > tabs ? 1 : counter + 1;
        entry.tab.tabPosition = static_cast<std::uint8_t>(std::min<std::uint32_t>(counter, 0xFF));
    } else {
        counter = entry.tab.tabPosition;
    }
}

bool pageSpecificEntryLess(const PageSpecificEntry& x, const PageSpecificEntry& y) {
    if (y.pageSetting == pageInsertBlankBeforeFirstPage) return false;
    if (x.pageSetting == pageInsertBlankBeforeFirstPage) return true;
    if (y.pages.empty()) return false;
    if (x.pages.empty()) return true;
    if (x.pages.front().first == y.pages.front().first) {
        const int xRank = sameFirstPageRank(x);
        const int yRank = sameFirstPageRank(y);
        if (xRank != yRank) return xRank < yRank;
        if (xRank != 2) return false;
    }
    return pageRangeLess(x.pages.front(), y.pages.front());
}

bool pageSpecificEntriesMergeable(const PageSpecificEntry& x, const PageSpecificEntry& y, bool f1,
                                  bool f2, bool f3) {
    if (!f1 || !f2 || !f3) return false;
    if (x.endFlag == 1 || y.endFlag == 1) return false;
    if (x.pageSetting != y.pageSetting) return false;
    if (x.pageSetting == pageTab && x.tab.tabSet != y.tab.tabSet) return false;
    return x.tray == y.tray && x.punch == y.punch && x.staple == y.staple &&
           x.paperName == y.paperName;
}

void buildPageSpecificList(const PdCoreData& record, PageSpecificList& out, PageListMode listMode,
                           HeaderCopyCount copyCount) {
    out.clear();
    if (!pageSpecificListAllowed(record, copyCount)) return;
    const bool finishing = pageSpecificFinishingAllowed(record);
    const bool binding = isBindingLayout(record);

    decodePageSpecificTrays(record.DtPageSpecificTrays.bytes, pageSpecificTraysSize, out,
                            record.DtTabImageShift.get() == 1);
    std::stable_sort(out.begin(), out.end(), pageSpecificEntryLess);

    if (!finishing || binding) {
        std::erase_if(out, [&](const PageSpecificEntry& entry) {
            return (!finishing && isTabEntry(entry)) ||
                   (binding && entry.pageSetting != pageInsertBlankBeforeFirstPage &&
                    entry.pageSetting != pageInsertBlankSheet);
        });
    }

    expandTabSheets(record, out, listMode, copyCount);

    std::erase_if(out, [](const PageSpecificEntry& entry) {
        return entry.pages.empty() && entry.pageSetting != pageInsertBlankBeforeFirstPage;
    });
    if (listMode != PageListMode::printed) return;

    struct Flags {
        bool f1, f2, f3;
    };
    mergeEntries(out, copyCount, true, [&](const PageSpecificEntry& x, const PageSpecificEntry& y) {
        if (copyCount != HeaderCopyCount::present)
            return Flags{true, x.sheetCount == y.sheetCount, true};
        const bool f1 =
            x.tab.insert == y.tab.insert &&
            (x.tab.insert == tabInsertOff || pageRangeListsEqual(x.pages, y.pages, false));
        return Flags{f1, x.tab.insert != tabInsertOff || x.sheetCount == y.sheetCount, true};
    });
    if (copyCount != HeaderCopyCount::present) return;
    mergeEntries(out, copyCount, false, [](const PageSpecificEntry& x, const PageSpecificEntry& y) {
        const bool f1 = x.tab.insert == y.tab.insert && x.tab.insert != tabInsertOff;
        const bool f3 =
            !(x.tab.insert == tabInsertBefore && !x.pages.empty() && x.pages.front().first == 1);
        return Flags{f1, x.sheetCount == y.sheetCount, f3};
    });
}

}  // namespace pd
