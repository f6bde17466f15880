// Reading the big-endian items of a stored blob (page lists, page-specific settings, relay server
// entries) from a position that may run past its end.
//
// Every read is bounds-checked: an item that does not lie whole within the blob reads as its
// fallback value (0 unless given), and the position advances past it either way, so that a
// position beyond the size tells the caller that the blob was cut short. Positions are 64-bit so
// that no count read from a blob can wrap them.
#pragma once

#include <cstdint>
#include <string>

namespace pd {

struct BlobReader {
    const unsigned char* blob;  // null: nothing lies within the blob
    std::uint64_t size;
    std::uint64_t position = 0;

    // Whether count bytes from the position lie within the blob.
    bool has(std::uint64_t count) const {
        return blob != nullptr && position <= size && size - position >= count;
    }
    bool atEnd() const { return position >= size; }

    std::uint8_t byte(std::uint8_t missing = 0);
    std::uint16_t word(std::uint16_t missing = 0);
    std::uint32_t longWord(std::uint32_t missing = 0);

    // The text up to its NUL, the position left after the NUL. When the blob ends first, the text
    // is empty and the position is left at the end (or where it was, beyond the end).
    std::string text();
};

}  // namespace pd
