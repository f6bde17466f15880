// What-if probes: a change tried on a copy of the record inside a nested change, answered from
// the copy and thrown away. A probe never touches the record, the change in hand or its lists.
#pragma once

#include <cstdint>

#include "core/record/core_data.h"
#include "core/rules/change_context.h"

namespace pd {

// With DtFeedDir on Auto (a direct write), does the copy still equal the record by
// `recordsEqual` for the feature, that is, does the feature accept the sheet?
bool probeFeedDirOff(const PdCoreData& record, const ChangeContext& change, std::uint32_t feature);

// After setBinding(binding) and its rules, does the copy still equal the record by
// `recordsEqual` for the feature?
bool probeBinding(const PdCoreData& record, std::uint8_t binding, const ChangeContext& change,
                  std::uint32_t feature);

// Does switching the staple off (setStaple(0) and its rules) change the printed sheet?
bool probeStaple(const PdCoreData& record, const ChangeContext& change);

// Does switching the fold off (setFold(0) and its rules) change the printed sheet?
bool probeFold(const PdCoreData& record, const ChangeContext& change);

// Does writing 0 into DtCrease change the printed sheet?
bool probeCreaseOff(const PdCoreData& record, const ChangeContext& change);

// Whether two records print on different sheets: other paper ids, or both custom (id 36) with
// another width or height.
bool sheetsDiffer(const PdCoreData& a, const PdCoreData& b);

}  // namespace pd
