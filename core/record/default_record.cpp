#include "core/record/default_record.h"

#include <atomic>
#include <cmath>
#include <cstring>
#include <mutex>

#include "core/base/static_recursive_mutex.h"
#include "core/catalog/choice_values.h"
#include "core/catalog/measurement.h"
#include "core/catalog/option_catalogue.h"
#include "core/catalog/option_reading.h"
#include "core/catalog/paper_size.h"
#include "core/record/layout_signature.h"

namespace pd {
namespace {

constinit StaticRecursiveMutex defaultRecordMutex;

// The stored default of the form resolutions, one past the resolution choices (600 and 1200 dpi).
constexpr std::uint8_t formResolutionDefault = 2;

}  // namespace

std::string defaultTabFontName(LanguageIndex language) {
    if (language == languageFollowSystem) language = systemLanguageIndex();
    return language == languageJapanese ? "Ryumin-Light" : "ArialMT";
}

std::uint8_t defaultTabPageSize(std::uint32_t paperId) {
    return paperRegion(paperId) == inchRegion ? tabPageSizeLetter : tabPageSizeA4;
}

std::uint32_t defaultTabHeight(const NumericOptionDescriptor& option, std::uint32_t paperId) {
    const double millimetres = paperRegion(paperId) == inchRegion ? 34.3 : 40.3;
    return static_cast<std::uint32_t>(std::llround(option.divisor * millimetres));
}

void fillDefaultCoreData(PdCoreData& record, std::uint32_t paperId, LanguageIndex language) {
    const auto bytes = coreDataBytes(record);
    std::memset(bytes.data(), 0, bytes.size());
    record.layoutSignature.set(computeCoreDataSignature());
    record.FavoriteSettingsData.byteValue.set(0);
    record.FavoriteSettingsData.wordValue.set(0xFFFFFFFF);

    for (const CoreDataMember& member : coreDataMembers) {
        switch (member.kind) {
            case MemberKind::choice:
            case MemberKind::unlistedChoice:
                writeMemberNumber(record, member, member.choiceOption->defaultIndex & 0xFF);
                break;
            case MemberKind::wideChoice:
                writeMemberNumber(record, member, 0xFFFFFFFF);  // no form
                break;
            case MemberKind::number:
                writeMemberNumber(record, member, member.numericOption->defaultValue);
                break;
            case MemberKind::text:
                assignMemberText(memberBytes(record, member), member.textOption->defaultText);
                break;
            case MemberKind::choiceText:
                assignMemberText(memberBytes(record, member),
                                 defaultChoiceText(*member.choiceOption));
                break;
            case MemberKind::signature:
            case MemberKind::opaquePair:
            case MemberKind::blob:
                break;
        }
    }

    record.DtPageSize.set(static_cast<std::uint8_t>(paperId));
    // Cover media default to "not specified", one past the last choice of each media list.
    for (auto* cover : {&record.DtFrontCoverMediaType, &record.DtBackCoverMediaType}) {
        cover->set(static_cast<std::uint8_t>(mediaTypeAutoOption.choiceCount));
    }
    for (auto* cover : {&record.DtFrontCoverMediaWeight, &record.DtBackCoverMediaWeight}) {
        cover->set(static_cast<std::uint8_t>(mediaWeightAutoOption.choiceCount));
    }
    for (auto* cover : {&record.DtFrontCoverMediaColor, &record.DtBackCoverMediaColor}) {
        cover->set(static_cast<std::uint8_t>(mediaColorAutoOption.choiceCount));
    }
    for (auto* cover : {&record.DtFrontCoverMediaPrepunched, &record.DtBackCoverMediaPrepunched}) {
        cover->set(static_cast<std::uint8_t>(mediaPrepunchedAutoOption.choiceCount));
    }
    for (auto* count :
         {&record.DtJobFormPageCount, &record.DtPrependPageCount, &record.DtAppendPageCount}) {
        count->set(0);
    }
    for (auto* resolution :
         {&record.DtJobFormResolution, &record.DtPrependResolution, &record.DtAppendResolution}) {
        resolution->set(formResolutionDefault);
    }
    record.DtTab1PageSize.set(defaultTabPageSize(paperId));
    record.DtTab2PageSize.set(defaultTabPageSize(paperId));
    record.DtTab1Height.set(defaultTabHeight(tab1HeightOption, paperId));
    record.DtTab2Height.set(defaultTabHeight(tab2HeightOption, paperId));
    const std::string font = defaultTabFontName(language);
    record.DtTab1FontName.assign(font.c_str());
    record.DtTab2FontName.assign(font.c_str());
}

const PdCoreData& defaultCoreData() {
    static PdCoreData record;
    static constinit std::atomic<bool> filled = false;
    if (filled.load(std::memory_order_acquire)) return record;
    std::lock_guard lock(defaultRecordMutex);
    if (!filled.load(std::memory_order_relaxed)) {
        fillDefaultCoreData(record, defaultPaperId(), languageFollowSystem);
        filled.store(true, std::memory_order_release);
    }
    return record;
}

}  // namespace pd
