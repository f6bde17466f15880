// The panel's record in the print settings: restore, store, save, a record from outside, and the
// page setup of the dialog.
#include <cups/ppd.h>

#include <cstring>

#include "core/catalog/option_catalogue.h"
#include "core/ppd/ppd_choices.h"
#include "core/record/default_record.h"
#include "core/record/validation.h"
#include "panel/page_setup.h"
#include "panel/ppd_language.h"
#include "panel/record_chunks.h"
#include "panel/settings_panel.h"

// libcups marks its PPD interface deprecated; it is still how a print dialog's PPD is marked.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace pd {
namespace {

constexpr const char* inputSlotKey = "InputSlot";
constexpr const char* automaticInputSlotKey = "AP_D_InputSlot";
constexpr const char* primaryPaperFeedKey = "com.apple.print.PrintSettings.PMPrimaryPaperFeed";
constexpr const char* recordVersionKey = "TALVO_PRIVATECOREDATA_VERSION";
constexpr const char* pageSizeKey = "PageSize";

}  // namespace

bool com_talvo_dpxw_zeb0583_662_settings_panel::restoreValues() {
    const PrintSettings* settings = pdePluginCallbackObject->printSettings();
    PdCoreData record =
        settings != nullptr ? recordFromChunkText(joinRecordChunks(*settings)) : defaultCoreData();
    saveCoreData(record, InputSlotMerge::take);
    return true;
}

void com_talvo_dpxw_zeb0583_662_settings_panel::saveCoreData(PdCoreData& record,
                                                             InputSlotMerge inputSlot) {
    const PdPlatformData setup = pageSetup(record);
    mergePlatformData(&record, &setup, nullptr, inputSlot, nullptr);
    coreData = record;
    PrintSettings* settings = pdePluginCallbackObject->printSettings();
    if (settings != nullptr) {
        settings->setValue(recordVersionKey, std::nullopt);
        writeRecordChunks(*settings, record);
    }
    updateInputSlot(record, settings);
}

void com_talvo_dpxw_zeb0583_662_settings_panel::updateInputSlot(const PdCoreData& record,
                                                                PrintSettings* settings) {
    const std::uint8_t slot = record.DtInputSlot.get();
    const char* keyword = nullptr;
    if (slot < inputSlotOption.choiceCount) keyword = inputSlotOption.choices[slot].names.ppdName;
    if (slot != 0 && keyword != nullptr && *keyword != '\0') {
        if (ppd != nullptr) ppdMarkOption(ppd, inputSlotKey, keyword);
        if (settings != nullptr) {
            settings->setValue(automaticInputSlotKey, std::nullopt);
            settings->setValue(inputSlotKey, std::string(keyword));
        }
    } else {
        if (ppd != nullptr) ppdMarkOption(ppd, automaticInputSlotKey, "");
        if (settings != nullptr) {
            settings->setValue(primaryPaperFeedKey, std::nullopt);
            settings->setValue(inputSlotKey, std::nullopt);
            settings->setValue(automaticInputSlotKey, std::string());
        }
    }
}

bool com_talvo_dpxw_zeb0583_662_settings_panel::saveValues() {
    PdCoreData record = coreData;
    saveCoreData(record, InputSlotMerge::keep);
    PpdChoiceList choices;
    coreDataToPpdChoices(record, choices, nullptr);
    PrintSettings* settings = pdePluginCallbackObject->printSettings();
    if (ppd != nullptr) ppdMarkDefaults(ppd);
    for (const PpdChoice& choice : choices) {
        // The input slot and the paper are the dialog's own settings.
        if (choice.keyword == inputSlotKey || choice.keyword == pageSizeKey) continue;
        if (ppd != nullptr) ppdMarkOption(ppd, choice.keyword.c_str(), choice.choice.c_str());
        if (settings != nullptr) settings->setValue(choice.keyword, choice.choice);
    }
    updateInputSlot(record, settings);
    return true;
}

void com_talvo_dpxw_zeb0583_662_settings_panel::setCoreData(std::span<const unsigned char> data) {
    PdCoreData record = defaultCoreData();
    if (data.size() == coreDataSize) {
        std::memcpy(coreDataBytes(record).data(), data.data(), coreDataSize);
        // A record of another layout becomes the default record; in one of this layout every
        // member out of its range is set back, so that the rules never run on such a value.
        validateCoreData(record);
    }
    saveCoreData(record, InputSlotMerge::keep);
}

PdPlatformData com_talvo_dpxw_zeb0583_662_settings_panel::pageSetup(
    const PdCoreData& paperSource) const {
    PdPlatformData setup;
    setup.DtInputSlot.set(static_cast<std::uint8_t>(getInputSlot()));
    fillPageSetup(setup, pdePluginCallbackObject->pageFormat(), ppdLanguageIndex(ppd), paperSource);
    return setup;
}

void com_talvo_dpxw_zeb0583_662_settings_panel::getPlatformData(
    PdPlatformData& platformData) const {
    platformData = pageSetup(coreData);
}

int com_talvo_dpxw_zeb0583_662_settings_panel::getInputSlot() const {
    return inputSlotFromSettings(pdePluginCallbackObject->printSettings());
}

}  // namespace pd
