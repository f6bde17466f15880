// Setters in the common shape without rows of their own: each marks, lists and stores its
// member, so that the rules of other members can set it.
#include <cstdint>

#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

void setLayout(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtLayout, value, change);
}

void setFold(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtFold, value, change);
}

}  // namespace pd
