// The page range and page form list codecs over arbitrary blobs of the exact input size: no read
// outside the blob, only valid ranges read, and what the encoder writes decodes to the same list.
// The filter's operations on the lists read: normalising gives ordered, separate ranges and is
// idempotent; the text form holds only page numbers and separators; shifts keep pages in range.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/record/page_lists.h"
#include "filter/pages/page_ranges.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

bool isValid(const pd::PageRangeList& list) {
    for (const pd::PageRange& range : list) {
        if (range.first < pd::firstPage || range.first > range.last || range.last > pd::lastPage) {
            return false;
        }
    }
    return true;
}

// Normalising, formatting and shifting a list that may hold any pages, reversed ranges included.
void checkRangeOperations(const pd::PageRangeList& list, std::uint16_t shift) {
    using namespace pd;
    PageRangeList normal = list;
    normalizePageRanges(normal);
    for (std::size_t i = 0; i < normal.size(); ++i) {
        require(normal[i].first <= normal[i].last);
        if (i > 0)
            require(normal[i - 1].last < normal[i].first &&
                    normal[i].first - normal[i - 1].last > 1);
    }
    PageRangeList twice = normal;
    normalizePageRanges(twice);
    require(twice == normal);
    require(pageRangeListsEqual(list, normal, true));
    const std::string text = formatPageRanges(list);
    require(text.find_first_not_of("0123456789-,") == std::string::npos);
    require(text.empty() ||
            (text.front() != ',' && text.back() != ',' && text.find(",,") == std::string::npos));
    PageRangeList up = list;
    shiftPageRangesUp(up, shift);
    PageRangeList down = list;
    shiftPageRangesDown(down, shift);
    require(up.size() == list.size() && down.size() == list.size());
    formatPageRanges(up);
    formatPageRanges(down);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pd;
    if (size > maxFormListBlobSize) return 0;
    const auto blobSize = static_cast<std::uint32_t>(size);

    PageRangeList ranges;
    std::uint32_t position = 0;
    const bool complete = readPageRangeList(data, blobSize, position, ranges);
    require(isValid(ranges));
    require(complete == (position <= blobSize));
    checkRangeOperations(ranges,
                         size >= 2 ? static_cast<std::uint16_t>(data[0] << 8 | data[1]) : 0);
    // Raw words as ranges, reversed and out-of-range pages included.
    PageRangeList raw;
    for (std::size_t i = 0; i + 4 <= size && raw.size() < 64; i += 4) {
        raw.push_back({static_cast<std::uint16_t>(data[i] << 8 | data[i + 1]),
                       static_cast<std::uint16_t>(data[i + 2] << 8 | data[i + 3])});
    }
    checkRangeOperations(raw, static_cast<std::uint16_t>(size));

    PageFormList forms;
    decodePageFormList(data, blobSize, forms);
    for (const PageFormEntry& entry : forms) require(isValid(entry.pages));

    // Round trip through an encoder buffer of the input's size.
    std::vector<unsigned char> encoded(size);
    std::size_t next = 0;
    if (encodePageFormList(forms, encoded.data(), blobSize, &next) && next == forms.size()) {
        PageFormList back;
        require(decodePageFormList(encoded.data(), blobSize, back));
        require(back.size() == forms.size());
        for (std::size_t i = 0; i < forms.size(); ++i) {
            require(back[i].form == forms[i].form && back[i].pages == forms[i].pages);
        }
    }
    std::uint32_t measured = 0;
    writePageRangeList(ranges, nullptr, 0, measured);
    std::vector<unsigned char> blob(measured);
    std::uint32_t written = 0;
    require(writePageRangeList(ranges, blob.data(), measured, written) && written == measured);
    PageRangeList back;
    position = 0;
    require(readPageRangeList(blob.data(), measured, position, back) && back == ranges);
    return 0;
}
