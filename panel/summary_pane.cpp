// The panel's answer to the summary pane.
#include <optional>

#include "core/catalog/option_catalogue.h"
#include "panel/settings_panel.h"
#include "panel/summary_dictionary.h"
#include "panel/summary_items.h"

namespace pd {
namespace {

// Appends a row whose texts the platform takes as strings; one it refuses leaves the row out.
void appendRow(com_talvo_dpxw_zeb0583_662_summaryDict& summary, const std::string& label,
               const std::string& value) {
    std::optional<PlatformString> key = PlatformString::fromUtf8(label.c_str());
    std::optional<PlatformString> object = PlatformString::fromUtf8(value.c_str());
    if (key && object) summary.appendObject(std::move(*object), std::move(*key));
}

}  // namespace

std::shared_ptr<const StringDictionary> com_talvo_dpxw_zeb0583_662_settings_panel::summaryInfo() {
    // The summary shows the record as the print settings hold it once the dialog's page setup,
    // input slot included, is merged in.
    PdCoreData record = coreData;
    saveCoreData(record, InputSlotMerge::take);
    // The user's language, not the printer's: the pane is the user's.
    const LanguageIndex language = systemLanguageIndex();
    SummaryItemList items;
    buildSummaryItems(record, items, language);

    auto summary = std::make_shared<com_talvo_dpxw_zeb0583_662_summaryDict>(items.size());
    // The paper row shows the paper as the dialog names it. A page format without a paper has
    // nothing to show there.
    const PageFormat* page = pdePluginCallbackObject->pageFormat();
    if (const std::optional<Paper> paper = page ? page->paper() : std::nullopt) {
        appendRow(*summary, makeLocalizedText(language, pageSizeOption.titleRow), paper->name);
    }
    appendRow(*summary, makeLocalizedText(language, orientationOption.titleRow),
              choiceTitleText(orientationOption, record.DtOrientation.get(), language));
    appendRow(*summary, makeLocalizedText(language, inputSlotOption.titleRow),
              choiceTitleText(inputSlotOption, record.DtInputSlot.get(), language));
    for (const SummaryItem& item : items) {
        if (!item.label.empty() && !item.value.empty()) appendRow(*summary, item.label, item.value);
    }
    return summary;
}

}  // namespace pd
