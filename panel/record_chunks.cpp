#include "panel/record_chunks.h"

#include <cstdio>

#include "core/base/base64.h"
#include "core/record/default_record.h"
#include "core/record/validation.h"

namespace pd {
namespace {

constexpr std::string_view chunkKeyPrefix = "S_PCD";

// The base64 text of a whole record: four characters for each started group of three bytes.
constexpr std::size_t recordTextLength = (coreDataSize + 2) / 3 * 4;

}  // namespace

std::string recordChunkKey(std::uint32_t number) {
    char key[24];
    std::snprintf(key, sizeof key, "S_PCD%04u", static_cast<unsigned>(number));
    return key;
}

bool isRecordChunkKey(std::string_view key) {
    if (!key.starts_with(chunkKeyPrefix) || key.size() == chunkKeyPrefix.size()) return false;
    for (const char c : key.substr(chunkKeyPrefix.size()))
        if (c < '0' || c > '9') return false;
    return true;
}

std::string joinRecordChunks(const PrintSettings& settings) {
    std::string text;
    text.reserve(recordTextLength);
    for (std::uint32_t number = 1; number != 0; ++number) {
        const std::optional<PrintSettingValue> value = settings.value(recordChunkKey(number));
        if (!value) break;
        if (const std::string* chunk = std::get_if<std::string>(&*value)) text += *chunk;
    }
    return text;
}

PdCoreData recordFromChunkText(std::string_view text) {
    PdCoreData record;
    const auto bytes = coreDataBytes(record);
    std::uint32_t length = 0;
    if (base64Decode(text, bytes.data(), static_cast<std::uint32_t>(bytes.size()), &length) &&
        length == coreDataSize) {
        validateCoreData(record);
    } else {
        record = defaultCoreData();
    }
    return record;
}

void writeRecordChunks(PrintSettings& settings, const PdCoreData& record) {
    for (const std::string& key : settings.keys())
        if (isRecordChunkKey(key)) settings.setValue(key, std::nullopt);
    const auto bytes = coreDataBytes(record);
    const std::string text = base64Encode(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    std::uint32_t number = 1;
    for (std::size_t start = 0; start < text.size(); start += recordChunkLength, ++number)
        settings.setValue(recordChunkKey(number), text.substr(start, recordChunkLength));
}

}  // namespace pd
