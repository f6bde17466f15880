#include "panel/plugin_factory.h"

#include "panel/settings_panel.h"

namespace pd {

bool com_talvo_dpxw_zeb0583_662_pde::initWithBundle(const std::shared_ptr<Bundle>& bundle) {
    pdeBundle = bundle;
    return true;
}

std::vector<std::shared_ptr<PrintDialogPanel>> com_talvo_dpxw_zeb0583_662_pde::panelsForType(
    std::string_view type, const std::shared_ptr<HostCallback>& hostInfo) {
    if (type != printerModulePanelType) return {};
    auto panel =
        com_talvo_dpxw_zeb0583_662_settings_panel::panelWithCallback(hostInfo, pdeBundle.lock());
    if (!panel) return {};
    return {std::move(panel)};
}

}  // namespace pd
