// The paper rules: every finishing feature and paper path that the record has on is tested
// against the sheet the record prints on, and where the feature refuses the sheet the feed
// direction, the binding edge or the feature itself gives way.
#pragma once

#include "core/record/core_data.h"
#include "core/rules/change_context.h"

namespace pd {

// One pass over the rows in their fixed order. A feature that is switched off starts a new pass,
// one level deeper in the cascade; members in progress are left alone, so a refusal can stay
// unresolved. Opens no in-progress entry of its own.
void resolvePaperRules(PdCoreData& record, ChangeContext& change);

}  // namespace pd
