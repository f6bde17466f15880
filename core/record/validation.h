// Repair of a settings record that comes from outside the process (print settings, job options).
//
// A record of another layout is replaced whole by the default record. In a record of this layout
// each unacceptable member is set back on its own, so that one bad value never costs the user the
// rest of the settings: a choice beyond its choices, a number outside its range, a text without
// its final NUL. Cover media, form numbers and resolutions, the blobs and FavoriteSettingsData
// are left to their readers.
#pragma once

#include <cstdint>

#include "core/catalog/measurement.h"
#include "core/record/core_data.h"

namespace pd {

// Repairs record in place against the process's default record and default paper. True when
// nothing had to be changed.
bool validateCoreData(PdCoreData& record);

// The same against the given default record and default paper id.
bool validateCoreData(PdCoreData& record, const PdCoreData& defaults, std::uint32_t paperId);

// True when DtTab1Height (DtTab2Height) lies in its option's range; otherwise sets it to the
// regional default tab height of paperId and returns false.
bool checkTab1Height(PdCoreData& record, std::uint32_t paperId = defaultPaperId());
bool checkTab2Height(PdCoreData& record, std::uint32_t paperId = defaultPaperId());

}  // namespace pd
