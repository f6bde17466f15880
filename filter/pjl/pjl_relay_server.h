// The enhanced (relay) server fields of a job: the blob `DtRelayServerSettings` that the settings
// application writes, decoded into a list, and the value text of each field.
//
// Blob (big-endian): a 16-bit entry count (0 to 6), then the entries back to back, each a type
// byte, a name up to and including its NUL, and a value by type: 1 a text, 2 a signed 32-bit
// number, 3 a toggle byte, 4 a date and time of 8 bytes (year 16-bit, month, day, hour, minute,
// time-zone hour and minute signed), 6 a selection text, any other type a text; every text up to
// and including its NUL.
//
// The blob comes from a job option that any user can submit: nothing outside it is read, the
// count is checked, and every name and text is cut to its width as valid UTF-8.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/record/core_data.h"

namespace pd {

inline constexpr std::uint32_t relayServerSettingsSize = sizeof PdCoreData::DtRelayServerSettings;
inline constexpr std::uint16_t maxRelayServerFields = 6;

// Field types of the blob.
inline constexpr std::uint32_t relayFieldString = 1;
inline constexpr std::uint32_t relayFieldNumber = 2;
inline constexpr std::uint32_t relayFieldToggle = 3;
inline constexpr std::uint32_t relayFieldDateTime = 4;
inline constexpr std::uint32_t relayFieldSelect = 6;

// The widths, NUL included, of a name, a type-1 text, a selection text and any other text.
inline constexpr std::size_t relayNameSize = 17;
inline constexpr std::size_t relayLongStringSize = 129;
inline constexpr std::size_t relaySelectSize = 17;
inline constexpr std::size_t relayStringSize = 121;

struct RelayDateTime {
    std::uint16_t year = 0;
    std::uint8_t month = 0;
    std::uint8_t day = 0;
    std::uint8_t hour = 0;
    std::uint8_t minute = 0;
    std::int8_t zoneHour = 0;
    std::int8_t zoneMinute = 0;
};

// One decoded entry; the value member its type names holds the value, the others stay zero.
// Texts are NUL-terminated within their arrays.
struct RelayServerField {
    std::uint32_t type = 0;
    std::array<char, relayNameSize> name{};
    std::array<char, relayLongStringSize> text{};
    std::int32_t number = 0;
    std::uint8_t toggle = 0;
    RelayDateTime dateTime;
};

using RelayServerFieldList = std::vector<RelayServerField>;

// Replaces fields by the entries of the blob, in blob order. False, with fields empty, for a
// length above 65535 or a count above 6; false also when a number, toggle or date runs past the
// end (the parts beyond it read as 0, the toggle as on), after which decoding stops. A text cut
// by the end reads as empty and still gives true.
bool decodeRelayServerFields(const unsigned char* blob, std::uint32_t length,
                             RelayServerFieldList& fields);

// The value texts of the PJL header: the text; the number in decimal; "true" or "false"; the date
// and time as year, month, day, hour, minute, time-zone hour and minute joined by ",".
std::string formatRelayString(const RelayServerField& field);
std::string formatRelayNumber(const RelayServerField& field);
std::string formatRelayToggle(const RelayServerField& field);
std::string formatRelayDateTime(const RelayServerField& field);
std::string formatRelaySelect(const RelayServerField& field);

}  // namespace pd
