#include "filter/pjl/pjl_cover_media_entries.h"

namespace pd {

void emitPjlOrientation(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                        std::uint32_t, std::uint32_t) {}

void emitPjlCustomPaper(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                        std::uint32_t, std::uint32_t) {}

void emitPjlMediaType(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                      std::uint32_t, std::uint32_t) {}

void emitPjlMediaWeight(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                        std::uint32_t, std::uint32_t) {}

void emitPjlMediaColor(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                       std::uint32_t, std::uint32_t) {}

void emitPjlMediaPrepunched(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                            std::uint32_t, std::uint32_t) {}

void emitPjlFrontCoverInsert(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                             std::uint32_t, std::uint32_t) {}

void emitPjlBackCoverInsert(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                            std::uint32_t, std::uint32_t) {}

void emitPjlPerfectBindTray(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                            std::uint32_t, std::uint32_t) {}

}  // namespace pd
