#include "core/record/page_lists.h"

#include <algorithm>
#include <cstring>

#include "core/base/blob_reader.h"

namespace pd {
namespace {

// Positions are kept in 64 bits so that no position the caller passes can wrap around a check.
using Offset = std::uint64_t;

bool isPage(std::uint32_t page) {
    return page >= firstPage && page <= lastPage;
}

bool isValidRange(std::uint32_t first, std::uint32_t last) {
    return isPage(first) && isPage(last) && first <= last;
}

std::uint32_t storePosition(Offset position) {
    return static_cast<std::uint32_t>(std::min<Offset>(position, 0xFFFFFFFF));
}

struct WordWriter {
    unsigned char* buffer;
    Offset size;
    Offset position;

    void put(std::uint32_t word) {
        if (buffer != nullptr && position + 2 <= size) {
            buffer[position] = static_cast<unsigned char>(word >> 8);
            buffer[position + 1] = static_cast<unsigned char>(word);
        }
        position += 2;
    }

    // A form number is written whole or not at all.
    void putForm(std::uint32_t value) {
        if (buffer != nullptr && position + 4 <= size) {
            for (int i = 0; i < 4; ++i) {
                buffer[position + i] = static_cast<unsigned char>(value >> (24 - 8 * i));
            }
        }
        position += 4;
    }
};

}  // namespace

bool writePageRangeList(const PageRangeList& list, unsigned char* buffer, std::uint32_t size,
                        std::uint32_t& position) {
    const auto validCount = std::count_if(list.begin(), list.end(), [](const PageRange& range) {
        return isValidRange(range.first, range.last);
    });
    WordWriter writer{buffer, size, position};
    if (validCount == 1) {
        const PageRange& range = *std::find_if(list.begin(), list.end(), [](const PageRange& r) {
            return isValidRange(r.first, r.last);
        });
        if (range.first == range.last) {
            writer.put(shortFormFlag | singlePageFlag | range.first);
        } else {
            writer.put(shortFormFlag | range.first);
            writer.put(range.last);
        }
    } else {
        const auto count = std::min<std::ptrdiff_t>(validCount, maxCountedRanges);
        writer.put(static_cast<std::uint32_t>(count));
        std::ptrdiff_t written = 0;
        for (auto range = list.begin(); range != list.end() && written < count; ++range) {
            if (!isValidRange(range->first, range->last)) continue;
            if (range->first == range->last) {
                writer.put(singlePageFlag | range->first);
            } else {
                writer.put(range->first);
                writer.put(range->last);
            }
            ++written;
        }
    }
    position = storePosition(writer.position);
    return writer.position <= size;
}

bool readPageRangeList(const unsigned char* blob, std::uint32_t size, std::uint32_t& position,
                       PageRangeList& list) {
    BlobReader reader{blob, size, position};
    const std::uint16_t head = reader.word();
    bool withinSize = true;
    if (head & shortFormFlag) {
        if (head & singlePageFlag) {
            const std::uint16_t page = head & ~(shortFormFlag | singlePageFlag);
            if (isPage(page)) list.push_back({page, page});
        } else if (reader.position < reader.size) {
            const std::uint16_t first = head & ~shortFormFlag;
            const std::uint16_t last = reader.word();
            if (isValidRange(first, last)) list.push_back({first, last});
            withinSize = reader.position <= reader.size;
        }
    } else {
        for (std::uint16_t item = 0; item < head && reader.position < reader.size; ++item) {
            const std::uint16_t word = reader.word();
            std::uint16_t first = word;
            std::uint16_t last = word;
            if (word & singlePageFlag) {
                // Only the single-page flag is cleared: a stray short-form flag keeps the page
                // out of range, and the item is dropped.
                first = last = word & ~singlePageFlag;
            } else {
                last = reader.word();
            }
            if (reader.position <= reader.size && isValidRange(first, last)) {
                list.push_back({first, last});
            }
        }
        withinSize = reader.position <= reader.size;
    }
    position = storePosition(reader.position);
    return withinSize;
}

bool encodePageFormList(const PageFormList& list, unsigned char* buffer, std::uint32_t size,
                        std::size_t* nextEntry) {
    if (nextEntry != nullptr) *nextEntry = 0;
    if (buffer != nullptr) std::memset(buffer, 0, size);
    if (size > maxFormListBlobSize) return false;
    WordWriter writer{buffer, size, 0};
    writer.put(list.size() > 0xFFFF ? 0xFFFF : static_cast<std::uint32_t>(list.size()));
    for (std::size_t index = 0; index < list.size() && writer.position < size; ++index) {
        const PageFormEntry& entry = list[index];
        writer.putForm(entry.form);
        auto position = static_cast<std::uint32_t>(writer.position);
        writePageRangeList(entry.pages, buffer, size, position);
        writer.position = position;
        if (writer.position <= size && nextEntry != nullptr) *nextEntry = index + 1;
    }
    return writer.position <= size;
}

bool decodePageFormList(const unsigned char* blob, std::uint32_t size, PageFormList& list) {
    list.clear();
    if (size > maxFormListBlobSize) return false;
    BlobReader reader{blob, size, 0};
    const std::uint16_t count = reader.word();
    for (std::uint16_t index = 0; index < count && reader.position < size; ++index) {
        PageFormEntry& entry = list.emplace_back();
        entry.form = reader.longWord(noForm);
        auto position = static_cast<std::uint32_t>(reader.position);
        readPageRangeList(blob, size, position, entry.pages);
        reader.position = position;
    }
    return reader.position <= size;
}

}  // namespace pd
