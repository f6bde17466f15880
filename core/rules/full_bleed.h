// The full-bleed rule: some combinations of page size and target paper size force full bleed on
// or off; the others leave it to the user.
#pragma once

#include "core/record/core_data.h"
#include "core/rules/change_context.h"

namespace pd {

// Sets DtFullBleed through its setter when the paper forces a value it does not hold, unless
// DtFullBleed is in progress.
void checkFullBleed(PdCoreData& record, ChangeContext& change);

}  // namespace pd
