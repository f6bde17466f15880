// The page-specific tray decoder, the lists built from it, the page range operations and the
// form lines over arbitrary blobs: no read outside the blob, bounded work, and the invariants the
// inserted PostScript relies on (runs cover pages 1 to 9999 in order, normalised lists are
// ordered and disjoint, form lines stay within their length).
//
// Input: one byte of settings (list mode, header copy count, tab image shift, 2-sided, layout,
// chapters), then the blob.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/record/core_data.h"
#include "filter/pages/page_ranges.h"
#include "filter/pages/pps_forms.h"
#include "filter/pages/pps_trays.h"
#include "filter/ps_document_setup.h"
#include "filter/ps_tab_dictionary.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

void checkNormalized(const pd::PageRangeList& list) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        require(list[i].first <= list[i].last);
        if (i > 0) require(std::uint32_t{list[i - 1].last} + 1 < list[i].first);
    }
}

void checkRanges(pd::PageRangeList pages, std::uint16_t shift) {
    const std::string text = pd::formatPageRanges(pages);
    require(text.empty() || (text.front() != ',' && text.back() != ','));
    pd::PageRangeList normalized = pages;
    pd::normalizePageRanges(normalized);
    checkNormalized(normalized);
    require(pd::pageRangeListsEqual(pages, normalized, true));
    pd::shiftPageRangesUp(pages, shift);
    pd::shiftPageRangesDown(pages, shift);
    pd::normalizePageRanges(pages);
    checkNormalized(pages);
}

void checkRuns(const pd::PpsRangeList& runs) {
    std::uint32_t next = pd::firstPage;
    for (const pd::PpsRange& run : runs) {
        require(run.firstPage == next && run.firstPage <= run.lastPage);
        next = run.lastPage + 1;
    }
    require(next == pd::lastPage + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pd;
    if (size < 1) return 0;
    const std::uint8_t settings = data[0];
    const std::uint8_t* blob = data + 1;
    const std::size_t blobSize = size - 1;
    if (blobSize > 65535) return 0;

    // The decoder on a buffer of exactly the input's size.
    PageSpecificList decoded;
    const bool complete = decodePageSpecificTrays(blob, static_cast<std::uint32_t>(blobSize),
                                                  decoded, (settings & 4) != 0);
    (void)complete;
    require(decoded.size() <= blobSize / 2 + 1);
    for (const PageSpecificEntry& entry : decoded) {
        require(entry.pageSetting <= 7 && entry.tray <= 7 && entry.sheetCount <= 40);
        checkRanges(entry.pages, static_cast<std::uint16_t>(entry.sheetCount * 1000));
    }

    // The same bytes as the record's fields.
    PdCoreData record;
    std::memcpy(record.DtPageSpecificTrays.bytes, blob,
                std::min(blobSize, sizeof record.DtPageSpecificTrays.bytes));
    std::memcpy(record.DtPageSpecificForms.bytes, blob,
                std::min(blobSize, sizeof record.DtPageSpecificForms.bytes));
    std::memcpy(record.DtChapterPages.bytes, blob,
                std::min(blobSize, sizeof record.DtChapterPages.bytes));
    record.DtTabImageShift.set((settings & 4) != 0 ? 1 : 0);
    record.DtDuplex.set((settings & 8) != 0 ? 1 : 0);
    record.DtLayout.set((settings & 16) != 0 ? 6 : 0);
    record.DtChapterMode.set((settings & 32) != 0 ? 1 : 0);
    record.DtTab1NumOfTabs.set(static_cast<std::uint16_t>(1 + (settings >> 6) * 4));
    record.DtTab2NumOfTabs.set(15);
    record.DtTab1FontName.assign("ArialMT");

    const PageListMode listMode =
        (settings & 1) != 0 ? PageListMode::jobPages : PageListMode::printed;
    const HeaderCopyCount copyCount =
        (settings & 2) != 0 ? HeaderCopyCount::present : HeaderCopyCount::absent;
    PageSpecificList list;
    buildPageSpecificList(record, list, listMode, copyCount);
    for (const PageSpecificEntry& entry : list) {
        require(!entry.pages.empty() || entry.pageSetting == pageInsertBlankBeforeFirstPage);
        require(entry.insertions.empty() || listMode == PageListMode::jobPages);
        if (isTabEntry(entry)) require(entry.tab.tabPosition >= 1);
    }

    checkRuns(buildPpsRanges(record, copyCount));
    const std::string tabs = buildTabDictionary(record, copyCount);
    require(tabs.empty() || tabs.substr(tabs.size() - 5) == "end\r\n");

    PageFormList forms;
    std::vector<std::string> lines;
    const bool fits = buildPageSpecificFormLines(record, forms, lines);
    require(fits == (lines.size() < 4));
    for (const std::string& line : lines)
        require(!line.empty() && line.size() <= maxFormLineLength);
    return 0;
}
