#include "filter/pjl/pjl_hold_auth_entries.h"

namespace pd {

void emitPjlHold(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*, std::uint32_t,
                 std::uint32_t) {}

void emitPjlUserAuthentication(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                               std::uint32_t, std::uint32_t) {}

void emitPjlPdfPassword(const TextOptionDescriptor&, const PjlValueList*, PdCoreData*, std::string*,
                        const PdCoreData*, std::uint32_t) {}

void emitPjlAccountName(const TextOptionDescriptor&, const PjlValueList*, PdCoreData*, std::string*,
                        const PdCoreData*, std::uint32_t) {}

void emitPjlAccountPassword(const TextOptionDescriptor&, const PjlValueList*, PdCoreData*,
                            std::string*, const PdCoreData*, std::uint32_t) {}

}  // namespace pd
