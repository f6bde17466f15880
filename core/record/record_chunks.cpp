#include "core/record/record_chunks.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/base/base64.h"
#include "core/record/validation.h"

namespace pd {

std::string recordChunkKey(std::uint32_t number) {
    char key[24];
    std::snprintf(key, sizeof key, "S_PCD%04u", static_cast<unsigned>(number));
    return key;
}

bool isRecordChunkKey(std::string_view key) {
    if (!key.starts_with(recordChunkPrefix) || key.size() == recordChunkPrefix.size()) return false;
    for (const char c : key.substr(recordChunkPrefix.size()))
        if (c < '0' || c > '9') return false;
    return true;
}

std::vector<RecordChunk> encodeRecordChunks(const PdCoreData& record) {
    const auto bytes = coreDataBytes(record);
    const std::string text = base64Encode(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    std::vector<RecordChunk> chunks;
    chunks.reserve(recordChunkCount);
    std::uint32_t number = 1;
    for (std::size_t start = 0; start < text.size(); start += recordChunkLength, ++number)
        chunks.push_back({recordChunkKey(number), text.substr(start, recordChunkLength)});
    return chunks;
}

bool chunkNameLess(const RecordChunk& a, const RecordChunk& b) {
    return std::strcmp(a.name.c_str(), b.name.c_str()) < 0;
}

std::string joinChunksInNameOrder(std::span<RecordChunk> chunks) {
    std::sort(chunks.begin(), chunks.end(), chunkNameLess);
    std::string text;
    for (const RecordChunk& chunk : chunks) text += chunk.value;
    return text;
}

std::string joinNumberedChunks(
    const std::function<std::optional<std::string>(const std::string& key)>& chunkValue) {
    std::string text;
    text.reserve(recordTextLength);
    for (std::uint32_t number = 1; number != 0; ++number) {
        const std::optional<std::string> value = chunkValue(recordChunkKey(number));
        if (!value) break;
        text += *value;
    }
    return text;
}

void decodeRecordText(std::string_view text, PdCoreData& record, const PdCoreData& defaultRecord) {
    // Decoded in place: a whole record replaces every byte, and anything less gives way to the
    // default record, so that no byte of a partial text stays behind.
    std::uint32_t length = 0;
    const auto bytes = coreDataBytes(record);
    if (base64Decode(text, bytes.data(), static_cast<std::uint32_t>(bytes.size()), &length) &&
        length == coreDataSize) {
        validateCoreData(record);
    } else {
        record = defaultRecord;
    }
}

}  // namespace pd
