// What-if probes: a change tried on a copy of the record inside a nested change, answered from
// the copy and thrown away. A probe never touches the record, the change in hand or its lists.
#pragma once

#include <cstdint>
#include <memory>

#include "core/record/core_data.h"
#include "core/rules/change_context.h"
#include "core/rules/finishing_features.h"

namespace pd {

// Makes a copy of record, runs trial(copy, nested) on it in a change nested in change, and gives
// the answer of judge(copy). The copy, the nested change and its list die with the call.
template <typename Trial, typename Judge>
bool probeOnCopy(const PdCoreData& record, const ChangeContext& change, Trial&& trial,
                 Judge&& judge) {
    const auto copy = std::make_unique<PdCoreData>(record);
    ChangedFieldList trialFields;
    ChangeContext nested = beginNestedChange(change, *copy, trialFields);
    trial(*copy, nested);
    return judge(*copy);
}

// With DtFeedDir on Auto (a direct write), does the copy still equal the record by
// `recordsEqual` for the feature, that is, does the feature accept the sheet?
bool probeFeedDirOff(const PdCoreData& record, const ChangeContext& change, PaperFeature feature);

// After setBinding(binding) and its rules, does the copy still equal the record by
// `recordsEqual` for the feature?
bool probeBinding(const PdCoreData& record, std::uint8_t binding, const ChangeContext& change,
                  PaperFeature feature);

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
