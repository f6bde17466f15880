// The print dialog's plug-in interface: what the dialog asks of a plug-in module and of the
// panels it makes.
//
// A plug-in is a module in a bundle (see bundle.h) that exports one C function named
// `printDialogPluginEntryName`. It returns a new factory, or null; the dialog owns the factory and
// destroys it before it unloads the module. The dialog hands the factory its bundle, then asks it
// for the panels of a panel type for each job, with the job's host callback. Every call comes
// from the dialog's main thread.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dialog/bundle.h"
#include "dialog/host_callback.h"
#include "dialog/string_dictionary.h"
#include "dialog/views.h"

namespace pd {

// The panel type of panels that a printer's driver adds to the dialog.
inline constexpr std::string_view printerModulePanelType = "BDB091F4-E57F-11D3-B5CC-0050E4603277";

// One panel of the dialog for one job.
class PrintDialogPanel {
  public:
    virtual ~PrintDialogPanel() = default;

    virtual std::string panelKind() const = 0;
    // The same text on every call.
    virtual const std::string& panelName() = 0;
    // The panel's view; null when it has none to show.
    virtual std::shared_ptr<View> panelView() = 0;
    // Sent each time before the dialog shows the panel.
    virtual void willShow() = 0;
    virtual bool shouldHide() const = 0;
    virtual bool shouldShowHelp() const = 0;
    // The PPD option keywords that the panel sets itself, which the dialog's own panels then leave
    // alone.
    virtual std::vector<std::string> supportedPpdOptionKeys() const = 0;
    // The user changed a PPD option in another panel.
    virtual void ppdOptionKeyValueDidChange(std::string_view key, std::string_view choice) = 0;
    // Take the panel's values from the print settings, and store them back. False on failure.
    virtual bool restoreValues() = 0;
    // Write the panel's values into the print settings. False on failure.
    virtual bool saveValues() = 0;
    // The panel's rows of the dialog's summary pane: titles to texts, in the order in which the
    // pane lists them. Its code is the module's: the dialog drops it before the module goes.
    virtual std::shared_ptr<const StringDictionary> summaryInfo() = 0;
};

class PrintDialogPlugin {
  public:
    virtual ~PrintDialogPlugin() = default;

    // Gives the factory its bundle, which the dialog keeps for the factory's life.
    virtual bool initWithBundle(const std::shared_ptr<Bundle>& bundle) = 0;
    // The plug-in's panels of a panel type for the job of hostInfo; none for other types or
    // printers.
    virtual std::vector<std::shared_ptr<PrintDialogPanel>> panelsForType(
        std::string_view type, const std::shared_ptr<HostCallback>& hostInfo) = 0;
};

using PrintDialogPluginEntry = PrintDialogPlugin* (*)();

inline constexpr const char* printDialogPluginEntryName = "pdPrintDialogPlugin";

}  // namespace pd
