#include "filter/pjl/pjl_relay_server.h"

#include "core/base/number_text.h"
#include "core/base/text_conversion.h"
#include "filter/pages/pps_trays.h"

namespace pd {
namespace {

constexpr std::uint32_t maxRelayBlobSize = 65535;

// Reads bytes at a position that may run past the end; what lies beyond reads as 0.
struct RelayReader {
    const unsigned char* blob;
    std::uint32_t length;
    std::uint32_t position;

    bool has(std::uint32_t count) const { return position <= length && length - position >= count; }

    std::uint8_t byte() {
        const std::uint8_t value = has(1) ? blob[position] : 0;
        ++position;
        return value;
    }

    std::uint16_t word() {
        const std::uint16_t value =
            has(2) ? static_cast<std::uint16_t>((blob[position] << 8) | blob[position + 1]) : 0;
        position += 2;
        return value;
    }

    // The text up to its NUL, copied as valid UTF-8 into size bytes; the whole text is consumed.
    template <std::size_t N>
    void text(std::array<char, N>& destination, std::size_t size) {
        const std::string read = readBlobString(blob, length, position, {});
        copyUtf8Bounded(destination.data(), read.c_str(), static_cast<std::uint32_t>(size));
    }
};

void readRelayLongString(RelayServerField& field, RelayReader& reader) {
    reader.text(field.text, relayLongStringSize);
}

void readRelayString(RelayServerField& field, RelayReader& reader) {
    reader.text(field.text, relayStringSize);
}

void readRelaySelectString(RelayServerField& field, RelayReader& reader) {
    reader.text(field.text, relaySelectSize);
}

void readRelayNumber(RelayServerField& field, RelayReader& reader) {
    if (reader.has(4)) {
        const unsigned char* at = reader.blob + reader.position;
        const std::uint32_t bits = (std::uint32_t{at[0]} << 24) | (std::uint32_t{at[1]} << 16) |
                                   (std::uint32_t{at[2]} << 8) | std::uint32_t{at[3]};
        field.number = static_cast<std::int32_t>(bits);
    }
    reader.position += 4;
}

void readRelayToggle(RelayServerField& field, RelayReader& reader) {
    // A toggle cut off by the end of the blob reads as on.
    field.toggle = reader.has(1) ? reader.blob[reader.position] : 1;
    ++reader.position;
}

void readRelayDateTime(RelayServerField& field, RelayReader& reader) {
    RelayDateTime& date = field.dateTime;
    date.year = reader.word();
    date.month = reader.byte();
    date.day = reader.byte();
    date.hour = reader.byte();
    date.minute = reader.byte();
    date.zoneHour = static_cast<std::int8_t>(reader.byte());
    date.zoneMinute = static_cast<std::int8_t>(reader.byte());
}

}  // namespace

bool decodeRelayServerFields(const unsigned char* blob, std::uint32_t length,
                             RelayServerFieldList& fields) {
    fields.clear();
    if (length > maxRelayBlobSize) return false;
    if (blob == nullptr) length = 0;
    RelayReader reader{blob, length, 0};
    const std::uint16_t count = length > 1 ? reader.word() : 0;
    reader.position = 2;
    if (count > maxRelayServerFields) return false;

    while (fields.size() < count && reader.position < length) {
        RelayServerField& field = fields.emplace_back();
        field.type = reader.byte();
        reader.text(field.name, relayNameSize);
        switch (field.type) {
            case relayFieldString:
                readRelayLongString(field, reader);
                break;
            case relayFieldNumber:
                readRelayNumber(field, reader);
                break;
            case relayFieldToggle:
                readRelayToggle(field, reader);
                break;
            case relayFieldDateTime:
                readRelayDateTime(field, reader);
                break;
            case relayFieldSelect:
                readRelaySelectString(field, reader);
                break;
            default:
                readRelayString(field, reader);
                break;
        }
    }
    return reader.position <= length;
}

std::string formatRelayString(const RelayServerField& field) {
    return field.text.data();
}

std::string formatRelayNumber(const RelayServerField& field) {
    return formatInt32(field.number);
}

std::string formatRelayToggle(const RelayServerField& field) {
    return field.toggle != 0 ? "true" : "false";
}

std::string formatRelayDateTime(const RelayServerField& field) {
    const RelayDateTime& date = field.dateTime;
    return formatUInt16(date.year) + ',' + formatUInt8(date.month) + ',' + formatUInt8(date.day) +
           ',' + formatUInt8(date.hour) + ',' + formatUInt8(date.minute) + ',' +
           formatInt8(date.zoneHour) + ',' + formatInt8(date.zoneMinute);
}

std::string formatRelaySelect(const RelayServerField& field) {
    return field.text.data();
}

}  // namespace pd
