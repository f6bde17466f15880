// Which media the printer's finishing functions accept.
//
// A function is named by its media feature number (0 to 11); its refusal list names weights and
// pre-punched media it cannot handle. Pure functions over constant data.
#pragma once

#include <cstdint>

#include "core/record/tray_media.h"
#include "core/rules/change_context.h"

namespace pd {

inline constexpr std::uint32_t mediaTypeUnspecified = 6;
inline constexpr std::uint32_t mediaWeightUnspecified = 11;
inline constexpr std::uint32_t mediaColorUnspecified = 7;
inline constexpr std::uint32_t mediaPrepunchedUnspecified = 2;
inline constexpr MediaAttributes unspecifiedMedia{mediaTypeUnspecified, mediaWeightUnspecified,
                                                  mediaColorUnspecified,
                                                  mediaPrepunchedUnspecified};

// Whether the function of the media feature number accepts the media. Fully unspecified media
// and numbers above 11 are always accepted; some lists apply only with certain installed units
// (options may be null).
bool isMediaAllowed(const MediaAttributes& media, std::uint32_t mediaFeature,
                    const InstalledOptions* options);

}  // namespace pd
