// The slot-media rules: a finishing setting that the media of the selected paper source cannot
// go through moves the job to the Auto source, or gives way.
#pragma once

#include "core/record/core_data.h"
#include "core/rules/change_context.h"

namespace pd {

// Tests every finishing setting that is on against the selected slot's media, in a fixed order,
// each check seeing what the earlier ones changed. Opens no in-progress entry of its own.
void resolveSlotMediaRules(PdCoreData& record, ChangeContext& change);

}  // namespace pd
