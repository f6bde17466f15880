#include "filter/pjl/pjl_emitter.h"

namespace pd {

std::string findPjlValue(const PjlValueList& list, std::string_view name) {
    for (const PjlValueEntry& entry : list) {
        if (entry.name == name) return entry.value;
    }
    return {};
}

void emitNoPjl(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*, std::uint32_t,
               std::uint32_t) {}

}  // namespace pd
