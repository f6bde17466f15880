// The media loaded in a tray, as the settings record describes it.
#pragma once

#include <array>
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

// The four media members of one tray, in the order of MediaAttributes.
struct TrayMediaMembers {
    StoredUInt8 PdCoreData::*type;
    StoredUInt8 PdCoreData::*weight;
    StoredUInt8 PdCoreData::*color;
    StoredUInt8 PdCoreData::*prepunched;
};

// The media members by tray number: 0 the automatic tray selection, 1 to 5 trays 1 to 5.
inline constexpr std::array<TrayMediaMembers, 6> trayMediaMembers{{
    {&PdCoreData::DtMediaTypeAuto, &PdCoreData::DtMediaWeightAuto, &PdCoreData::DtMediaColorAuto,
     &PdCoreData::DtMediaPrepunchedAuto},
    {&PdCoreData::DtMediaTypeTray1, &PdCoreData::DtMediaWeightTray1, &PdCoreData::DtMediaColorTray1,
     &PdCoreData::DtMediaPrepunchedTray1},
    {&PdCoreData::DtMediaTypeTray2, &PdCoreData::DtMediaWeightTray2, &PdCoreData::DtMediaColorTray2,
     &PdCoreData::DtMediaPrepunchedTray2},
    {&PdCoreData::DtMediaTypeTray3, &PdCoreData::DtMediaWeightTray3, &PdCoreData::DtMediaColorTray3,
     &PdCoreData::DtMediaPrepunchedTray3},
    {&PdCoreData::DtMediaTypeTray4, &PdCoreData::DtMediaWeightTray4, &PdCoreData::DtMediaColorTray4,
     &PdCoreData::DtMediaPrepunchedTray4},
    {&PdCoreData::DtMediaTypeTray5, &PdCoreData::DtMediaWeightTray5, &PdCoreData::DtMediaColorTray5,
     &PdCoreData::DtMediaPrepunchedTray5},
}};

// The media fields of tray 1 to 5; for any other tray number, the automatic tray (0) included,
// the fields of the automatic tray selection. Values are passed on as stored, without a range
// check.
MediaAttributes trayMediaAttributes(std::uint32_t tray, const PdCoreData& record);

}  // namespace pd
