#include "platform/utf8.h"

namespace pd {

std::size_t wellFormedUtf8SequenceLength(const char* text, std::size_t size) {
    if (size == 0) return 0;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    const unsigned char lead = bytes[0];
    if (lead < 0x80) return 1;
    std::size_t length;
    // The range of the first continuation byte rules out overlong forms, surrogates and values
    // above U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (size < length) return 0;
    if (bytes[1] < low || bytes[1] > high) return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (bytes[k] < 0x80 || bytes[k] > 0xBF) return 0;
    }
    return length;
}

bool isWellFormedUtf8(const char* text, std::size_t size) {
    std::size_t i = 0;
    while (i < size) {
        const std::size_t length = wellFormedUtf8SequenceLength(text + i, size - i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

}  // namespace pd
