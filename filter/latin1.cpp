#include "filter/latin1.h"

#include <cstdint>

namespace pd {

std::string utf8ToLatin1(std::string_view text) {
    std::string converted;
    converted.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        if (lead < 0x80) {
            converted += static_cast<char>(lead);
            ++at;
            continue;
        }
        // Only the two-byte forms C2 80 to C3 BF encode U+0080 to U+00FF; anything else is either
        // invalid UTF-8 or a character beyond Latin-1, and leaves the whole text as it is.
        if ((lead != 0xC2 && lead != 0xC3) || at + 1 >= text.size()) return std::string(text);
        const auto trail = static_cast<unsigned char>(text[at + 1]);
        if ((trail & 0xC0) != 0x80) return std::string(text);
        converted += static_cast<char>(((lead & 0x1F) << 6) | (trail & 0x3F));
        at += 2;
    }
    return converted;
}

}  // namespace pd
