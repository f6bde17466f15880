// What the filter takes from the core library and the PJL header builder, in one place.
//
// The filter's fixed answers to the system questions of the core are set here as well.
#pragma once

#include <string>

#include "core/record/changed_field_list.h"
#include "core/record/core_data.h"

namespace pd {

// Fixes what the core would otherwise ask of the system: the filter measures in metric units
// (default paper A4) and speaks US English. Called before anything reads either.
void useFilterSystemAnswers();

// The process's default record, to read.
const PdCoreData& jobDefaultRecord();
// Sets the job's record to the same; the filter's way to a default record, as it writes only the
// default's non-zero bytes where it can instead of copying 25 KB.
void assignJobDefaultRecord(PdCoreData& record);

// The PJL header entries for the job, each line ending in CR LF; never empty.
std::string jobPjlHeader(const PdCoreData& record, const std::string& jobName,
                         const std::string& jobOwner);

}  // namespace pd
