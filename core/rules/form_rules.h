// The rule of the output method that reaches the page-specific forms.
#pragma once

#include "core/record/core_data.h"
#include "core/rules/change_context.h"

namespace pd {

// A job registered as a form has no page-specific forms: a list that holds an entry is replaced
// by the empty one, unless the list is itself being set.
void emptyPageSpecificFormsOfAForm(PdCoreData& record, ChangeContext& change);

}  // namespace pd
