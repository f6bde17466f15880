// The driver's document setup, inserted after the job's first "%%BeginSetup": driver version,
// platform, perfect-binding mode, page geometry, gutter, creep, zoom, screening, the duplex
// pattern of a repeat layout ("PPSArray"), post-inserter sheet counts, image-shift mode,
// orientation, custom target size and the media of trays 1 to 5, all put into TLQXFeatures.
// buildBeginSetupCode (driver_postscript.h) makes the whole text.
#pragma once

#include <cstdint>
#include <list>
#include <string>

#include "core/record/core_data.h"
#include "filter/pages/pps_trays.h"

namespace pd {

// The driver's version, ":0x" and the layout signature in hexadecimal.
std::string driverVersionText();

// One run of pages of the duplex pattern, kept in page order.
struct PpsRange {
    std::uint8_t jobRange = 1;  // 1: the job's own ranges, 0: set by a page exception
    std::uint32_t firstPage = 1;
    std::uint32_t lastPage = 1;
    std::uint8_t duplex = 0;

    friend bool operator==(const PpsRange&, const PpsRange&) = default;
};

// A linked list: page exceptions split and cut runs anywhere in it.
using PpsRangeList = std::list<PpsRange>;

// Splits the range before page when it holds the page past its first page; the part from page on
// follows it with the same jobRange and duplex. A reversed range is put in order first. Returns
// range (the first part).
PpsRangeList::iterator splitPageRange(PpsRangeList& list, PpsRangeList::iterator range,
                                      std::uint32_t page);

// The duplex pattern of the job's pages 1 to 9999: chapters and page exceptions start new runs.
PpsRangeList buildPpsRanges(const PdCoreData& record, HeaderCopyCount copyCount);

// "[ [ 1 0 ][ 5 1 ] ]"
std::string ppsArrayText(const PpsRangeList& list);

// The dictionary of trays 1 to 5 with their media words.
std::string trayConfigurationText(const PdCoreData& record);

}  // namespace pd
