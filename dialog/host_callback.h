// The host callback: what the print dialog offers a plug-in's panel of the job it shows. Every
// service of the dialog reaches the panel through the callback it is handed.
#pragma once

#include <memory>

#include "dialog/application.h"
#include "dialog/file_panels.h"
#include "dialog/keychain.h"
#include "dialog/page_format.h"
#include "dialog/print_settings.h"
#include "dialog/printer.h"
#include "dialog/process_launcher.h"
#include "dialog/user_identity.h"

struct ppd_file_s;

namespace pd {

class HostCallback {
  public:
    virtual ~HostCallback() = default;

    // The PPD of the job's printer, opened and marked by the dialog; null when it has none.
    virtual ppd_file_s* ppdFile() = 0;
    // The job's print settings; null when the dialog has none.
    virtual PrintSettings* printSettings() = 0;
    // The job's page format; null when the dialog has none.
    virtual const PageFormat* pageFormat() = 0;
    // The job's printer; null when the dialog has none.
    virtual std::shared_ptr<const Printer> printer() = 0;

    // The application that shows the dialog; null when the dialog offers none.
    virtual std::shared_ptr<Application> application() { return nullptr; }
    // The services of the system that the dialog hands its plug-ins: starting helper
    // applications, the user's keychain, the user's name. Null when the dialog offers none.
    virtual std::shared_ptr<ProcessLauncher> processLauncher() { return nullptr; }
    virtual std::shared_ptr<Keychain> keychain() { return nullptr; }
    virtual std::shared_ptr<const UserIdentity> userIdentity() { return nullptr; }
    // The open and save panels; null when the dialog offers none.
    virtual std::shared_ptr<FilePanels> filePanels() { return nullptr; }
};

// A host callback held in memory: the print dialog stand-in's own, and the tests' fake. It holds
// its settings, page format, printer and services; the PPD stays its opener's.
class MemoryHostCallback final : public HostCallback {
  public:
    ppd_file_s* ppd = nullptr;
    MemoryPrintSettings settings;
    MemoryPageFormat page;
    std::shared_ptr<const Printer> jobPrinter;
    std::shared_ptr<Application> hostApplication;
    std::shared_ptr<ProcessLauncher> launcher;
    std::shared_ptr<Keychain> userKeychain;
    std::shared_ptr<const UserIdentity> user;
    std::shared_ptr<FilePanels> openSavePanels;

    ppd_file_s* ppdFile() override { return ppd; }
    PrintSettings* printSettings() override { return &settings; }
    const PageFormat* pageFormat() override { return &page; }
    std::shared_ptr<const Printer> printer() override { return jobPrinter; }
    std::shared_ptr<Application> application() override { return hostApplication; }
    std::shared_ptr<ProcessLauncher> processLauncher() override { return launcher; }
    std::shared_ptr<Keychain> keychain() override { return userKeychain; }
    std::shared_ptr<const UserIdentity> userIdentity() override { return user; }
    std::shared_ptr<FilePanels> filePanels() override { return openSavePanels; }
};

}  // namespace pd
