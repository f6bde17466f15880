// Hand-written entries of the PJL job header for the page-specific settings: inserted sheets and
// trays per page range, and the page-specific forms.
//
// Each has the builder's emitter signature. Until they are built they write no line, which keeps
// the header well-formed with the entries left out.
#pragma once

#include <cstdint>
#include <string>

#include "filter/pjl/pjl_emitter.h"

namespace pd {

// "PERPAGESET" n with "PPSINSERTPAGES", "PPSPAPER", "PPSUSERMEDIANAME" n, n from 3.
void emitPerPageSettings(const PjlValueList* values, PdCoreData* target, std::string* out,
                         const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "TALVOOVERLAYPAGE" 1 to 3.
void emitPjlOverlayPage(const PjlValueList* values, PdCoreData* target, std::string* out,
                        const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

}  // namespace pd
