// The print panel on whatever the print dialog and the settings application hand it: print
// settings with any chunk texts, input slot and stray chunk keys, a page format with any paper
// name, size and orientation, and records offered from outside. No crash, no read outside a
// buffer, and after every restore, save, offered record or summary:
//   - the print settings hold exactly the chunks 1 to 134, which carry the panel's record;
//   - that record is one that validation leaves as it is, so the filter takes it unchanged;
//   - the input-slot entries agree with the record's slot.
//
// Input: a byte of flags (bit 0 custom paper, bits 1-2 orientation), 16 bytes of paper width and
// height (two doubles, any bits), then fields separated by line feeds: the paper name, the
// "InputSlot" value, then chunk texts numbered from 1, the first also left as a stale chunk
// "S_PCD99999" after a gap. After a NUL byte, the rest is a record offered from outside.
#include <cups/ppd.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalog/option_catalogue.h"
#include "core/record/validation.h"
#include "dialog/host_callback.h"
#include "panel/record_chunks.h"
#include "panel/settings_panel.h"

#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace {

void require(bool condition) {
    if (!condition) __builtin_trap();
}

ppd_file_t* testPpd() {
    static ppd_file_t* ppd = ppdOpenFile(PD_SOURCE_DIR "/data/ppd/durven-paltero.ppd");
    return ppd;
}

void checkStored(const pd::com_talvo_dpxw_zeb0583_662_settings_panel& panel,
                 const pd::MemoryPrintSettings& settings) {
    std::size_t chunks = 0;
    for (const std::string& key : settings.keys()) chunks += pd::isRecordChunkKey(key) ? 1 : 0;
    require(chunks == 134);
    const pd::PdCoreData stored = pd::recordFromChunkText(pd::joinRecordChunks(settings));
    require(std::memcmp(&stored, &panel.getCoreData(), pd::coreDataSize) == 0);
    pd::PdCoreData validated = stored;
    require(pd::validateCoreData(validated));

    const std::uint8_t slot = stored.DtInputSlot.get();
    const auto inputSlot = pd::stringSetting(settings, "InputSlot");
    if (slot != 0 && slot < pd::inputSlotOption.choiceCount) {
        const char* keyword = pd::inputSlotOption.choices[slot].names.ppdName;
        require(inputSlot == keyword);
        require(!settings.value("AP_D_InputSlot").has_value());
    } else {
        require(!inputSlot.has_value());
        require(pd::stringSetting(settings, "AP_D_InputSlot") == "");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 17 || testPpd() == nullptr) return 0;
    const unsigned flags = data[0];
    double width = 0;
    double height = 0;
    std::memcpy(&width, data + 1, sizeof width);
    std::memcpy(&height, data + 9, sizeof height);
    std::string_view rest(reinterpret_cast<const char*>(data + 17), size - 17);
    std::string_view offered;
    if (const std::size_t nul = rest.find('\0'); nul != std::string_view::npos) {
        offered = rest.substr(nul + 1);
        rest = rest.substr(0, nul);
    }
    std::vector<std::string_view> fields;
    for (std::size_t start = 0; start <= rest.size();) {
        const std::size_t end = std::min(rest.find('\n', start), rest.size());
        fields.push_back(rest.substr(start, end - start));
        start = end + 1;
    }

    ppdMarkDefaults(testPpd());
    const auto host = std::make_shared<pd::MemoryHostCallback>();
    host->ppd = testPpd();
    host->page.setPaper(pd::Paper{std::string(fields[0]), width, height});
    host->page.setProperties(pd::customPaperProperties((flags & 1) != 0));
    host->page.setOrientation(static_cast<pd::PageOrientation>(1 + ((flags >> 1) & 3)));
    if (fields.size() > 1) host->settings.setValue("InputSlot", std::string(fields[1]));
    for (std::size_t i = 2; i < fields.size(); ++i)
        host->settings.setValue(pd::recordChunkKey(static_cast<std::uint32_t>(i - 1)),
                                std::string(fields[i]));
    if (fields.size() > 2) host->settings.setValue("S_PCD99999", std::string(fields[2]));

    const auto panel =
        pd::com_talvo_dpxw_zeb0583_662_settings_panel::panelWithCallback(host, nullptr);
    require(panel != nullptr);
    panel->restoreValues();
    checkStored(*panel, host->settings);
    if (offered.data() != nullptr) {
        panel->setCoreData(
            {reinterpret_cast<const unsigned char*>(offered.data()), offered.size()});
        checkStored(*panel, host->settings);
    }
    panel->saveValues();
    checkStored(*panel, host->settings);
    // The summary stores too, and lists every key once.
    const auto summary = panel->summaryInfo();
    checkStored(*panel, host->settings);
    const std::vector<pd::PlatformString> keys = summary->keyEnumerator();
    require(keys.size() == summary->count());
    for (const pd::PlatformString& key : keys) require(summary->objectForKey(key) != nullptr);
    return 0;
}
