#include "filter/number_format.h"

#include <charconv>

#include "core/base/number_text.h"

namespace pd {

namespace {

template <typename T>
std::string decimal(T value) {
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

}  // namespace

std::string formatHex64(std::uint64_t value) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text = value > 0xFF ? formatHex64(value >> 8) : std::string();
    text += digits[(value >> 4) & 0xF];
    text += digits[value & 0xF];
    return text;
}

std::string formatInt32(std::int32_t value) {
    return decimal(value);
}
std::string formatInt8(std::int8_t value) {
    return formatInt32(value);
}
std::string formatUnsigned(std::uint32_t value) {
    return decimal(value);
}
std::string formatUInt8(std::uint8_t value) {
    return formatUnsigned(value);
}
std::string formatUInt16(std::uint16_t value) {
    return formatUnsigned(value);
}
std::string formatUInt64(std::uint64_t value) {
    return decimal(value);
}

bool parseUInt16(std::string_view text, std::uint16_t& value) {
    const std::optional<std::uint64_t> number = parseUInt64(text);
    if (!number) return false;
    value = static_cast<std::uint16_t>(*number > 0xFFFF ? 0xFFFF : *number);
    return true;
}

}  // namespace pd
