#include "core/rules/full_bleed.h"

#include "core/catalog/paper_size.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

void checkFullBleed(PdCoreData& record, ChangeContext& change) {
    const std::uint32_t forced =
        fullBleedClass(record.DtPageSize.get(), record.DtTargetPaperSize.get(), 0);
    const bool inProgress = isInProgress(change, record.DtFullBleed);
    const std::uint8_t fullBleed = record.DtFullBleed.get();
    if (ruleFires(RuleKind::yields, forced == fullBleedForcedOn && fullBleed == 0, inProgress))
        setFullBleed(record, 1, change);
    else if (ruleFires(RuleKind::yields, forced == fullBleedForcedOff && fullBleed == 1,
                       inProgress))
        setFullBleed(record, 0, change);
}

}  // namespace pd
