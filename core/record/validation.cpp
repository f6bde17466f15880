#include "core/record/validation.h"

#include <cstddef>
#include <cstring>

#include "core/catalog/option_catalogue.h"
#include "core/catalog/option_reading.h"
#include "core/record/default_record.h"
#include "core/record/layout_signature.h"

namespace pd {
namespace {

bool isNumberInRange(const PdCoreData& record, const CoreDataMember& member) {
    const std::int64_t value = readMemberNumber(record, member);
    return value >= member.numericOption->minimum && value <= member.numericOption->maximum;
}

bool checkTabHeight(StoredUInt32& height, const NumericOptionDescriptor& option,
                    std::uint32_t paperId) {
    const std::int64_t value = height.get();
    if (value >= option.minimum && value <= option.maximum) return true;
    height.set(defaultTabHeight(option, paperId));
    return false;
}

// A custom size is acceptable only with both of its dimensions set.
bool isPaperChoiceValid(std::uint8_t choice, const ChoiceOptionDescriptor& option,
                        const StoredUInt32& width, const StoredUInt32& height) {
    if (choice < option.choiceCount) return true;
    return choice == option.choiceCount && width.get() != 0 && height.get() != 0;
}

// The media of trays 1 to 5 may be left unspecified, stored as one past the last choice; the
// settings application writes it and the media checks of the rules read it as such. The media
// of the automatic tray has no such value.
bool isTrayMediaMember(const CoreDataMember& member) {
    return member.offset >= offsetof(PdCoreData, DtMediaTypeTray1) &&
           member.offset <= offsetof(PdCoreData, DtMediaPrepunchedTray5);
}

bool validateMember(PdCoreData& record, const CoreDataMember& member, std::uint32_t paperId) {
    switch (member.kind) {
        case MemberKind::choice: {
            const auto value = static_cast<std::uint32_t>(readMemberNumber(record, member));
            const std::uint32_t count = member.choiceOption->choiceCount;
            if (value < count || (value == count && isTrayMediaMember(member))) return true;
            std::uint32_t replacement = member.choiceOption->defaultIndex & 0xFF;
            if (member.offset == offsetof(PdCoreData, DtTab1PageSize) ||
                member.offset == offsetof(PdCoreData, DtTab2PageSize)) {
                replacement = defaultTabPageSize(paperId);
            }
            writeMemberNumber(record, member, replacement);
            return false;
        }
        case MemberKind::number:
            if (member.offset == offsetof(PdCoreData, DtTab1Height)) {
                return checkTab1Height(record, paperId);
            }
            if (member.offset == offsetof(PdCoreData, DtTab2Height)) {
                return checkTab2Height(record, paperId);
            }
            if (isNumberInRange(record, member)) return true;
            writeMemberNumber(record, member, member.numericOption->defaultValue);
            return false;
        case MemberKind::text:
        case MemberKind::choiceText: {
            const auto bytes = memberBytes(record, member);
            if (bytes.back() == 0) return true;
            if (member.kind == MemberKind::text) {
                assignMemberText(bytes, member.textOption->defaultText);
            } else {
                assignMemberText(bytes, defaultChoiceText(*member.choiceOption));
            }
            return false;
        }
        case MemberKind::signature:
        case MemberKind::opaquePair:
        case MemberKind::unlistedChoice:
        case MemberKind::wideChoice:
        case MemberKind::blob:
            return true;
    }
    return true;
}

}  // namespace

bool checkTab1Height(PdCoreData& record, std::uint32_t paperId) {
    return checkTabHeight(record.DtTab1Height, tab1HeightOption, paperId);
}

bool checkTab2Height(PdCoreData& record, std::uint32_t paperId) {
    return checkTabHeight(record.DtTab2Height, tab2HeightOption, paperId);
}

bool validateCoreData(PdCoreData& record, const PdCoreData& defaults, std::uint32_t paperId) {
    if (record.layoutSignature.get() != computeCoreDataSignature()) {
        if (&record != &defaults) std::memcpy(&record, &defaults, sizeof record);
        return false;
    }
    bool valid = true;
    for (const CoreDataMember& member : coreDataMembers) {
        // The paper choices are judged below, once their custom dimensions have been repaired,
        // so that a custom size never stays with a dimension that validation set to 0.
        if (member.offset == offsetof(PdCoreData, DtPageSize) ||
            member.offset == offsetof(PdCoreData, DtTargetPaperSize)) {
            continue;
        }
        valid = validateMember(record, member, paperId) && valid;
    }
    if (!isPaperChoiceValid(record.DtPageSize.get(), pageSizeOption, record.DtCustomPageSizeWidth,
                            record.DtCustomPageSizeHeight)) {
        record.DtPageSize.set(static_cast<std::uint8_t>(paperId));
        valid = false;
    }
    if (!isPaperChoiceValid(record.DtTargetPaperSize.get(), targetPaperSizeOption,
                            record.DtCustomTargetPaperSizeWidth,
                            record.DtCustomTargetPaperSizeHeight)) {
        record.DtTargetPaperSize.set(static_cast<std::uint8_t>(targetPaperSizeOption.defaultIndex));
        valid = false;
    }
    return valid;
}

bool validateCoreData(PdCoreData& record) {
    return validateCoreData(record, defaultCoreData(), defaultPaperId());
}

}  // namespace pd
