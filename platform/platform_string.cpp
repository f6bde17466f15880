#include "platform/platform_string.h"

#include <cstring>

namespace pd {

bool isWellFormedUtf8(const char* text, std::size_t size) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    std::size_t i = 0;
    while (i < size) {
        const unsigned char lead = bytes[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t count;
        // The range of the first continuation byte rules out overlong forms, surrogates and
        // values above U+10FFFF.
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            count = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            count = 2;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            count = 3;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (size - i - 1 < count) return false;
        if (bytes[i + 1] < low || bytes[i + 1] > high) return false;
        for (std::size_t k = 2; k <= count; ++k)
            if (bytes[i + k] < 0x80 || bytes[i + k] > 0xBF) return false;
        i += count + 1;
    }
    return true;
}

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
