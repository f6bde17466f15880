#include "filter/pjl/pjl_finishing_entries.h"

#include "core/catalog/choice_values.h"
#include "core/catalog/option_catalogue.h"
#include "core/catalog/option_reading.h"
#include "core/record/core_data.h"
#include "filter/pjl/pjl_choice_emitter.h"
#include "filter/pjl/pjl_line.h"

namespace pd {
namespace {

// The two-staple pitch: wide, normal and narrow.
const char* staplePitch(std::uint8_t staple) {
    switch (staple) {
        case 4:
            return "LEVEL3";
        case 5:
            return "LEVEL2";
        case 6:
            return "LEVEL1";
        default:
            return nullptr;
    }
}

constexpr std::uint8_t stitchFoldAndStaple = 1;
constexpr std::uint8_t sendEMailOnError = 1;
constexpr std::uint8_t sendEMailAlways = 2;

}  // namespace

const char* punchHoleCount(std::uint32_t punch) {
    switch (punch) {
        case 1:
            return "2";
        case 2:
            return "3";
        case 3:
            return "4";
        case 4:
            return "10";
        default:
            return nullptr;
    }
}

void emitPjlLayout(const PjlValueList* values, PdCoreData* target, std::string* out,
                   const PdCoreData* record, std::uint32_t jobKind, std::uint32_t) {
    if (!isForward(values, target, out, record) || !hasPjlName(layoutOption)) return;
    const std::uint8_t index = jobKind == pjlJobKindOther ? record->DtLayout.get() : 0;
    out->append(
        pjlSetLineText(layoutOption.names.pjlName, pjlChoiceValueWithDefault(layoutOption, index)));
}

void emitPjlFinish(const PjlValueList* values, PdCoreData* target, std::string* out,
                   const PdCoreData* record, std::uint32_t jobKind, std::uint32_t) {
    if (!isForward(values, target, out, record) || !isWrittenToPjl(stapleOption, jobKind)) return;
    const std::uint8_t staple = record->DtStaple.get();
    const bool saddle = record->DtStitch.get() == stitchFoldAndStaple;

    const char* finish = pjlChoiceValueBounded(stapleOption, staple);
    if (staple == stapleOneOnBindingSide) {
        const bool leftBinding = record->DtBinding.get() == bindingLeft;
        finish = pjlChoiceValueBounded(stapleOption, leftBinding ? stapleOneLeft : stapleOneRight);
    }
    if (saddle) finish = "CENTER";

    out->append(pjlSetLineText(stapleOption.names.pjlName, finish));
    out->append(pjlSetLineText("STAPLEPITCH", staplePitch(staple)));
    if (saddle) {
        out->append(pjlSetLineText("STITCH", "SADDLE"));
        out->append(pjlSetLineText("STITCHNUM", "2"));
    }
}

void emitPjlPunch(const PjlValueList* values, PdCoreData* target, std::string* out,
                  const PdCoreData* record, std::uint32_t jobKind, std::uint32_t) {
    if (!isForward(values, target, out, record) || !isWrittenToPjl(punchOption, jobKind)) return;
    const std::uint8_t punch = record->DtPunch.get();
    const char* value = pjlChoiceValueWithDefault(punchOption, punch);
    if (value == nullptr) return;
    out->append(pjlSetLineText(punchOption.names.pjlName, value));
    out->append(pjlSetLineText("PUNCHNUM", punchHoleCount(punch)));
}

void emitPjlFeedDirection(const PjlValueList* values, PdCoreData* target, std::string* out,
                          const PdCoreData* record, std::uint32_t jobKind, std::uint32_t) {
    if (!isForward(values, target, out, record) || !isWrittenToPjl(feedDirOption, jobKind)) return;
    const std::uint8_t fold = record->DtFold.get();
    const std::uint8_t index = fold == foldZFold1 ? 1 : fold == foldZFold2 ? 2 : 0;
    out->append(pjlSetLineText(feedDirOption.names.pjlName,
                               pjlChoiceValueWithDefault(feedDirOption, index)));
}

void emitPjlFolding(const PjlValueList* values, PdCoreData* target, std::string* out,
                    const PdCoreData* record, std::uint32_t jobKind, std::uint32_t) {
    if (!isForward(values, target, out, record) || !isWrittenToPjl(foldOption, jobKind)) return;
    const std::uint8_t fold = record->DtFold.get();
    const char* choiceValue = pjlChoiceValueBounded(foldOption, fold);
    if (choiceValue == nullptr) return;

    std::string value = choiceValue;
    if (fold == foldMultiCenter && record->DtStitch.get() != 0) value = "CENTERFOLDIN";
    if (fold == foldMultiLetter) {
        value += record->DtFoldDirection.get() == foldDirectionOutside ? "OUT" : "IN";
    }
    out->append(pjlSetLine(foldOption.names.pjlName, value, 0));
}

void emitPjlHeaderPage(const PjlValueList* values, PdCoreData* target, std::string* out,
                       const PdCoreData* record, std::uint32_t, std::uint32_t) {
    // Decided while compiling: every job's header writes this line, and a job without a header
    // page reads nothing more of the descriptor.
    constexpr bool named = isNameSet(headerPageOption.names.pjlName);
    if (!isForward(values, target, out, record) || !named) return;
    const std::uint8_t headerPage = record->DtHeaderPage.get();
    out->append(pjlSetLineText("HEADERPAGE", headerPage != 0 ? "ON" : "OFF"));
    if (headerPage != 0) {
        out->append(
            pjlSetLineText("HEADERPAGETRAY", pjlChoiceValueBounded(headerPageOption, headerPage)));
    }
}

void emitPjlDateStamp(const PjlValueList* values, PdCoreData* target, std::string* out,
                      const PdCoreData* record, std::uint32_t jobKind, std::uint32_t) {
    if (!isForward(values, target, out, record) || !isWrittenToPjl(dateStampOption, jobKind))
        return;
    const std::uint8_t stamp = record->DtDateStamp.get();
    if (stamp == 0) return;
    const char* value = pjlChoiceValueWithDefault(dateStampOption, stamp);
    if (value == nullptr || value[0] == '\0') return;
    out->append(pjlSetLine(dateStampOption.names.pjlName, std::string("TYPE1,") + value, 1));
}

void emitPjlJimonMode(const PjlValueList* values, PdCoreData* target, std::string* out,
                      const PdCoreData* record, std::uint32_t jobKind, std::uint32_t) {
    if (!isForward(values, target, out, record) || !isWrittenToPjl(copyProtectionOption, jobKind))
        return;
    const std::uint8_t protection = record->DtCopyProtection.get();
    const char* value = pjlChoiceValueWithDefault(copyProtectionOption, protection);
    if (value == nullptr) return;
    out->append(pjlSetLineText(copyProtectionOption.names.pjlName, value));
    out->append(pjlSetLineText("JIMONPATTERN", protection != 0 ? "FIXED" : "OFF"));
}

void emitPjlJimonBackPattern(const PjlValueList* values, PdCoreData* target, std::string* out,
                             const PdCoreData* record, std::uint32_t jobKind, std::uint32_t) {
    if (!isForward(values, target, out, record) || !isWrittenToPjl(backPatternOption, jobKind))
        return;
    const char* value =
        record->DtCopyProtection.get() == 0
            ? "OFF"
            : pjlChoiceValueWithDefault(backPatternOption, record->DtBackPattern.get());
    out->append(pjlSetLineText(backPatternOption.names.pjlName, value));
}

void emitPjlJimonPatternIndex(const PjlValueList* values, PdCoreData* target, std::string* out,
                              const PdCoreData* record, std::uint32_t jobKind, std::uint32_t) {
    if (!isForward(values, target, out, record) || !isWrittenToPjl(patternIndexOption, jobKind))
        return;
    const char* value =
        record->DtCopyProtection.get() == 0
            ? "0"
            : pjlChoiceValueWithDefault(patternIndexOption, record->DtPatternIndex.get());
    out->append(pjlSetLineText(patternIndexOption.names.pjlName, value));
}

void emitPjlSendEmail(const PjlValueList* values, PdCoreData* target, std::string* out,
                      const PdCoreData* record, std::uint32_t, std::uint32_t) {
    if (!isForward(values, target, out, record)) return;
    const std::uint8_t when = record->DtSendEMail.get();
    const char* timing = when == sendEMailOnError  ? "ONERROR"
                         : when == sendEMailAlways ? "ALWAYS"
                                                   : nullptr;
    const std::string address(record->DtSendEMailAddress.view());
    const bool notify = timing != nullptr && !address.empty();

    out->append(pjlSetLineText("SENDEMAIL", notify ? "ON" : "OFF"));
    if (notify) {
        out->append(pjlSetLineText("SENDEMAILTIMING", timing));
        out->append(pjlSetLine("SENDEMAILADDRESS", address, 0));
    }
}

}  // namespace pd
