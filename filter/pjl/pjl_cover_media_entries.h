// Hand-written entries of the PJL job header for orientation, custom paper, automatic-selection
// media, covers and the perfect-binding tray.
//
// Each has the builder's emitter signature and writes only in the forward direction. The covers
// are "PERPAGESET" 1 (front) and 2 (back), in the insert-sheet entry form of the page-specific
// entries.
#pragma once

#include <cstdint>
#include <string>

#include "filter/pjl/pjl_emitter.h"

namespace pd {

// The orientation of the sheet that carries pages of this orientation: turned (0 <-> 1) under an
// imposition layout and for 2-up, 6-up and 8-up (forward or reverse), unchanged otherwise.
std::uint32_t nUpSheetOrientation(std::uint32_t layout, std::uint32_t nUpCount,
                                  std::uint32_t orientation);

// "ORIENTATION".
void emitPjlOrientation(const PjlValueList* values, PdCoreData* target, std::string* out,
                        const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "CUSTOMPAPERNAME0"; for job kind 2 also "MEDIATABTYPE", "PAPER", "CUSTOMPAPER0".
void emitPjlCustomPaper(const PjlValueList* values, PdCoreData* target, std::string* out,
                        const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "MEDIATYPE".
void emitPjlMediaType(const PjlValueList* values, PdCoreData* target, std::string* out,
                      const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "MEDIAWEIGHT".
void emitPjlMediaWeight(const PjlValueList* values, PdCoreData* target, std::string* out,
                        const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "MEDIACOLOR".
void emitPjlMediaColor(const PjlValueList* values, PdCoreData* target, std::string* out,
                       const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "MEDIAPREPUNCHED".
void emitPjlMediaPrepunched(const PjlValueList* values, PdCoreData* target, std::string* out,
                            const PdCoreData* record, std::uint32_t jobKind,
                            std::uint32_t lastFlag);

// "PERPAGESET1", "PPSUSERMEDIANAME1".
void emitPjlFrontCoverInsert(const PjlValueList* values, PdCoreData* target, std::string* out,
                             const PdCoreData* record, std::uint32_t jobKind,
                             std::uint32_t lastFlag);

// "PPSUSERMEDIANAME2", "PERPAGESET2".
void emitPjlBackCoverInsert(const PjlValueList* values, PdCoreData* target, std::string* out,
                            const PdCoreData* record, std::uint32_t jobKind,
                            std::uint32_t lastFlag);

// "PERFECTBINDTRAY".
void emitPjlPerfectBindTray(const PjlValueList* values, PdCoreData* target, std::string* out,
                            const PdCoreData* record, std::uint32_t jobKind,
                            std::uint32_t lastFlag);

}  // namespace pd
