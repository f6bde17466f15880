// Numbers read from and written as text, always in the "C" locale's notation whatever the
// process's locale, and without touching it (the panel runs in a multi-threaded host).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pd {

// Reads a decimal number after optional white space and an optional sign; the text after the
// digits is ignored (" 12px" gives 12). Empty when no digit follows. A number beyond the 64-bit
// range is clamped to it.
std::optional<std::int64_t> parseInt64(std::string_view text);

// As parseInt64 for an unsigned number; a leading '-' negates the number modulo 2^64 ("-1" gives
// 0xFFFFFFFFFFFFFFFF), and a magnitude beyond the range gives 0xFFFFFFFFFFFFFFFF.
std::optional<std::uint64_t> parseUInt64(std::string_view text);

// Read as by the 64-bit parsers, then clamped to the 32-bit range. Return false and leave out
// unchanged when the text holds no number.
bool parseInt32(std::string_view text, std::int32_t& out);
bool parseUInt32(std::string_view text, std::uint32_t& out);

// Fixed notation with min(decimals, 16) digits after a '.'.
std::string formatDouble(double value, std::uint8_t decimals);

std::string formatUInt32(std::uint32_t value);

}  // namespace pd
