// The sheet that a settings record's paper settings give.
#pragma once

#include "core/catalog/page_geometry.h"
#include "core/record/core_data.h"

namespace pd {

// `makePageGeometry` over the record's paper settings.
PageGeometry pageGeometryFromCoreData(const PdCoreData& record);

}  // namespace pd
