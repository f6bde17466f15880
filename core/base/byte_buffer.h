// An owned block of bytes with its size.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>

namespace pd {

struct ByteBuffer {
    std::unique_ptr<unsigned char[]> data;
    std::uint32_t size = 0;

    // Replaces the block by a new one of newSize bytes, filled with zeros when zeroFill is set,
    // and returns it. An allocation failure throws std::bad_alloc and leaves the buffer empty.
    unsigned char* reset(std::uint32_t newSize, bool zeroFill) {
        data.reset();
        size = 0;
        data = std::make_unique_for_overwrite<unsigned char[]>(newSize);
        if (zeroFill) std::memset(data.get(), 0, newSize);
        size = newSize;
        return data.get();
    }
};

}  // namespace pd
