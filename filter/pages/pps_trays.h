// The page-specific settings (PPS) of a job: its page exceptions (pages on another tray or paper,
// blank sheets, 1- or 2-sided pages, tab pages and inserted tab sheets) as the record's
// `DtPageSpecificTrays` blob holds them, and the ordered, page-numbered list that the setup code,
// the tab dictionary and the PJL header read.
//
// The blob comes from a job option that any user can set: the decoder reads no byte outside it,
// and every count it holds is bounded by the bytes that follow, so decoding and building cost at
// most a small multiple of the blob's size.
//
// Blob format (numbers big-endian):
//   header   either 0xFF 0xFF, version byte 8, 16-bit entry count
//            or 16-bit entry count (first two bytes not both 0xFF)
//   entry    page setting, punch, staple, end flag (1 byte each), paper name up to its NUL,
//            media type, weight, colour, pre-punched, tray (1 byte each), 16-bit sheet count,
//            tab detail, insertion count n (1 byte), n insertion records, a page range list blob
//   tab detail        print mode, tab set, insert, position (1 byte each), text up to its NUL
//   insertion record  punch, staple, end flag (1 byte each), 16-bit insertion count, tab detail
// Values above an item's range read as its highest value; a missing byte reads as 0, a missing
// text as empty.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/record/core_data.h"
#include "core/record/page_lists.h"

namespace pd {

// `PageSpecificSettings::pageSetting`
enum PageSetting : std::uint8_t {
    pageSameAsBody = 0,
    pageInsertBlankBeforeFirstPage = 1,
    pageInsertBlankSheet = 2,
    pagePrintSingleSided = 3,
    pagePrintDoubleSided = 4,
    pageTab = 5,
    pageInsertTabBefore = 6,
    pageInsertTabAfter = 7,
};

// `TabDetail::insert`
enum TabInsert : std::uint8_t { tabInsertOff = 0, tabInsertBefore = 1, tabInsertAfter = 2 };

struct TabDetail {
    std::uint8_t noTab = 0;   // 1: the entry's own pages are dropped, its sheets stay
    std::uint8_t tabSet = 0;  // 0: the record's tab paper setup 1, 1: setup 2
    std::uint8_t insert = tabInsertOff;
    std::uint8_t tabPosition = 0;  // 1 to 15; 0: the next position in turn
    std::string tabText;

    friend bool operator==(const TabDetail&, const TabDetail&) = default;
};

struct PageSpecificSettings {
    std::uint8_t pageSetting = pageSameAsBody;
    std::uint8_t tray = 0;  // 0 Auto, 1-5 Tray1-5, 6-7 PITray1-2
    std::uint16_t sheetCount = 0;
    std::string paperName;
    std::uint8_t mediaType = 0;
    std::uint8_t mediaWeight = 0;
    std::uint8_t mediaColor = 0;
    std::uint8_t prePunched = 0;
    std::uint8_t punch = 0;
    std::uint8_t staple = 0;
    std::uint8_t endFlag = 0;  // never merged with another entry
    std::uint16_t insertionCount = 0;
    TabDetail tab;
    std::vector<PageSpecificSettings> insertions;  // tab sheets to insert, settings only

    friend bool operator==(const PageSpecificSettings&, const PageSpecificSettings&) = default;
};

struct PageSpecificEntry : PageSpecificSettings {
    PageRangeList pages;

    friend bool operator==(const PageSpecificEntry&, const PageSpecificEntry&) = default;
};

using PageSpecificList = std::vector<PageSpecificEntry>;

inline constexpr std::uint32_t pageSpecificTraysSize = sizeof PdCoreData::DtPageSpecificTrays;

// Page setting 5, 6 or 7.
bool isTabEntry(const PageSpecificSettings& entry);

// Replaces out by the entries of the blob. Tab entries without pages are dropped; with
// tabImageShift, NoTab entries are dropped and the others lose their insertions, position and
// text. False when the blob is over 65535 bytes or has a versioned header other than 8 (out left
// empty), or when the reading ran past size (the entries read stay).
bool decodePageSpecificTrays(const unsigned char* blob, std::uint32_t size, PageSpecificList& out,
                             bool tabImageShift);

// How buildPageSpecificList numbers the pages.
enum class PageListMode {
    // Pages count the sheets as printed, inserted tab sheets included; equal entries are merged.
    printed,
    // Pages count the job's own pages; a sheet after a page is listed before the next page.
    jobPages,
};

// Whether the PJL header carries the job's copy count (the header builder's last flag 1). With it
// the tab sheets inserted at a page keep that page's number and equal ones are counted instead,
// and the list is empty for the layouts "AdhBinding" to "2in1Reverse". The filter's header never
// carries it.
enum class HeaderCopyCount { absent, present };

// Replaces out by the record's page exceptions, ordered, expanded into inserted tab sheets and
// numbered for the list mode.
void buildPageSpecificList(const PdCoreData& record, PageSpecificList& out, PageListMode listMode,
                           HeaderCopyCount copyCount);

// The steps of the build, exposed for their tests.
bool pageSpecificListAllowed(const PdCoreData& record, HeaderCopyCount copyCount);
bool pageSpecificFinishingAllowed(const PdCoreData& record);
bool isBindingLayout(const PdCoreData& record);
bool pageSpecificEntryLess(const PageSpecificEntry& x, const PageSpecificEntry& y);
bool pageSpecificEntriesMergeable(const PageSpecificEntry& x, const PageSpecificEntry& y, bool f1,
                                  bool f2, bool f3);
// Gives the entry its tab position, counting automatic positions on from the last position of
// its set (counter 1 for set 0, counter 2 for set 1) and starting again at 1 after the last tab.
void assignTabPosition(PageSpecificSettings& entry, const PdCoreData& record,
                       std::uint32_t& counter1, std::uint32_t& counter2);
// The tray (1 to 5) that feeds the tab paper of a set.
std::uint8_t tabTray(const PdCoreData& record, std::uint8_t tabSet);

}  // namespace pd
