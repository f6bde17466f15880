#include "core/record/tray_media.h"

namespace pd {

MediaAttributes trayMediaAttributes(std::uint32_t tray, const PdCoreData& record) {
    switch (tray) {
        case 1:
            return {record.DtMediaTypeTray1.get(), record.DtMediaWeightTray1.get(),
                    record.DtMediaColorTray1.get(), record.DtMediaPrepunchedTray1.get()};
        case 2:
            return {record.DtMediaTypeTray2.get(), record.DtMediaWeightTray2.get(),
                    record.DtMediaColorTray2.get(), record.DtMediaPrepunchedTray2.get()};
        case 3:
            return {record.DtMediaTypeTray3.get(), record.DtMediaWeightTray3.get(),
                    record.DtMediaColorTray3.get(), record.DtMediaPrepunchedTray3.get()};
        case 4:
            return {record.DtMediaTypeTray4.get(), record.DtMediaWeightTray4.get(),
                    record.DtMediaColorTray4.get(), record.DtMediaPrepunchedTray4.get()};
        case 5:
            return {record.DtMediaTypeTray5.get(), record.DtMediaWeightTray5.get(),
                    record.DtMediaColorTray5.get(), record.DtMediaPrepunchedTray5.get()};
        default:
            return {record.DtMediaTypeAuto.get(), record.DtMediaWeightAuto.get(),
                    record.DtMediaColorAuto.get(), record.DtMediaPrepunchedAuto.get()};
    }
}

}  // namespace pd
