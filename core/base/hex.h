// Upper-case hexadecimal text of a block of bytes, as the settings application receives the
// record and the page setup in its environment.
#pragma once

#include <cstdint>
#include <string>

namespace pd {

// Two digits (0-9, A-F) per byte, high half first, no separators. Null data gives "".
std::string hexEncode(const void* data, std::uint32_t length);

}  // namespace pd
