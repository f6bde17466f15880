#include "filter/pjl/pjl_job_handling_entries.h"

namespace pd {

void emitPjlUserMediaName(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                          std::uint32_t, std::uint32_t) {}

void emitPjlCopies(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*, std::uint32_t,
                   std::uint32_t) {}

void emitPjlPageLoop(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                     std::uint32_t, std::uint32_t) {}

void emitPjlOffsets(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                    std::uint32_t, std::uint32_t) {}

void emitPjlPiFrontPages(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                         std::uint32_t, std::uint32_t) {}

void emitPjlPiBackPages(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                        std::uint32_t, std::uint32_t) {}

void emitPjlChapters(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                     std::uint32_t, std::uint32_t) {}

void emitPjlTabImageShift(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                          std::uint32_t, std::uint32_t) {}

void emitPjlToneCurve(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                      std::uint32_t, std::uint32_t) {}

void emitPjlOverlayAll(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                       std::uint32_t, std::uint32_t) {}

void emitPjlPrependJob(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                       std::uint32_t, std::uint32_t) {}

void emitPjlAppendJob(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                      std::uint32_t, std::uint32_t) {}

void emitPjlImageShift(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                       std::uint32_t, std::uint32_t) {}

void emitPjlPageNumbering(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                          std::uint32_t, std::uint32_t) {}

void emitPjlSetNumbering(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                         std::uint32_t, std::uint32_t) {}

void emitPjlBoxOutput(const PjlValueList*, PdCoreData*, std::string*, const PdCoreData*,
                      std::uint32_t, std::uint32_t) {}

}  // namespace pd
