// The PPD choices that a settings record implies.
//
// The panel marks them in the PPD and sets them as print settings; the filter inserts the feature
// code of those whose record members a page-setup merge changed.
#pragma once

#include <string>
#include <vector>

#include "core/record/changed_field_list.h"
#include "core/record/core_data.h"

namespace pd {

// One (PPD option keyword, PPD choice keyword) pair.
struct PpdChoice {
    std::string keyword;
    std::string choice;

    friend bool operator==(const PpdChoice&, const PpdChoice&) = default;
};

using PpdChoiceList = std::vector<PpdChoice>;

// Empties out, then appends the pair of every writer that yields one, in the writers' fixed
// order. With a changed-field list, only the writers whose member the list names run: identities
// are addresses within this very record object. "PageSize" and "InputSlot" never appear: the
// callers set the page size and the input slot themselves. No keyword occurs twice.
void coreDataToPpdChoices(const PdCoreData& record, PpdChoiceList& out,
                          const ChangedFieldList* changed);

}  // namespace pd
