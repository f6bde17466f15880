#include "filter/pjl/pjl_cover_media_entries.h"

#include "core/base/number_text.h"
#include "core/catalog/choice_values.h"
#include "core/catalog/option_catalogue.h"
#include "core/catalog/option_reading.h"
#include "core/catalog/paper_size.h"
#include "core/record/core_data.h"
#include "core/record/record_page_geometry.h"
#include "core/record/tray_media.h"
#include "filter/pages/pps_trays.h"
#include "filter/pjl/pjl_choice_emitter.h"
#include "filter/pjl/pjl_line.h"
#include "filter/pjl/pjl_pps_entries.h"

namespace pd {
namespace {

constexpr std::uint8_t perfectBind1In1Portrait = 2;
constexpr std::uint8_t perfectBind1In1Landscape = 3;
constexpr std::uint8_t paperSizeTypeFromEngine = 1;

// A length in 1/1000 mm as whole tenths of a millimetre, halves up.
std::string tenthsOfMillimetre(std::uint32_t length) {
    return formatUInt64((std::uint64_t{length} + 50) / 100);
}

void appendTrayMedia(const ChoiceOptionDescriptor& option,
                     std::uint32_t MediaAttributes::*attribute,
                     std::string (*pjlValue)(std::int32_t), std::string& out,
                     const PdCoreData& record, std::uint32_t jobKind) {
    if (!isWrittenToPjl(option, jobKind)) return;
    const MediaAttributes media = trayMediaAttributes(record.DtInputSlot.get(), record);
    const std::uint32_t index = media.*attribute;
    out.append(pjlSetLine(option.names.pjlName,
                          pjlValue(index > INT32_MAX ? -1 : static_cast<std::int32_t>(index)), 0));
}

// The cover sheet's entry: a blank cover is an inserted blank sheet, a printed one is printed as
// the body is; the cover carries the job's own stapling and punching and no tab.
std::string coverEntry(const PdCoreData& record, std::uint8_t printed, TrayId tray,
                       const char* pages, const MediaAttributes* media) {
    const char* bindingWord = pjlChoiceValueWithDefault(bindingOption, record.DtBinding.get());
    const std::uint32_t type = printed == 0 ? pageInsertBlankSheet : pageSameAsBody;
    return buildInsertSheetEntry(type, bindingWord, tray, insertNoTab, insertSameAsBody,
                                 insertSameAsBody, 0, pages, record, media);
}

}  // namespace

std::uint32_t nUpSheetOrientation(std::uint32_t layout, std::uint32_t nUpCount,
                                  std::uint32_t orientation) {
    const bool turned = layout != 0 || nUpCount == 1 || nUpCount == 2 || nUpCount == 5 ||
                        nUpCount == 6 || nUpCount == 7 || nUpCount == 8;
    if (!turned) return orientation;
    return orientation == 0 ? 1 : 0;
}

void emitPjlOrientation(const PjlValueList* values, PdCoreData* target, std::string* out,
                        const PdCoreData* record, std::uint32_t, std::uint32_t) {
    if (!isForward(values, target, out, record)) return;
    const std::uint8_t perfectBind = record->DtPerfectBindMode.get();
    const char* value = nullptr;
    if (perfectBind == perfectBind1In1Portrait) {
        value = "PORTRAIT";
    } else if (perfectBind == perfectBind1In1Landscape) {
        value = "LANDSCAPE";
    } else {
        std::uint32_t orientation = record->DtOrientation.get();
        const std::uint8_t nUp = record->DtNUpCount.get();
        if (nUp != 0) orientation = nUpSheetOrientation(record->DtLayout.get(), nUp, orientation);
        value = orientation == orientationLandscape ? "LANDSCAPE" : "PORTRAIT";
    }
    out->append(pjlSetLineText("ORIENTATION", value));
}

void emitPjlCustomPaper(const PjlValueList* values, PdCoreData* target, std::string* out,
                        const PdCoreData* record, std::uint32_t jobKind, std::uint32_t) {
    if (!isForward(values, target, out, record)) return;
    const std::uint8_t targetSize = record->DtTargetPaperSize.get();
    if (targetSize == customTargetPaperSize &&
        record->DtTargetPaperSizeType.get() == paperSizeTypeFromEngine) {
        out->append(pjlSetLine("CUSTOMPAPERNAME0", record->DtTargetPaperSizeName.view(), 1));
    } else if (targetSize == noTargetPaperSize && record->DtLayout.get() == 0 &&
               record->DtPageSize.get() == noPaperId &&
               record->DtPageSizeType.get() == paperSizeTypeFromEngine) {
        out->append(pjlSetLine("CUSTOMPAPERNAME0", record->DtPageSizeName.view(), 1));
    }
    if (jobKind != pjlJobKindOther) return;

    const PageGeometry sheet = pageGeometryFromCoreData(*record);
    out->append(pjlSetLineText("MEDIATABTYPE", isTabPaper(sheet.paperId) ? "OTHER" : "NONE"));
    const ChoiceOptionDescriptor& paper = targetPaperSizeOption;
    if (!hasPjlName(paper)) return;
    if (sheet.paperId == noPaperId) {
        out->append(pjlSetLine(paper.names.pjlName, "CUSTOMPAPER0", 0));
        out->append(pjlSetLine(
            "CUSTOMPAPER0",
            "M," + tenthsOfMillimetre(sheet.width) + ',' + tenthsOfMillimetre(sheet.height), 1));
        return;
    }
    const char* value = pjlChoiceValueWithDefault(paper, targetSize);
    if (value == nullptr || value[0] == '\0') return;
    out->append(pjlSetLine(paper.names.pjlName, value, 0));
}

void emitPjlMediaType(const PjlValueList* values, PdCoreData* target, std::string* out,
                      const PdCoreData* record, std::uint32_t jobKind, std::uint32_t) {
    if (!isForward(values, target, out, record)) return;
    appendTrayMedia(mediaTypeAutoOption, &MediaAttributes::type, mediaTypePjlValue, *out, *record,
                    jobKind);
}

void emitPjlMediaWeight(const PjlValueList* values, PdCoreData* target, std::string* out,
                        const PdCoreData* record, std::uint32_t jobKind, std::uint32_t) {
    if (!isForward(values, target, out, record)) return;
    appendTrayMedia(mediaWeightAutoOption, &MediaAttributes::weight, mediaWeightPjlValue, *out,
                    *record, jobKind);
}

void emitPjlMediaColor(const PjlValueList* values, PdCoreData* target, std::string* out,
                       const PdCoreData* record, std::uint32_t jobKind, std::uint32_t) {
    if (!isForward(values, target, out, record)) return;
    appendTrayMedia(mediaColorAutoOption, &MediaAttributes::color, mediaColorPjlValue, *out,
                    *record, jobKind);
}

void emitPjlMediaPrepunched(const PjlValueList* values, PdCoreData* target, std::string* out,
                            const PdCoreData* record, std::uint32_t jobKind, std::uint32_t) {
    if (!isForward(values, target, out, record)) return;
    appendTrayMedia(mediaPrepunchedAutoOption, &MediaAttributes::prepunched,
                    mediaPrepunchedPjlValue, *out, *record, jobKind);
}

void emitPjlFrontCoverInsert(const PjlValueList* values, PdCoreData* target, std::string* out,
                             const PdCoreData* record, std::uint32_t, std::uint32_t) {
    if (!isForward(values, target, out, record)) return;
    const std::uint8_t tray = record->DtFrontCoverTray.get();
    if (tray == 0) return;
    const std::string_view paperName = record->DtFrontCoverPaperName.view();
    const MediaAttributes coverMedia{
        record->DtFrontCoverMediaType.get(), record->DtFrontCoverMediaWeight.get(),
        record->DtFrontCoverMediaColor.get(), record->DtFrontCoverMediaPrepunched.get()};
    const std::string entry =
        coverEntry(*record, record->DtFrontCoverPrinted.get(), frontCoverTrayId(tray), "F",
                   paperName.empty() ? nullptr : &coverMedia);
    if (!entry.empty()) out->append(pjlSetLine("PERPAGESET1", entry, 1));
    if (!paperName.empty()) out->append(pjlSetLine("PPSUSERMEDIANAME1", paperName, 1));
}

void emitPjlBackCoverInsert(const PjlValueList* values, PdCoreData* target, std::string* out,
                            const PdCoreData* record, std::uint32_t, std::uint32_t) {
    if (!isForward(values, target, out, record)) return;
    const std::uint8_t tray = record->DtBackCoverTray.get();
    if (tray == 0) return;
    const std::string_view paperName = record->DtBackCoverPaperName.view();
    if (!paperName.empty()) out->append(pjlSetLine("PPSUSERMEDIANAME2", paperName, 1));
    const MediaAttributes coverMedia{
        record->DtBackCoverMediaType.get(), record->DtBackCoverMediaWeight.get(),
        record->DtBackCoverMediaColor.get(), record->DtBackCoverMediaPrepunched.get()};
    const std::string entry =
        coverEntry(*record, record->DtBackCoverPrinted.get(), backCoverTrayId(tray), "B",
                   paperName.empty() ? nullptr : &coverMedia);
    if (!entry.empty()) out->append(pjlSetLine("PERPAGESET2", entry, 1));
}

void emitPjlPerfectBindTray(const PjlValueList* values, PdCoreData* target, std::string* out,
                            const PdCoreData* record, std::uint32_t, std::uint32_t) {
    if (!isForward(values, target, out, record)) return;
    const TrayId tray = perfectBindTrayId(record->DtPerfectBindTray.get());
    const std::string value = trayPjlValue(tray) + ',' +
                              insertMediaTypeValue(tray, *record, nullptr) + ',' +
                              insertMediaWeightValue(tray, *record, nullptr) + ',' +
                              insertMediaColorValue(tray, *record, nullptr);
    out->append(pjlSetLine("PERFECTBINDTRAY", value, 1));
}

}  // namespace pd
