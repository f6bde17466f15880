#include "core/base/number_text.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <system_error>

namespace pd {
namespace {

bool isCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

struct DecimalText {
    bool negative = false;
    std::uint64_t magnitude = 0;
    bool overflow = false;
};

// Splits "<space><sign><digits>..." the way the C library's decimal conversions read it.
std::optional<DecimalText> readDecimal(std::string_view text) {
    std::size_t position = 0;
    while (position < text.size() && isCSpace(text[position])) ++position;
    DecimalText result;
    if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
        result.negative = text[position] == '-';
        ++position;
    }
    const char* first = text.data() + position;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, result.magnitude, 10);
    if (end == first) return std::nullopt;
    result.overflow = error == std::errc::result_out_of_range;
    return result;
}

// Every integer type's text fits: 20 digits and a sign.
template <typename T>
std::string decimal(T value) {
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return {text, result.ptr};
}

}  // namespace

std::optional<std::int64_t> parseInt64(std::string_view text) {
    const auto decimal = readDecimal(text);
    if (!decimal) return std::nullopt;
    constexpr std::uint64_t maximum = std::numeric_limits<std::int64_t>::max();
    if (!decimal->negative) {
        if (decimal->overflow || decimal->magnitude > maximum) return maximum;
        return static_cast<std::int64_t>(decimal->magnitude);
    }
    if (decimal->overflow || decimal->magnitude > maximum + 1) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(0 - decimal->magnitude);
}

std::optional<std::uint64_t> parseUInt64(std::string_view text) {
    const auto decimal = readDecimal(text);
    if (!decimal) return std::nullopt;
    if (decimal->overflow) return std::numeric_limits<std::uint64_t>::max();
    return decimal->negative ? 0 - decimal->magnitude : decimal->magnitude;
}

bool parseInt32(std::string_view text, std::int32_t& out) {
    const auto value = parseInt64(text);
    if (!value) return false;
    out = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(*value, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
    return true;
}

bool parseUInt32(std::string_view text, std::uint32_t& out) {
    const auto value = parseUInt64(text);
    if (!value) return false;
    out = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(*value, std::numeric_limits<std::uint32_t>::max()));
    return true;
}

bool parseUInt16(std::string_view text, std::uint16_t& value) {
    const std::optional<std::uint64_t> number = parseUInt64(text);
    if (!number) return false;
    value = static_cast<std::uint16_t>(*number > 0xFFFF ? 0xFFFF : *number);
    return true;
}

std::string formatDouble(double value, std::uint8_t decimals) {
    // The largest double needs 309 integer digits; sign, point and 16 decimals fit as well.
    char buffer[400];
    const int precision = std::min<int>(decimals, 16);
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    if (error != std::errc()) return {};
    return {buffer, end};
}

std::string formatInt8(std::int8_t value) {
    return decimal(value);
}
std::string formatInt32(std::int32_t value) {
    return decimal(value);
}
std::string formatUInt8(std::uint8_t value) {
    return decimal(value);
}
std::string formatUInt16(std::uint16_t value) {
    return decimal(value);
}
std::string formatUInt32(std::uint32_t value) {
    return decimal(value);
}
std::string formatUInt64(std::uint64_t value) {
    return decimal(value);
}

std::string formatHex64(std::uint64_t value) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text = value > 0xFF ? formatHex64(value >> 8) : std::string();
    text += digits[(value >> 4) & 0xF];
    text += digits[value & 0xF];
    return text;
}

}  // namespace pd
