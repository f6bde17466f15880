#include "filter/pjl/pjl_page_specific_entries.h"

namespace pd {

void emitPerPageSettings(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                         std::uint32_t, std::uint32_t) {}

void emitPjlOverlayPage(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                        std::uint32_t, std::uint32_t) {}

}  // namespace pd
