// The media rules that several rule tables share: a finishing setting that is on, tested against
// the media of the selected paper source. Used by the rule engine only.
#pragma once

#include <cstdint>

#include "core/record/core_data.h"
#include "core/record/member_id.h"
#include "core/rules/change_context.h"
#include "core/rules/finishing_features.h"

namespace pd {

// The media rule of the setter of finishing. When the media feature accepts the selected slot's
// media, nothing happens. While the slot or one of its media members is being changed, the
// setting gives way: its setter runs again with giveWay. Otherwise, when the feature refuses the
// Auto media too, each Auto attribute that it refuses on its own is reset (the attributes as
// they were before the rule acted); then the slot goes to Auto.
void applyMediaRule(PdCoreData& record, ChangeContext& change, MemberId finishing,
                    std::int64_t giveWay, MediaFeature mediaFeature);

// One check of the slot-media rules. When the media feature refuses the selected slot's media:
// the slot goes to Auto when it is not being changed and the feature accepts the Auto media;
// otherwise the finishing member is set to offValue unless it is being changed.
void applySlotMediaCheck(PdCoreData& record, ChangeContext& change, MemberId finishing,
                         std::int64_t offValue, MediaFeature mediaFeature);

}  // namespace pd
