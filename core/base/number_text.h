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

// Reads the leading number of text (after blanks); a value above 65535 gives 65535. False, with
// value unchanged, when the text holds no number.
bool parseUInt16(std::string_view text, std::uint16_t& value);

// Fixed notation with min(decimals, 16) digits after a '.'.
std::string formatDouble(double value, std::uint8_t decimals);

// Plain decimal without grouping, a sign only for negative values: the exact number texts of the
// driver's PostScript, DSC comments and PJL lines.
std::string formatInt8(std::int8_t value);
std::string formatInt32(std::int32_t value);
std::string formatUInt8(std::uint8_t value);
std::string formatUInt16(std::uint16_t value);
std::string formatUInt32(std::uint32_t value);
std::string formatUInt64(std::uint64_t value);

// Upper-case hexadecimal, two digits per byte from the highest non-zero byte down; 0 gives "00".
std::string formatHex64(std::uint64_t value);

}  // namespace pd
