#include "panel/settings_panel.h"

#include <cups/ppd.h>

#include <cstring>

#include "core/ppd/supported_ppd_options.h"
#include "core/record/default_record.h"
#include "core/record/driver_version.h"

namespace pd {
namespace {

constexpr const char* requiredManufacturer = "DURVEN PALTERO";
constexpr const char* panelKindText = "com.talvo.dpxw.zeb0583.pde.zeb0583";
constexpr const char* panelNameText = "corvex PRO 583PS";
constexpr const char* viewDescriptionName = "PDE";
constexpr const char* settingsTitleKey = "##Settings";
constexpr const char* settingsTitleDefault = "Settings";
constexpr const char* settingsAction = "clickedSettings:";
constexpr const char* noticeText = "corvex PRO 583PS print settings";
constexpr const char* secondNoticeText = "Driver for DURVEN PALTERO production printers";

}  // namespace

std::shared_ptr<com_talvo_dpxw_zeb0583_662_settings_panel>
com_talvo_dpxw_zeb0583_662_settings_panel::panelWithCallback(
    const std::shared_ptr<HostCallback>& callback, const std::shared_ptr<Bundle>& bundle) {
    if (!callback) return nullptr;
    ppd_file_s* printerPpd = callback->ppdFile();
    // A PPD that names no manufacturer is another manufacturer's.
    if (printerPpd == nullptr || printerPpd->manufacturer == nullptr ||
        std::strcmp(printerPpd->manufacturer, requiredManufacturer) != 0) {
        return nullptr;
    }
    return std::shared_ptr<com_talvo_dpxw_zeb0583_662_settings_panel>(
        new com_talvo_dpxw_zeb0583_662_settings_panel(callback, bundle, printerPpd));
}

com_talvo_dpxw_zeb0583_662_settings_panel::com_talvo_dpxw_zeb0583_662_settings_panel(
    const std::shared_ptr<HostCallback>& callback, const std::shared_ptr<Bundle>& bundle,
    ppd_file_s* printerPpd)
    : pdePluginCallbackObject(callback),
      ppd(printerPpd),
      pdeBundle(bundle),
      coreData(defaultCoreData()),
      pdeWindowLevel(windowLevelForKey(WindowLevelKey::normal)) {}

com_talvo_dpxw_zeb0583_662_settings_panel::~com_talvo_dpxw_zeb0583_662_settings_panel() {
    releaseView();
}

std::string com_talvo_dpxw_zeb0583_662_settings_panel::panelKind() const {
    return panelKindText;
}

const std::string& com_talvo_dpxw_zeb0583_662_settings_panel::panelName() {
    if (pdeName.empty()) pdeName = panelNameText;
    return pdeName;
}

std::shared_ptr<View> com_talvo_dpxw_zeb0583_662_settings_panel::panelView() {
    if (pdeView || !pdeBundle) return pdeView;
    // A description that cannot be loaded leaves the panel without a view, to be tried again at
    // the next request.
    try {
        if (std::optional<LoadedViews> loaded = pdeBundle->loadView(viewDescriptionName)) {
            pdeView = loaded->view("pdeView");
            hiddenModalPanel = loaded->panel("hiddenModalPanel");
            if (pdeView) {
                settingsButton = pdeView->button("settingsButton");
                copyRight = pdeView->textField("copyRight");
                copyRight2 = pdeView->textField("copyRight2");
                versionString = pdeView->textField("versionString");
                connectActions();
            }
        }
        // The settings application's launch needs the hidden panel: no view is handed out
        // without it.
        if (pdeView && !hiddenModalPanel) releaseView();
    } catch (...) {
    }
    return pdeView;
}

void com_talvo_dpxw_zeb0583_662_settings_panel::connectActions() {
    for (const std::shared_ptr<Button>& button : pdeView->buttons()) {
        if (button->action() != settingsAction) continue;
        button->setTarget([weak = weak_from_this()] {
            if (const auto self = weak.lock()) self->clickedSettings();
        });
    }
}

void com_talvo_dpxw_zeb0583_662_settings_panel::releaseView() {
    // The view may outlive the panel in the host's hands: its buttons keep no action of ours.
    if (pdeView) {
        for (const std::shared_ptr<Button>& button : pdeView->buttons()) button->setTarget(nullptr);
    }
    pdeView.reset();
    settingsButton.reset();
    copyRight.reset();
    copyRight2.reset();
    versionString.reset();
}

void com_talvo_dpxw_zeb0583_662_settings_panel::willShow() {
    initializePanel();
}

void com_talvo_dpxw_zeb0583_662_settings_panel::initializePanel() {
    if (const auto button = settingsButton.lock()) {
        button->setTitle(pdeBundle
                             ? pdeBundle->localizedString(settingsTitleKey, settingsTitleDefault)
                             : settingsTitleDefault);
    }
    if (const auto field = versionString.lock()) {
        field->setStringValue(std::string(driverVersion));
    }
    if (const auto field = copyRight.lock()) field->setStringValue(noticeText);
    if (const auto field = copyRight2.lock()) field->setStringValue(secondNoticeText);
}

std::vector<std::string> com_talvo_dpxw_zeb0583_662_settings_panel::supportedPpdOptionKeys() const {
    SupportedPpdOptionList options;
    collectSupportedPpdOptions(options);
    std::vector<std::string> keys;
    keys.reserve(options.size());
    for (const SupportedPpdOption& option : options) keys.push_back(option.keyword);
    return keys;
}

}  // namespace pd
