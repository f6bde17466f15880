// The settings record in the print settings: the base64 text of its 25,582 bytes cut into
// numbered chunks of at most 255 characters, under the keys "S_PCD0001", "S_PCD0002", ... CUPS
// hands them to the filter as job options, which joins every "S_PCD" option.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/record/core_data.h"
#include "dialog/print_settings.h"

namespace pd {

inline constexpr std::size_t recordChunkLength = 255;

// The key of chunk number ("S_PCD%04i": "S_PCD0001", "S_PCD12345").
std::string recordChunkKey(std::uint32_t number);

// True for "S_PCD" followed by one or more digits and nothing else: a key that the filter takes as
// a chunk of the record, whatever its number.
bool isRecordChunkKey(std::string_view key);

// The texts of the chunks from number 1 on, joined, up to the first number that the settings do
// not hold; a chunk whose value is not a text adds nothing.
std::string joinRecordChunks(const PrintSettings& settings);

// The record that a joined text holds, validated; the default record when the text does not
// decode to exactly a record's size.
PdCoreData recordFromChunkText(std::string_view text);

// Removes every record chunk key from the settings, the chunks after a gap in the numbering
// included, then writes the record as chunks from number 1.
void writeRecordChunks(PrintSettings& settings, const PdCoreData& record);

}  // namespace pd
