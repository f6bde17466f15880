#include "filter/pjl/pjl_job_handling_entries.h"

#include <algorithm>
#include <array>
#include <bitset>

#include "core/base/number_text.h"
#include "core/catalog/choice_values.h"
#include "core/catalog/option_catalogue.h"
#include "core/catalog/option_reading.h"
#include "core/record/core_data.h"
#include "core/record/page_lists.h"
#include "filter/pjl/pjl_choice_emitter.h"
#include "filter/pjl/pjl_line.h"
#include "filter/pjl/pjl_units.h"

namespace pd {
namespace {

std::int32_t toPjl(const NumericOptionDescriptor& option, std::int32_t value) {
    return convertToPjlUnits(value, option.outputScale[outputScalePjlWord], option.divisor);
}

std::uint32_t toPjl(const NumericOptionDescriptor& option, std::uint32_t value) {
    return convertToPjlUnits(value, option.outputScale[outputScalePjlWord], option.divisor);
}

// The line of a post-inserter sheet count: only for two sheets or more.
void appendSheetCount(const NumericOptionDescriptor& option, const StoredUInt16& field,
                      std::string& out, std::uint32_t jobKind) {
    // The count first: most jobs insert no sheets, and need not read the descriptor.
    const std::uint32_t count = field.get();
    if (count < 2 || !isWrittenToPjl(option, jobKind)) return;
    out.append(pjlSetLine(option.names.pjlName, formatUInt32(toPjl(option, count)), 0));
}

void appendInsertedJob(const char* name, std::uint32_t job, std::string& out) {
    if (job == noForm) return;
    out.append(pjlSetLine(name, formatUInt32(job), 0));
}

std::string chapterPageList(const PageRangeList& chapters) {
    // A page that starts a chapter once starts it for good: each page is written once, at its
    // first place, which bounds the value by the 9999 pages there are, whatever the blob repeats.
    std::bitset<lastPage + 1> written;
    std::string pages;
    for (const PageRange& range : chapters) {
        for (std::uint32_t page = range.first; page <= range.last && page <= lastPage; ++page) {
            if (written.test(page)) continue;
            written.set(page);
            if (!pages.empty()) pages += ',';
            pages += formatUInt32(page);
        }
    }
    return pages;
}

constexpr std::uint8_t formRepeated = 0;
constexpr std::uint8_t formOnce = 1;
constexpr std::uint32_t repeatedFormPageLimit = 2;
constexpr std::uint8_t setNumberingWatermark = 3;
constexpr std::uint8_t outputSaveInBox = 1;
constexpr std::uint8_t outputSaveInBoxAndPrint = 2;
constexpr std::uint8_t outputForm = 3;

}  // namespace

void emitPjlUserMediaName(const PjlValueList* values, PdCoreData* target, std::string* out,
                          const PdCoreData* record, std::uint32_t, std::uint32_t) {
    if (!isForward(values, target, out, record)) return;
    const std::string_view name = record->DtInputSlotPaperName.view();
    if (name.empty()) return;
    out->append(pjlSetLine("USERMEDIANAME", name, 1));
}

void emitPjlCopies(const PjlValueList* values, PdCoreData* target, std::string* out,
                   const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag) {
    if (!isForward(values, target, out, record) || lastFlag != 1 ||
        !pjlModeAdmits(numCopiesOption.names.pjlMode, jobKind)) {
        return;
    }
    const char* name = record->DtCollate.get() == collateSort ? "QTY" : "COPIES";
    const std::uint32_t copies = toPjl(numCopiesOption, std::uint32_t{record->DtNumCopies.get()});
    out->append(pjlSetLine(name, formatUInt32(copies), 0));
}

void emitPjlPageLoop(const PjlValueList* values, PdCoreData* target, std::string* out,
                     const PdCoreData* record, std::uint32_t jobKind, std::uint32_t) {
    const NumericOptionDescriptor& option = divideOutputPagesOption;
    // The record's switch first: most jobs do not divide, and need not read the descriptor.
    if (!isForward(values, target, out, record) || record->DtDivideOutput.get() == 0 ||
        !isWrittenToPjl(option, jobKind)) {
        return;
    }
    const std::uint32_t pages = toPjl(option, std::uint32_t{record->DtDivideOutputPages.get()});
    out->append(pjlSetLine(option.names.pjlName, formatUInt32(pages), 0));
}

void emitPjlOffsets(const PjlValueList* values, PdCoreData* target, std::string* out,
                    const PdCoreData* record, std::uint32_t, std::uint32_t) {
    if (!isForward(values, target, out, record)) return;
    const bool byPages = record->DtOffsetPages.get() == 1;
    if (record->DtOffsetCopies.get() == 1) {
        const std::uint32_t count =
            toPjl(offsetCopiesCountOption, std::uint32_t{record->DtOffsetCopiesCount.get()});
        out->append(pjlSetLine("COPIESOFFSET", formatUInt32(count), 0));
    } else if (byPages) {
        out->append(pjlSetLine("COPIESOFFSET", "1", 0));
    }
    if (byPages) {
        const std::uint32_t count =
            toPjl(offsetPagesCountOption, std::uint32_t{record->DtOffsetPagesCount.get()});
        out->append(pjlSetLine("SHEETSOFFSET", formatUInt32(count), 0));
    }
}

void emitPjlPiFrontPages(const PjlValueList* values, PdCoreData* target, std::string* out,
                         const PdCoreData* record, std::uint32_t jobKind, std::uint32_t) {
    if (!isForward(values, target, out, record)) return;
    appendSheetCount(piFrontSheetsOption, record->DtPIFrontSheets, *out, jobKind);
}

void emitPjlPiBackPages(const PjlValueList* values, PdCoreData* target, std::string* out,
                        const PdCoreData* record, std::uint32_t jobKind, std::uint32_t) {
    if (!isForward(values, target, out, record)) return;
    appendSheetCount(piBackSheetsOption, record->DtPIBackSheets, *out, jobKind);
}

void emitPjlChapters(const PjlValueList* values, PdCoreData* target, std::string* out,
                     const PdCoreData* record, std::uint32_t, std::uint32_t) {
    if (!isForward(values, target, out, record)) return;
    PageRangeList chapters;
    std::uint32_t position = 0;
    readPageRangeList(record->DtChapterPages.bytes, sizeof(record->DtChapterPages.bytes), position,
                      chapters);
    const bool on = !chapters.empty() && record->DtChapterMode.get() != 0;
    out->append(pjlSetLineText("CHAPTERMODE", on ? "ON" : "OFF"));
    if (on) out->append(pjlSetLine("CHAPTER", chapterPageList(chapters), 1));
}

void emitPjlTabImageShift(const PjlValueList* values, PdCoreData* target, std::string* out,
                          const PdCoreData* record, std::uint32_t, std::uint32_t) {
    if (!isForward(values, target, out, record)) return;
    const bool on = record->DtTabImageShift.get() == 1;
    out->append(pjlSetLineText("TABIMAGESHIFT", on ? "ON" : "OFF"));
    if (on) {
        const std::uint32_t range =
            toPjl(tabImageShiftRangeOption, record->DtTabImageShiftRange.get());
        out->append(pjlSetLine("TABIMAGESHIFTINFO", formatUInt32(range), 0));
    }
}

void emitPjlToneCurve(const PjlValueList* values, PdCoreData* target, std::string* out,
                      const PdCoreData* record, std::uint32_t, std::uint32_t) {
    if (!isForward(values, target, out, record)) return;
    out->append(pjlSetLine("TONECURVE", record->DtToneCurve.view(), 1));
}

void emitPjlOverlayAll(const PjlValueList* values, PdCoreData* target, std::string* out,
                       const PdCoreData* record, std::uint32_t, std::uint32_t) {
    if (!isForward(values, target, out, record)) return;
    const std::uint32_t form = record->DtJobForm.get();
    if (form == noForm) return;
    std::string value = formatUInt32(form);
    switch (record->DtFormPrintPattern.get()) {
        case formRepeated:
            value += ':';
            value +=
                formatUInt32(std::min(record->DtJobFormPageCount.get(), repeatedFormPageLimit));
            break;
        case formOnce:
            value += ":0";
            break;
        default:
            return;
    }
    out->append(pjlSetLine("TALVOOVERLAYALL", value, 0));
}

void emitPjlPrependJob(const PjlValueList* values, PdCoreData* target, std::string* out,
                       const PdCoreData* record, std::uint32_t, std::uint32_t) {
    if (!isForward(values, target, out, record)) return;
    appendInsertedJob("TALVOPREPENDJOB", record->DtPrepend.get(), *out);
}

void emitPjlAppendJob(const PjlValueList* values, PdCoreData* target, std::string* out,
                      const PdCoreData* record, std::uint32_t, std::uint32_t) {
    if (!isForward(values, target, out, record)) return;
    appendInsertedJob("TALVOAPPENDJOB", record->DtAppend.get(), *out);
}

void emitPjlImageShift(const PjlValueList* values, PdCoreData* target, std::string* out,
                       const PdCoreData* record, std::uint32_t jobKind, std::uint32_t) {
    const ChoiceOptionDescriptor& option = imageShiftTypeOption;
    if (!isForward(values, target, out, record) || !hasPjlName(option)) return;

    // Gutter and creep move the image only in a header of job kind 2.
    std::int32_t gutterFront = 0;
    std::int32_t creepFront = 0;
    std::int32_t gutterBack = 0;
    std::int32_t creepBack = 0;
    if (jobKind == pjlJobKindOther) {
        gutterFront = toPjl(gutterFrontOption, record->DtGutterFront.get());
        creepFront = toPjl(creepFrontOption, record->DtCreepFront.get());
        if (record->DtFrontBackEqual.get() != 0) {
            gutterBack = gutterFront;
            creepBack = creepFront;
        } else {
            gutterBack = toPjl(gutterBackOption, record->DtGutterBack.get());
            creepBack = toPjl(creepBackOption, record->DtCreepBack.get());
        }
    }

    const std::uint8_t type = record->DtImageShiftType.get();
    const bool on = type == imageShiftDriverSettings || gutterFront != 0 || creepFront != 0 ||
                    gutterBack != 0 || creepBack != 0;
    const char* value = pjlChoiceValueBounded(option, on ? imageShiftDriverSettings : type);
    if (value == nullptr || value[0] == '\0') return;
    out->append(pjlSetLineText(option.names.pjlName, value));
    if (!on) return;

    const std::int32_t horizontal = toPjl(horizontalShiftOption, record->DtHorizontalShift.get());
    const std::int32_t vertical = toPjl(verticalShiftOption, record->DtVerticalShift.get());
    std::int32_t horizontalBack = 0;
    std::int32_t verticalBack = 0;
    if (record->DtShiftFrontBack.get() == 1) {
        horizontalBack = toPjl(horizontalShiftBackOption, record->DtHorizontalShiftBack.get());
        verticalBack = toPjl(verticalShiftBackOption, record->DtVerticalShiftBack.get());
    } else {
        // The back of the sheet mirrors the front across the long edge. Negated in 64 bits and
        // wrapped, so that no stored number can overflow.
        horizontalBack = static_cast<std::int32_t>(-static_cast<std::int64_t>(horizontal));
        verticalBack = vertical;
    }

    const std::array<std::int32_t, 8> shifts = {horizontal, vertical,       gutterFront,
                                                creepFront, horizontalBack, verticalBack,
                                                gutterBack, creepBack};
    std::string info;
    for (const std::int32_t shift : shifts) {
        if (!info.empty()) info += ',';
        info += formatInt32(shift);
    }
    out->append(pjlSetLine("IMAGESHIFTINFO", info, 0));
}

void emitPjlPageNumbering(const PjlValueList* values, PdCoreData* target, std::string* out,
                          const PdCoreData* record, std::uint32_t, std::uint32_t) {
    const ChoiceOptionDescriptor& option = pageNumberingModeOption;
    if (!isForward(values, target, out, record) || !hasPjlName(option)) return;
    const std::uint8_t mode = record->DtPageNumberingMode.get();
    if (mode == 0) return;
    const char* where = pjlChoiceValueWithDefault(option, mode);
    if (where == nullptr || where[0] == '\0') return;
    const std::string value = std::string(where) + ',' +
                              formatUInt32(record->DtPageNumberingStartPage.get()) + ',' +
                              formatUInt32(record->DtPageNumberingStartingNumber.get());
    out->append(pjlSetLine(option.names.pjlName, value, 1));
}

void emitPjlSetNumbering(const PjlValueList* values, PdCoreData* target, std::string* out,
                         const PdCoreData* record, std::uint32_t, std::uint32_t) {
    const ChoiceOptionDescriptor& option = setNumberingModeOption;
    if (!isForward(values, target, out, record) || !hasPjlName(option)) return;
    const std::uint8_t mode = record->DtSetNumberingMode.get();
    if (mode == 0) return;
    const std::string start =
        formatUInt32(toPjl(setNumberingStartingNumberOption,
                           std::uint32_t{record->DtSetNumberingStartingNumber.get()}));
    const char* value = pjlChoiceValueWithDefault(option, mode);
    if (value == nullptr || value[0] == '\0') return;
    if (mode == setNumberingWatermark) {
        out->append(pjlSetLineText(value, start.c_str()));
    } else if (mode < setNumberingWatermark) {
        const std::string numbering = std::string("1,BLACK,") + value + ',' + start;
        out->append(pjlSetLineText(option.names.pjlName, numbering.c_str()));
    }
}

void emitPjlBoxOutput(const PjlValueList* values, PdCoreData* target, std::string* out,
                      const PdCoreData* record, std::uint32_t, std::uint32_t) {
    if (!isForward(values, target, out, record)) return;
    const std::uint8_t method = record->DtOutputMethod.get();
    if (method == outputSaveInBox || method == outputSaveInBoxAndPrint) {
        out->append(
            pjlSetLineText("BOXHOLD", method == outputSaveInBox ? "STORE" : "STOREANDPRINT"));
        out->append(pjlSetLine("BOXFILENAME", record->DtOutputMethodFileName.view(), 1));
        out->append(pjlSetLine("BOXNUM", record->DtOutputMethodUserboxNumber.view(), 0));
    } else if (method == outputForm) {
        out->append(pjlSetLineText("TALVOFORMSAVE", "ON"));
    }
}

}  // namespace pd
