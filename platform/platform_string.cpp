#include "platform/platform_string.h"

#include <cstring>

#include "platform/utf8.h"

namespace pd {

std::optional<PlatformString> PlatformString::fromUtf8(const char* text) {
    if (!text) return std::nullopt;
    const std::size_t size = std::strlen(text);
    if (!isWellFormedUtf8(text, size)) return std::nullopt;
    return PlatformString(std::string(text, size));
}

std::size_t PlatformString::length() const {
    std::size_t characters = 0;
    for (const char byte : utf8_)
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) ++characters;
    return characters;
}

}  // namespace pd
