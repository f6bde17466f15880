// The driver's panel of the print dialog: one per job, for printers whose PPD names the
// manufacturer "DURVEN PALTERO". It keeps the job's settings record in the print settings, so that
// the filter rebuilds exactly the settings the user chose, and marks the PPD choices the record
// implies. It asks the dialog to hide it; its view holds the button that starts the settings
// application.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/record/core_data.h"
#include "core/rules/platform_data.h"
#include "dialog/print_dialog_plugin.h"
#include "panel/pipe_communication.h"

namespace pd {

class com_talvo_dpxw_zeb0583_662_settings_panel final
    : public PrintDialogPanel,
      public PipeOperationHandler,
      public std::enable_shared_from_this<com_talvo_dpxw_zeb0583_662_settings_panel> {
  public:
    // A panel for the job of callback, or null when the job's printer has no PPD or another
    // manufacturer's. The bundle may be null: the panel then has no view.
    static std::shared_ptr<com_talvo_dpxw_zeb0583_662_settings_panel> panelWithCallback(
        const std::shared_ptr<HostCallback>& callback, const std::shared_ptr<Bundle>& bundle);

    std::string panelKind() const override;
    const std::string& panelName() override;
    std::shared_ptr<View> panelView() override;
    void willShow() override;
    bool shouldHide() const override { return true; }
    bool shouldShowHelp() const override { return true; }
    std::vector<std::string> supportedPpdOptionKeys() const override;
    void ppdOptionKeyValueDidChange(std::string_view, std::string_view) override {}
    // Restores the record from the print settings (the default record when they hold none that
    // can be used) and stores it at once with the dialog's page setup, input slot included.
    // Always true.
    bool restoreValues() override;
    // Stores the record with the dialog's page setup, then sets and marks the PPD choices it
    // implies. Always true.
    bool saveValues() override;
    // Stores the record as a restore does, then answers with the rows of the summary pane in
    // the user's language: the paper, the orientation and the input slot, then the rows of the
    // record's members.
    std::shared_ptr<const StringDictionary> summaryInfo() override;

    // Writes the titles and texts of the view's controls.
    void initializePanel();

    // The panel's current record.
    const PdCoreData& getCoreData() const { return coreData; }
    WindowLevel getPdeWindowLevel() const { return pdeWindowLevel; }

    // Merges the dialog's page setup into record (its input slot only with InputSlotMerge::take),
    // makes the result the panel's record, and writes it into the print settings with the input
    // slot that it names.
    void saveCoreData(PdCoreData& record, InputSlotMerge inputSlot);
    // Sets and marks the input slot of record in the print settings and the PPD.
    void updateInputSlot(const PdCoreData& record, PrintSettings* settings);
    // Takes a record offered from outside: stored when it has a record's size and this layout's
    // signature (repaired member by member), the default record stored otherwise.
    void setCoreData(std::span<const unsigned char> data);
    // The page setup of the dialog's page format and print settings.
    void getPlatformData(PdPlatformData& platformData) const;
    int getInputSlot() const;

    // The Settings button's action: starts the settings application with the record and the
    // page setup, serves it in a modal session of the host application until it exits, then
    // hands the keyboard back to the dialog's window. Without the host's application, launcher
    // or the hidden panel nothing happens; an application that cannot be started ends the launch
    // at once.
    void clickedSettings();
    // The host application became active (any notification but the did-update one) or did
    // update: the application is told the dialog's window level, on an update only while the
    // host is active.
    void appActivated(std::string_view notificationName);
    // The application has exited: it is reaped (where its exit watch has not yet) and the hidden
    // panel closed, which ends the session.
    void applicationExited();
    void windowWillClose();
    // The user's name, nullopt when it is not text.
    std::optional<std::string> getUserName() const;
    // The id of the dialog's printer, empty without a printer; nullopt when it is not text.
    std::optional<std::string> getPrinterId() const;

    // Whether the host runs in an application sandbox: its environment names a sandbox container.
    bool isSandboxed() const;
    // Asks the user, in the system's file panel, for a settings file to save (save) or to open,
    // of the one file type that filter gives (see fileTypeOfFilter); the host is made the active
    // application first. The chosen file's path; nullopt when the user cancels or chooses no
    // file, on a system older than x.4 (nothing is shown then), or when the dialog offers no file
    // panels.
    std::optional<std::string> showLoadSaveDialog(const char* filter, bool save);
    // The file type of a filter text such as "Settings files (*.pdcfg)|*.pdcfg": the letters
    // after its last "|*." when only ASCII letters follow it up to the end, as they stand;
    // "pdcfg" for anything else, null included.
    static std::string fileTypeOfFilter(const char* filter);
    // Whether showLoadSaveDialog shows a file panel now.
    bool isLoadSaveDisplayed() const { return loadSaveDisplayed; }

    // A message from the settings application (see PipeOp).
    void handlePipeOperation(std::int32_t type, const std::vector<unsigned char>* body) override;
    // Whether the active application is the host or the settings application that reported its
    // process id.
    bool isAppActive() const;

    // The connection of the latest launch; null before the first.
    const std::shared_ptr<PipeCommunication>& getPipeCommunication() const {
        return pipeCommunication;
    }
    // The process id that the settings application reported; 0 before it did.
    std::int32_t getProcessIdOfUi() const { return processIdOfUi; }

    ~com_talvo_dpxw_zeb0583_662_settings_panel() override;

  private:
    com_talvo_dpxw_zeb0583_662_settings_panel(const std::shared_ptr<HostCallback>& callback,
                                              const std::shared_ptr<Bundle>& bundle,
                                              ppd_file_s* printerPpd);

    // The page setup, with the paper of paperSource when the dialog gives none.
    PdPlatformData pageSetup(const PdCoreData& paperSource) const;
    // Asks launcher now and then whether the application processId has exited, reaping it, until
    // it has: then as applicationExited.
    void pollForExit(const std::shared_ptr<ProcessLauncher>& launcher, pid_t processId);
    // Connects the view's buttons to the panel's actions.
    void connectActions();
    // Drops the view and every outlet into it.
    void releaseView();

    std::shared_ptr<HostCallback> pdePluginCallbackObject;
    std::string pdeName;
    std::shared_ptr<View> pdeView;
    // Outlets into pdeView: the view owns them.
    std::weak_ptr<Button> settingsButton;
    std::weak_ptr<TextField> copyRight;
    std::weak_ptr<TextField> copyRight2;
    std::weak_ptr<TextField> versionString;
    ppd_file_s* ppd;
    std::shared_ptr<Bundle> pdeBundle;
    PdCoreData coreData;
    std::shared_ptr<Window> hiddenModalPanel;
    std::shared_ptr<PipeCommunication> pipeCommunication;
    WindowLevel pdeWindowLevel;
    std::int32_t processIdOfUi = 0;
    // The launch's exit watch while it runs, and the run-loop watch of the exit (of the watch's
    // descriptor, or the timer that asks for the exit).
    std::unique_ptr<ExitWatch> exitWatch;
    RunLoop::WatchId exitWatchId = 0;
    bool loadSaveDisplayed = false;
};

}  // namespace pd
