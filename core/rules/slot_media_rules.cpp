#include "core/rules/slot_media_rules.h"

namespace pd {

// Without slot-media rows the step changes nothing; the slot setter calls it at its place in the
// slot's table.
void resolveSlotMediaRules(PdCoreData&, ChangeContext&) {}

}  // namespace pd
