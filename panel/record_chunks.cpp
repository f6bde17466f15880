#include "panel/record_chunks.h"

#include <optional>
#include <utility>
#include <variant>

#include "core/record/default_record.h"

namespace pd {

std::string joinRecordChunks(const PrintSettings& settings) {
    return joinNumberedChunks([&](const std::string& key) -> std::optional<std::string> {
        std::optional<PrintSettingValue> value = settings.value(key);
        if (!value) return std::nullopt;
        std::string* chunk = std::get_if<std::string>(&*value);
        return chunk != nullptr ? std::move(*chunk) : std::string();
    });
}

PdCoreData recordFromChunkText(std::string_view text) {
    PdCoreData record;
    decodeRecordText(text, record, defaultCoreData());
    return record;
}

void writeRecordChunks(PrintSettings& settings, const PdCoreData& record) {
    for (const std::string& key : settings.keys())
        if (isRecordChunkKey(key)) settings.setValue(key, std::nullopt);
    for (RecordChunk& chunk : encodeRecordChunks(record))
        settings.setValue(chunk.name, std::move(chunk.value));
}

}  // namespace pd
