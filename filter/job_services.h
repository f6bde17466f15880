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

// The process's default record.
const PdCoreData& jobDefaultRecord();

// The PJL header entries for the job, each line ending in CR LF; never empty.
std::string jobPjlHeader(const PdCoreData& record, const std::string& jobName,
                         const std::string& jobOwner);

}  // namespace pd
