// The slot-media rules: the finishing settings that the media of the selected paper source
// cannot go through give way.
#pragma once

#include "core/record/core_data.h"
#include "core/rules/change_context.h"

namespace pd {

// Applies the slot-media rows in their fixed order. Opens no in-progress entry of its own.
void resolveSlotMediaRules(PdCoreData& record, ChangeContext& change);

}  // namespace pd
