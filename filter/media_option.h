// The job's page setup from the record and the job's "media" and orientation options.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/record/core_data.h"
#include "core/rules/platform_data.h"

namespace pd {

// The record's own paper and input slot, with the job's orientation (2 when not given); every
// other byte 0.
PdPlatformData pageSetupFromRecord(const PdCoreData& record, std::uint8_t jobOrientation);

// Tries the comma-separated tokens of the "media" option in order; the first accepted one sets
// the paper. A token is accepted when it is a PPD page size keyword of the catalogue, or a custom
// size "Custom.WxH" with an optional unit "in", "cm" or "mm" (PostScript points without one).
// Returns whether a token was accepted.
bool applyMediaOption(PdPlatformData& setup, std::string_view mediaText);

// The size of a custom media token, in the record's units (1/10000 mm): width and height.
// Empty when the token is no custom size, or when a side is not positive or does not fit the
// record's 32-bit field.
struct CustomMediaSize {
    std::uint32_t width;
    std::uint32_t height;
};
std::optional<CustomMediaSize> parseCustomMediaSize(std::string_view token);

}  // namespace pd
