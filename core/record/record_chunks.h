// The settings record as text: the base64 text of its 25,582 bytes cut into numbered chunks of at
// most 255 characters, under the keys "S_PCD0001", "S_PCD0002", ... The panel writes them into
// the print settings; CUPS hands them to the filter as job options.
//
// The two readers find and join the chunks by different rules:
//   - the filter takes every job option whose name begins with "S_PCD", whatever follows, and joins
//     their values sorted by name, byte for byte (joinChunksInNameOrder);
//   - the panel reads the keys from number 1 on and stops at the first number that its settings do
//     not hold (joinNumberedChunks).
// Both decode the joined text with decodeRecordText, each falling back to its own default record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/record/core_data.h"

namespace pd {

inline constexpr std::string_view recordChunkPrefix = "S_PCD";
inline constexpr std::size_t recordChunkLength = 255;
// The base64 text of a whole record (four characters for each started group of three bytes), and
// the chunks it takes: 133 of 255 characters and one of 197.
inline constexpr std::size_t recordTextLength = (coreDataSize + 2) / 3 * 4;
inline constexpr std::size_t recordChunkCount =
    (recordTextLength + recordChunkLength - 1) / recordChunkLength;

struct RecordChunk {
    std::string name;
    std::string value;
};

// The key of chunk number ("S_PCD%04i": "S_PCD0001", "S_PCD12345").
std::string recordChunkKey(std::uint32_t number);

// True for "S_PCD" followed by one or more digits and nothing else: a key that a reader may take
// as a chunk of the record, whatever its number.
bool isRecordChunkKey(std::string_view key);

// The chunks of record, numbered from 1.
std::vector<RecordChunk> encodeRecordChunks(const PdCoreData& record);

// Chunk order for the filter: by name, byte for byte.
bool chunkNameLess(const RecordChunk& a, const RecordChunk& b);

// The filter's join: sorts chunks with chunkNameLess, then joins their values without separators.
std::string joinChunksInNameOrder(std::span<RecordChunk> chunks);

// The panel's join: the values that chunkValue gives for the keys of number 1, 2, ..., joined, up
// to the first key for which it gives none. A chunk that holds no text should be given as an
// empty text: it adds nothing, and the join goes on.
std::string joinNumberedChunks(
    const std::function<std::optional<std::string>(const std::string& key)>& chunkValue);

// Decodes a joined text into record in place. A text that decodes to a whole record leaves it
// validated (validateCoreData: a record of another layout becomes the process's default record);
// anything less gives way to the caller's default record.
void decodeRecordText(std::string_view text, PdCoreData& record, const PdCoreData& defaultRecord);

}  // namespace pd
