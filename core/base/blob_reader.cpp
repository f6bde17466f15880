#include "core/base/blob_reader.h"

#include <algorithm>
#include <cstring>

namespace pd {
namespace {

template <typename T>
T readBigEndian(BlobReader& reader, T missing) {
    T value = missing;
    if (reader.has(sizeof(T))) {
        value = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            value = static_cast<T>((value << 8) | reader.blob[reader.position + i]);
        }
    }
    reader.position += sizeof(T);
    return value;
}

}  // namespace

std::uint8_t BlobReader::byte(std::uint8_t missing) {
    return readBigEndian(*this, missing);
}

std::uint16_t BlobReader::word(std::uint16_t missing) {
    return readBigEndian(*this, missing);
}

std::uint32_t BlobReader::longWord(std::uint32_t missing) {
    return readBigEndian(*this, missing);
}

std::string BlobReader::text() {
    if (blob == nullptr || position >= size) {
        position = std::max(position, size);
        return {};
    }
    const unsigned char* start = blob + position;
    const void* nul = std::memchr(start, '\0', size - position);
    if (nul == nullptr) {
        position = size;
        return {};
    }
    std::string value(reinterpret_cast<const char*>(start),
                      static_cast<const unsigned char*>(nul) - start);
    position += value.size() + 1;
    return value;
}

}  // namespace pd
