// The plug-in's factory: the object the print dialog makes from the bundle and asks for panels.
#pragma once

#include <memory>

#include "dialog/print_dialog_plugin.h"

namespace pd {

class com_talvo_dpxw_zeb0583_662_pde final : public PrintDialogPlugin {
  public:
    // Keeps the bundle without owning it: the dialog does.
    bool initWithBundle(const std::shared_ptr<Bundle>& bundle) override;
    // The driver's panel for the printer-module panel type (compared exactly), when the job's
    // printer is the driver's; nothing otherwise.
    std::vector<std::shared_ptr<PrintDialogPanel>> panelsForType(
        std::string_view type, const std::shared_ptr<HostCallback>& hostInfo) override;

  private:
    std::weak_ptr<Bundle> pdeBundle;
};

}  // namespace pd
