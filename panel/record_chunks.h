// The settings record in the print settings, as chunks under numbered keys (the format and both
// readers' rules are in core/record/record_chunks.h).
#pragma once

#include <string>
#include <string_view>

#include "core/record/core_data.h"
#include "core/record/record_chunks.h"
#include "dialog/print_settings.h"

namespace pd {

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
