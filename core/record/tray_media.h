// The media loaded in a tray, as the settings record describes it.
#pragma once

#include <cstdint>

#include "core/record/core_data.h"

namespace pd {

// The media of one tray as four choice indexes of the media type, weight, colour and pre-punched
// options. One past an option's last choice (6, 11, 7, 2) means not specified.
struct MediaAttributes {
    std::uint32_t type = 0;
    std::uint32_t weight = 0;
    std::uint32_t color = 0;
    std::uint32_t prepunched = 0;

    friend bool operator==(const MediaAttributes&, const MediaAttributes&) = default;
};

// The media fields of tray 1 to 5; for any other tray number, the automatic tray (0) included,
// the fields of the automatic tray selection. Values are passed on as stored, without a range
// check.
MediaAttributes trayMediaAttributes(std::uint32_t tray, const PdCoreData& record);

}  // namespace pd
