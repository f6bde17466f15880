#include "core/record/tray_media.h"

namespace pd {

MediaAttributes trayMediaAttributes(std::uint32_t tray, const PdCoreData& record) {
    const TrayMediaMembers& members = trayMediaMembers[tray < trayMediaMembers.size() ? tray : 0];
    return {(record.*members.type).get(), (record.*members.weight).get(),
            (record.*members.color).get(), (record.*members.prepunched).get()};
}

}  // namespace pd
