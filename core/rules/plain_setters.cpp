#include <cstring>

#include "core/record/text_conversion.h"
#include "core/rules/setters.h"

namespace pd {

void setPageSizeName(PdCoreData& record, const char* text, ChangeContext& change) {
    change.changedFields.append(fieldIdentity(record.DtPageSizeName));
    // Through a buffer of its own, so that a text inside the member itself is read whole, and
    // bounded so that a long name is never cut inside a UTF-8 sequence.
    char bounded[sizeof record.DtPageSizeName.bytes];
    copyUtf8Bounded(bounded, text, sizeof bounded);
    std::memcpy(record.DtPageSizeName.bytes, bounded, sizeof bounded);
}

void setPageSizeType(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    change.changedFields.append(fieldIdentity(record.DtPageSizeType));
    record.DtPageSizeType.set(value);
}

void setCustomPageSizeHeight(PdCoreData& record, std::uint32_t value, ChangeContext& change) {
    change.changedFields.append(fieldIdentity(record.DtCustomPageSizeHeight));
    record.DtCustomPageSizeHeight.set(value);
}

}  // namespace pd
