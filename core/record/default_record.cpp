#include "core/record/default_record.h"

#include <array>
#include <atomic>
#include <bit>
#include <mutex>
#include <span>
#include <string_view>

#include "core/base/static_recursive_mutex.h"
#include "core/catalog/choice_values.h"
#include "core/catalog/measurement.h"
#include "core/catalog/option_catalogue.h"
#include "core/catalog/option_reading.h"
#include "core/catalog/paper_size.h"
#include "core/record/layout_signature.h"
#include "core/record/member_id.h"

namespace pd {
namespace {

constinit StaticRecursiveMutex defaultRecordMutex;

// The stored default of the form resolutions, one past the resolution choices (600 and 1200 dpi).
constexpr std::uint8_t formResolutionDefault = 2;

// What the default record takes from the host; every other byte is the same on every host.
struct HostAnswers {
    std::uint32_t paperId;
    bool inchPaper;  // the default paper is an inch size
    std::string_view tabFont;

    bool operator==(const HostAnswers&) const = default;
};

constexpr std::string_view tabFontName(LanguageIndex resolvedLanguage) {
    return resolvedLanguage == languageJapanese ? "Ryumin-Light" : "ArialMT";
}

constexpr std::uint8_t tabPageSize(bool inchPaper) {
    return inchPaper ? tabPageSizeLetter : tabPageSizeA4;
}

// 34.3 mm or 40.3 mm in the option's unit, rounded half up, in integers so that it can be
// computed while compiling.
constexpr std::uint32_t tabHeight(const NumericOptionDescriptor& option, bool inchPaper) {
    const std::uint64_t tenthsOfMillimetre = inchPaper ? 343 : 403;
    return static_cast<std::uint32_t>((option.divisor * tenthsOfMillimetre + 5) / 10);
}

HostAnswers hostAnswers(std::uint32_t paperId, LanguageIndex language) {
    if (language == languageFollowSystem) language = systemLanguageIndex();
    return {paperId, paperRegion(paperId) == inchRegion, tabFontName(language)};
}

// The answers of the filter's host: it always takes the metric measurement system (so A4) and US
// English. Its default record is a constant of the build.
constexpr HostAnswers filterHost{a4PaperId, false, tabFontName(languageUsEnglish)};

template <std::size_t N>
constexpr void writeFixedText(FixedText<N>& member, std::string_view text) {
    std::size_t i = 0;
    for (; i < text.size() && i < N - 1; ++i) member.bytes[i] = text[i];
    for (; i < N; ++i) member.bytes[i] = '\0';
}

// The only members whose defaults follow the host.
constexpr void setHostMembers(PdCoreData& record, const HostAnswers& host) {
    record.DtPageSize.set(static_cast<std::uint8_t>(host.paperId));
    record.DtTab1PageSize.set(tabPageSize(host.inchPaper));
    record.DtTab2PageSize.set(tabPageSize(host.inchPaper));
    record.DtTab1Height.set(tabHeight(tab1HeightOption, host.inchPaper));
    record.DtTab2Height.set(tabHeight(tab2HeightOption, host.inchPaper));
    writeFixedText(record.DtTab1FontName, host.tabFont);
    writeFixedText(record.DtTab2FontName, host.tabFont);
}

using RecordBytes = std::span<unsigned char, coreDataSize>;

// At most the member's size less one bytes of text; the bytes after it stay 0.
constexpr void writeMemberText(RecordBytes record, const CoreDataMember& member,
                               std::string_view text) {
    for (std::size_t i = 0; i < text.size() && i + 1 < member.size; ++i)
        record[member.offset + i] = static_cast<unsigned char>(text[i]);
}

constexpr void writeOptionDefault(RecordBytes, const CoreDataMember&, NoOption) {}

constexpr void writeOptionDefault(RecordBytes record, const CoreDataMember& member,
                                  const ChoiceOptionDescriptor& option) {
    switch (member.kind) {
        case MemberKind::choice:
        case MemberKind::unlistedChoice:
            writeMemberNumber(record, member, option.defaultIndex & 0xFF);
            break;
        case MemberKind::wideChoice:
            writeMemberNumber(record, member, 0xFFFFFFFF);  // no form
            break;
        case MemberKind::choiceText:
            writeMemberText(record, member, defaultChoiceName(option));
            break;
        default:
            break;
    }
}

constexpr void writeOptionDefault(RecordBytes record, const CoreDataMember& member,
                                  const NumericOptionDescriptor& option) {
    if (member.kind == MemberKind::number) writeMemberNumber(record, member, option.defaultValue);
}

constexpr void writeOptionDefault(RecordBytes record, const CoreDataMember& member,
                                  const TextOptionDescriptor& option) {
    if (member.kind == MemberKind::text)
        writeMemberText(record, member, std::string_view(option.defaultText));
}

// Built while compiling: the program carries the record's bytes and never walks the catalogue for
// them.
consteval PdCoreData buildDefaultRecord(const HostAnswers& host) {
    std::array<unsigned char, coreDataSize> bytes{};
#define PD_FIELD(member, type, size, kind, option) \
    writeOptionDefault(bytes, coreDataMember(MemberId::member), option);
#include "core/record/fields.def"
#undef PD_FIELD

    auto record = std::bit_cast<PdCoreData>(bytes);
    record.layoutSignature.set(coreDataSignature);
    record.FavoriteSettingsData.byteValue.set(0);
    record.FavoriteSettingsData.wordValue.set(0xFFFFFFFF);
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
    setHostMembers(record, host);
    return record;
}

constexpr PdCoreData filterHostRecord = buildDefaultRecord(filterHost);

}  // namespace

std::string defaultTabFontName(LanguageIndex language) {
    if (language == languageFollowSystem) language = systemLanguageIndex();
    return std::string(tabFontName(language));
}

std::uint8_t defaultTabPageSize(std::uint32_t paperId) {
    return tabPageSize(paperRegion(paperId) == inchRegion);
}

std::uint32_t defaultTabHeight(const NumericOptionDescriptor& option, std::uint32_t paperId) {
    return tabHeight(option, paperRegion(paperId) == inchRegion);
}

void fillDefaultCoreData(PdCoreData& record, std::uint32_t paperId, LanguageIndex language) {
    record = filterHostRecord;
    setHostMembers(record, hostAnswers(paperId, language));
}

const PdCoreData& defaultCoreData() {
    static constinit std::atomic<const PdCoreData*> chosen = nullptr;
    if (const PdCoreData* record = chosen.load(std::memory_order_acquire)) return *record;
    std::lock_guard lock(defaultRecordMutex);
    if (const PdCoreData* record = chosen.load(std::memory_order_relaxed)) return *record;
    const std::uint32_t paperId = defaultPaperId();
    const LanguageIndex language = systemLanguageIndex();
    const PdCoreData* record = &filterHostRecord;
    if (hostAnswers(paperId, language) != filterHost) {
        // Filled once; callers only ever read it.
        static PdCoreData hostRecord;
        fillDefaultCoreData(hostRecord, paperId, language);
        record = &hostRecord;
    }
    chosen.store(record, std::memory_order_release);
    return *record;
}

}  // namespace pd
