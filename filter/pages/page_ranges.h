// Operations on page range lists once they are read from the record: ordering, normalising,
// shifting by inserted sheets, comparing, and the text form "1-3,5,8-9" of the PJL header and the
// form lines.
//
// A range may hold its pages reversed; each operation says how it treats that. A page of 0 marks a
// page that a shift pushed out of the 16-bit range (or below page 1): it stays in the list but is
// never written as text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/record/page_lists.h"

namespace pd {

// Orders by first page, then last page, each range taken with its pages in order.
bool pageRangeLess(const PageRange& a, const PageRange& b);

// Puts every range in order, sorts them (stably) and joins ranges that overlap or touch.
void normalizePageRanges(PageRangeList& list);

// Equal range by range as stored, or after normalising copies of both when normalise is set.
bool pageRangeListsEqual(const PageRangeList& a, const PageRangeList& b, bool normalise);

// Shift each page by n; a page of 0 becomes n. Up: a sum past 65535 gives 0. Down: a page not
// above n gives 0. n = 0 changes nothing.
PageRange& shiftPageRangeUp(PageRange& range, std::uint16_t n);
PageRange& shiftPageRangeDown(PageRange& range, std::uint16_t n);
PageRangeList& shiftPageRangesUp(PageRangeList& list, std::uint16_t n);
PageRangeList& shiftPageRangesDown(PageRangeList& list, std::uint16_t n);

// Arrays rather than views: a view held in the binary is a pointer the loader must relocate.
inline constexpr char defaultRangeSeparator[] = "-";
inline constexpr char defaultListSeparator[] = ",";

// "5" or "2-7" (smaller page first); empty when a page lies outside 1 to 9999.
std::string formatPageRange(const PageRange& range,
                            std::string_view rangeSeparator = defaultRangeSeparator);

// The usable ranges joined by the list separator; unusable ones leave no separator behind.
std::string formatPageRanges(const PageRangeList& list,
                             std::string_view rangeSeparator = defaultRangeSeparator,
                             std::string_view listSeparator = defaultListSeparator);

}  // namespace pd
