// The exact number texts of the driver's PostScript, DSC comments and PJL lines: plain decimal
// without grouping, a sign only for negative values, upper-case hexadecimal by whole bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pd {

// Two digits per byte from the highest non-zero byte down; 0 gives "00".
std::string formatHex64(std::uint64_t value);
std::string formatInt32(std::int32_t value);
std::string formatInt8(std::int8_t value);
std::string formatUnsigned(std::uint32_t value);
std::string formatUInt8(std::uint8_t value);
std::string formatUInt16(std::uint16_t value);
std::string formatUInt64(std::uint64_t value);

// Reads the leading number of text (after blanks); a value above 65535 gives 65535. False, with
// value unchanged, when the text holds no number.
bool parseUInt16(std::string_view text, std::uint16_t& value);

}  // namespace pd
