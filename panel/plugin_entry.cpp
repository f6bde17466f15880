// The one symbol that printpanel.so exports: the print dialog's way into the plug-in.
#include "panel/plugin_factory.h"
#include "platform/custom_papers.h"

extern "C" __attribute__((visibility("default"))) pd::PrintDialogPlugin* pdPrintDialogPlugin() {
    // Nothing thrown here may reach the dialog, which is not ours.
    try {
        // The page setup of the panel's jobs takes the user's own papers into account.
        pd::useUserCustomPapers();
        return new pd::com_talvo_dpxw_zeb0583_662_pde();
    } catch (...) {
        return nullptr;
    }
}
