// The job's page setup and its merge into the settings record.
#pragma once

#include <cstdint>

#include "core/record/core_data.h"
#include "core/record/stored_types.h"
#include "core/rules/changed_field_list.h"

namespace pd {

// The page setup that the job asks for: the record's own paper, overridden by the job's "media"
// and orientation options. Numbers in host order.
struct JobPageSetup {
    FixedText<128> pageSizeName{};
    std::uint8_t pageSize = 0;       // a paper id, 36 for a custom size
    std::uint32_t customWidth = 0;   // 1/10000 mm; read only for a custom size
    std::uint32_t customHeight = 0;  // 1/10000 mm; read only for a custom size
    std::uint8_t orientation = 2;    // 0 portrait, 1 landscape, 2 not given
    std::uint8_t inputSlot = 0;
};

// Merges the page setup into the record through the rules, without taking the input slot, and
// appends every field that the merge set to changed.
//
// Stand-in until the rules library provides mergePlatformData: it stores the orientation when
// given and different, then the page size fields (name, the record's own page size type, custom
// width and height, paper id), appending each to changed, and applies no rule.
void mergeJobPageSetup(PdCoreData& record, const JobPageSetup& setup, ChangedFieldList& changed);

}  // namespace pd
