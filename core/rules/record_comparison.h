// Whether a changed copy of a settings record still agrees with the record it was copied from.
#pragma once

#include <cstdint>

#include "core/record/core_data.h"
#include "core/rules/change_context.h"
#include "core/rules/finishing_features.h"

namespace pd {

// True when candidate and reference agree in every member but layoutSignature,
// FavoriteSettingsData, DtBinding and DtFeedDir (texts up to their NUL, DtStaple by
// `stapleSettingsEquivalent`), and the feature accepts the candidate's sheet.
bool recordsEqual(const PdCoreData& candidate, const PdCoreData& reference,
                  const InstalledOptions* options, PaperFeature feature);

// True when the staples are equal, or one is the plain single staple (3) placed by its record's
// binding side on the corner that the other names: 1StapleLeft with a Left binding,
// 1StapleRight with a Right binding.
bool stapleSettingsEquivalent(const PdCoreData& a, const PdCoreData& b);

}  // namespace pd
