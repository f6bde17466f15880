#include "core/rules/setters.h"

namespace pd {

void setPageSizeName(PdCoreData& record, const char* text, ChangeContext& change) {
    change.changedFields.append(fieldIdentity(record.DtPageSizeName));
    // The record keeps the name's bytes as given, whatever their encoding.
    record.DtPageSizeName.assign(text);
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
