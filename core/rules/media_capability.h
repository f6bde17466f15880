// Which media the printer's finishing functions accept.
//
// A function is named by its MediaFeature; its refusal list names weights and pre-punched media
// it cannot handle. Pure functions over constant data.
#pragma once

#include <cstdint>

#include "core/record/tray_media.h"
#include "core/rules/change_context.h"
#include "core/rules/finishing_features.h"

namespace pd {

inline constexpr std::uint32_t mediaTypeUnspecified = 6;
inline constexpr std::uint32_t mediaWeightUnspecified = 11;
inline constexpr std::uint32_t mediaColorUnspecified = 7;
inline constexpr std::uint32_t mediaPrepunchedUnspecified = 2;
inline constexpr MediaAttributes unspecifiedMedia{mediaTypeUnspecified, mediaWeightUnspecified,
                                                  mediaColorUnspecified,
                                                  mediaPrepunchedUnspecified};

// Whether the function accepts the media. Fully unspecified media, and any media for a value that
// names no function, are always accepted; some lists apply only with certain installed units
// (options may be null).
bool isMediaAllowed(const MediaAttributes& media, MediaFeature mediaFeature,
                    const InstalledOptions* options);

}  // namespace pd
