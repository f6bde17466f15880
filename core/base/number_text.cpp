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

std::string formatDouble(double value, std::uint8_t decimals) {
    // The largest double needs 309 integer digits; sign, point and 16 decimals fit as well.
    char buffer[400];
    const int precision = std::min<int>(decimals, 16);
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    if (error != std::errc()) return {};
    return {buffer, end};
}

std::string formatUInt32(std::uint32_t value) {
    char buffer[10];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    static_cast<void>(error);  // ten digits always fit
    return {buffer, end};
}

}  // namespace pd
