// The page range and page form list codecs over arbitrary blobs of the exact input size: no read
// outside the blob, only valid ranges read, and what the encoder writes decodes to the same list.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/record/page_lists.h"

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
