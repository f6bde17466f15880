#include "filter/pages/page_ranges.h"

#include <algorithm>
#include <utility>

#include "core/base/number_text.h"

namespace pd {

namespace {

PageRange ordered(const PageRange& range) {
    return range.first <= range.last ? range : PageRange{range.last, range.first};
}

bool sharesPage(const PageRange& x, const PageRange& y) {
    return x.last >= y.first && x.first <= y.last;
}

bool isUsablePage(std::uint16_t page) {
    return page >= firstPage && page <= lastPage;
}

std::uint16_t shiftUp(std::uint16_t page, std::uint16_t n) {
    if (page == 0) return n;
    const auto sum = static_cast<std::uint16_t>(page + n);
    return sum > page ? sum : 0;
}

std::uint16_t shiftDown(std::uint16_t page, std::uint16_t n) {
    if (page == 0) return n;
    return n < page ? static_cast<std::uint16_t>(page - n) : 0;
}

}  // namespace

bool pageRangeLess(const PageRange& a, const PageRange& b) {
    const PageRange x = ordered(a);
    const PageRange y = ordered(b);
    return x.first < y.first || (x.first == y.first && x.last < y.last);
}

void normalizePageRanges(PageRangeList& list) {
    for (PageRange& range : list) range = ordered(range);
    std::stable_sort(list.begin(), list.end(), pageRangeLess);

    // After sorting, a range that shares a page with any later range shares one with the range
    // right after it, and a merge keeps the order; so one forward walk joins every overlap, in
    // linear time whatever the list holds.
    std::size_t kept = 0;
    for (std::size_t index = 0; index < list.size(); ++index) {
        if (kept > 0 && sharesPage(list[kept - 1], list[index])) {
            list[kept - 1].last = std::max(list[kept - 1].last, list[index].last);
        } else {
            list[kept++] = list[index];
        }
    }
    list.resize(kept);

    kept = 0;
    for (std::size_t index = 0; index < list.size(); ++index) {
        if (kept > 0 && std::uint32_t{list[kept - 1].last} + 1 == list[index].first) {
            list[kept - 1].last = list[index].last;
        } else {
            list[kept++] = list[index];
        }
    }
    list.resize(kept);
}

bool pageRangeListsEqual(const PageRangeList& a, const PageRangeList& b, bool normalise) {
    if (!normalise) return a == b;
    PageRangeList x = a;
    PageRangeList y = b;
    normalizePageRanges(x);
    normalizePageRanges(y);
    return x == y;
}

PageRange& shiftPageRangeUp(PageRange& range, std::uint16_t n) {
    if (n != 0) {
        range.first = shiftUp(range.first, n);
        range.last = shiftUp(range.last, n);
    }
    return range;
}

PageRange& shiftPageRangeDown(PageRange& range, std::uint16_t n) {
    if (n != 0) {
        range.first = shiftDown(range.first, n);
        range.last = shiftDown(range.last, n);
    }
    return range;
}

PageRangeList& shiftPageRangesUp(PageRangeList& list, std::uint16_t n) {
    for (PageRange& range : list) shiftPageRangeUp(range, n);
    return list;
}

PageRangeList& shiftPageRangesDown(PageRangeList& list, std::uint16_t n) {
    for (PageRange& range : list) shiftPageRangeDown(range, n);
    return list;
}

std::string formatPageRange(const PageRange& range, std::string_view rangeSeparator) {
    if (!isUsablePage(range.first) || !isUsablePage(range.last)) return {};
    if (range.first == range.last) return formatUInt16(range.first);
    const PageRange inOrder = ordered(range);
    std::string text = formatUInt16(inOrder.first);
    text += rangeSeparator;
    text += formatUInt16(inOrder.last);
    return text;
}

std::string formatPageRanges(const PageRangeList& list, std::string_view rangeSeparator,
                             std::string_view listSeparator) {
    std::string text;
    for (const PageRange& range : list) {
        const std::string item = formatPageRange(range, rangeSeparator);
        if (item.empty()) continue;
        if (!text.empty()) text += listSeparator;
        text += item;
    }
    return text;
}

}  // namespace pd
