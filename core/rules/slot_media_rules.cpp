#include "core/rules/slot_media_rules.h"

namespace pd {

// No slot-media row is in place yet; the slot setter already calls this where its table runs them.
void resolveSlotMediaRules(PdCoreData&, ChangeContext&) {}

}  // namespace pd
