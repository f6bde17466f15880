#include "core/base/hex.h"

namespace pd {

std::string hexEncode(const void* data, std::uint32_t length) {
    if (data == nullptr) return {};
    static constexpr char digits[] = "0123456789ABCDEF";
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::string text(static_cast<std::size_t>(length) * 2, '0');
    for (std::size_t i = 0; i < length; ++i) {
        text[2 * i] = digits[bytes[i] >> 4];
        text[2 * i + 1] = digits[bytes[i] & 0x0F];
    }
    return text;
}

}  // namespace pd
