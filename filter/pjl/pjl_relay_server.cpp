#include "filter/pjl/pjl_relay_server.h"

#include "core/base/blob_reader.h"
#include "core/base/number_text.h"
#include "core/base/text_conversion.h"

namespace pd {
namespace {

constexpr std::uint32_t maxRelayBlobSize = 65535;

// The text up to its NUL, copied as valid UTF-8 into size bytes; the whole text is consumed.
template <std::size_t N>
void readRelayText(BlobReader& reader, std::array<char, N>& destination, std::size_t size) {
    const std::string read = reader.text();
    copyUtf8Bounded(destination.data(), read.c_str(), static_cast<std::uint32_t>(size));
}

void readRelayLongString(RelayServerField& field, BlobReader& reader) {
    readRelayText(reader, field.text, relayLongStringSize);
}

void readRelayString(RelayServerField& field, BlobReader& reader) {
    readRelayText(reader, field.text, relayStringSize);
}

void readRelaySelectString(RelayServerField& field, BlobReader& reader) {
    readRelayText(reader, field.text, relaySelectSize);
}

void readRelayNumber(RelayServerField& field, BlobReader& reader) {
    field.number = static_cast<std::int32_t>(reader.longWord());
}

void readRelayToggle(RelayServerField& field, BlobReader& reader) {
    // A toggle cut off by the end of the blob reads as on.
    field.toggle = reader.byte(1);
}

void readRelayDateTime(RelayServerField& field, BlobReader& reader) {
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
    BlobReader reader{blob, length, 0};
    const std::uint16_t count = length > 1 ? reader.word() : 0;
    reader.position = 2;
    if (count > maxRelayServerFields) return false;

    while (fields.size() < count && reader.position < length) {
        RelayServerField& field = fields.emplace_back();
        field.type = reader.byte();
        readRelayText(reader, field.name, relayNameSize);
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
