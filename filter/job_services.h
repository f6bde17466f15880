// What the filter takes from the core library and the PJL header builder, in one place.
//
// Each function forwards to its owner. Those whose owner is still being built hold a stand-in
// that keeps the filter running and is replaced by a plain call when the owner lands; each is
// marked "Stand-in" below.
#pragma once

#include <cstdint>
#include <string>

#include "core/record/core_data.h"
#include "core/rules/changed_field_list.h"

namespace pd {

// The process's default record. Stand-in: an all-zero record with the A4 paper.
PdCoreData jobDefaultRecord();

// Validates a record rebuilt from the job's chunks. Stand-in: leaves the record as it is.
void jobValidateRecord(PdCoreData& record);

// The layout signature of this build's record layout.
std::uint32_t jobLayoutSignature();

// The PJL header entries for the job, each line ending in CR LF; never empty.
std::string jobPjlHeader(const PdCoreData& record, const std::string& jobName,
                         const std::string& jobOwner);

}  // namespace pd
