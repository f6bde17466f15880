// Page range lists and page form lists, and the blobs of big-endian 16-bit words in which the
// settings record stores them (chapter pages, page-specific trays, page-specific forms).
//
// Range list blob, chosen by the writer:
//   single page   one word 0xC000 + page
//   single range  two words 0x8000 + first, last
//   counted       a count word (0 to 0x7FFF), then per range 0x4000 + page or the words first, last
// An all-zero area reads as an empty list. Form list blob: a 16-bit entry count (0xFFFF above
// 65,535 entries), then per entry a 32-bit form number followed by its range list blob.
//
// Readers and writers never touch a byte at or beyond the size they are given: a missing word
// reads as 0, a missing form number as noForm, and a writer writes only words that fit whole
// while its position goes on counting (a null buffer measures).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pd {

struct PageRange {
    std::uint16_t first = 0;
    std::uint16_t last = 0;

    friend bool operator==(const PageRange&, const PageRange&) = default;
};

// Ranges in the order they were added; overlaps and repeats are kept.
using PageRangeList = std::vector<PageRange>;

inline constexpr std::uint16_t firstPage = 1;
inline constexpr std::uint16_t lastPage = 9999;
// Word flags: the smallest power of two not below the highest page, and the next one up.
inline constexpr std::uint16_t singlePageFlag = 0x4000;
inline constexpr std::uint16_t shortFormFlag = 0x8000;
static_assert(singlePageFlag >= lastPage && singlePageFlag / 2 < lastPage);
// Largest count of the counted form; longer lists are written with their first maxCountedRanges.
inline constexpr std::uint16_t maxCountedRanges = 0x7FFF;
// Largest form list blob either direction accepts.
inline constexpr std::uint32_t maxFormListBlobSize = 65535;

inline constexpr std::uint32_t noForm = 0xFFFFFFFF;

struct PageFormEntry {
    std::uint32_t form = noForm;
    PageRangeList pages;
};

using PageFormList = std::vector<PageFormEntry>;

// The range of pages a to b, smaller number first.
constexpr PageRange createPageRangeNode(std::uint16_t a, std::uint16_t b) {
    return a <= b ? PageRange{a, b} : PageRange{b, a};
}

// Writes the blob of list at buffer[position], advancing position past it (2 bytes per word,
// written or not). Ranges that a reader would drop (pages outside 1 to 9999, first above last)
// are left out, so that no page can be mistaken for a flag. True when the blob ends within size.
bool writePageRangeList(const PageRangeList& list, unsigned char* buffer, std::uint32_t size,
                        std::uint32_t& position);

// Reads one range list blob at blob[position], advancing position, and appends the valid ranges
// (1 <= first <= last <= 9999) to list. False when the blob ran past size; what was read stays.
bool readPageRangeList(const unsigned char* blob, std::uint32_t size, std::uint32_t& position,
                       PageRangeList& list);

// Zeroes buffer (when given) and writes the form list blob from offset 0. nextEntry, when given,
// receives the index of the first entry not written whole (list.size() when all were). False for
// a size above maxFormListBlobSize or when the entries ran past size.
bool encodePageFormList(const PageFormList& list, unsigned char* buffer, std::uint32_t size,
                        std::size_t* nextEntry = nullptr);

// Replaces list by the entries of the blob. False for a size above maxFormListBlobSize (list
// left empty) or when the entries ran past size (the entries read so far stay).
bool decodePageFormList(const unsigned char* blob, std::uint32_t size, PageFormList& list);

}  // namespace pd
