#include "core/rules/platform_data.h"

#include <cstring>
#include <vector>

#include "core/catalog/choice_values.h"
#include "core/catalog/measurement.h"
#include "core/catalog/paper_size.h"
#include "core/rules/custom_papers.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

// Runs a request's work in a change of its own, with a list of its own when the caller gives
// none.
template <typename Work>
void inRequestChange(PdCoreData& record, ChangedFieldList* changedFields,
                     const InstalledOptions* installedOptions, const std::uint8_t* ruleFlag,
                     Work&& work) {
    ChangedFieldList ownList;
    ChangeContext change(changedFields != nullptr ? *changedFields : ownList, installedOptions,
                         record);
    change.ruleFlag = ruleFlag;
    work(change);
}

// A member the request stores itself: marked in progress for the whole change, and listed.
template <typename Member>
void mark(Member& member, ChangeContext& change) {
    change.inProgress.append(fieldIdentity(member));
    change.changedFields.append(fieldIdentity(member));
}

}  // namespace

PdPlatformData::PdPlatformData() {
    reset();
}

void PdPlatformData::reset() {
    std::memset(static_cast<void*>(this), 0, sizeof *this);
    DtPageSize.set(static_cast<std::uint8_t>(defaultPaperId()));
    DtOrientation.set(orientationPortrait);
    DtInputSlot.set(0);
}

void applyInputSlotRequest(PdCoreData& record, const InputSlotRequest& request,
                           ChangedFieldList* changedFields,
                           const InstalledOptions* installedOptions, const std::uint8_t* ruleFlag) {
    inRequestChange(record, changedFields, installedOptions, ruleFlag, [&](ChangeContext& change) {
        if (!request.DtInputSlot) return;
        const std::uint8_t slot = *request.DtInputSlot;
        // With the installed units known, a slot of a tray that is not fitted is passed over.
        if (installedOptions != nullptr) {
            const std::uint8_t trays = installedOptions->bytes[6];
            if (slot == 3 && trays == 0) return;
            if ((slot == 4 || slot == 5) && (trays == 0 || trays == 2 || trays == 3)) return;
        }
        record.DtInputSlot.set(slot);
        mark(record.DtInputSlot, change);
        setInputSlot(record, slot, change);
    });
}

void applyOrientationRequest(PdCoreData& record, const OrientationRequest& request,
                             ChangedFieldList* changedFields,
                             const InstalledOptions* installedOptions,
                             const std::uint8_t* ruleFlag) {
    inRequestChange(record, changedFields, installedOptions, ruleFlag, [&](ChangeContext& change) {
        if (!request.DtOrientation) return;
        record.DtOrientation.set(*request.DtOrientation);
        mark(record.DtOrientation, change);
        setOrientation(record, *request.DtOrientation, change);
    });
}

void applyPageSizeRequest(PdCoreData& record, const PageSizeRequest& request,
                          ChangedFieldList* changedFields, const InstalledOptions* installedOptions,
                          const std::uint8_t* ruleFlag) {
    inRequestChange(record, changedFields, installedOptions, ruleFlag, [&](ChangeContext& change) {
        // The name is copied first, so that a name held elsewhere in the record is read before
        // any setter changes it. Its bytes are kept as given: a record's name in another
        // encoding must survive the merge.
        FixedText<sizeof record.DtPageSizeName.bytes> name{};
        if (request.DtPageSizeName) {
            name.assign(*request.DtPageSizeName);
            record.DtPageSizeName.assign(name.bytes);
            mark(record.DtPageSizeName, change);
        }
        if (request.DtPageSizeType) {
            record.DtPageSizeType.set(*request.DtPageSizeType);
            mark(record.DtPageSizeType, change);
        }
        if (request.DtCustomPageSizeWidth) {
            record.DtCustomPageSizeWidth.set(*request.DtCustomPageSizeWidth);
            mark(record.DtCustomPageSizeWidth, change);
        }
        if (request.DtCustomPageSizeHeight) {
            record.DtCustomPageSizeHeight.set(*request.DtCustomPageSizeHeight);
            mark(record.DtCustomPageSizeHeight, change);
        }
        if (request.DtPageSize) {
            record.DtPageSize.set(*request.DtPageSize);
            mark(record.DtPageSize, change);
        }
        if (request.DtPageSizeName) setPageSizeName(record, name.bytes, change);
        if (request.DtPageSizeType) setPageSizeType(record, *request.DtPageSizeType, change);
        if (request.DtCustomPageSizeWidth)
            setCustomPageSizeWidth(record, *request.DtCustomPageSizeWidth, change);
        if (request.DtCustomPageSizeHeight)
            setCustomPageSizeHeight(record, *request.DtCustomPageSizeHeight, change);
        if (request.DtPageSize) setPageSize(record, *request.DtPageSize, change);
    });
}

void mergePlatformData(PdCoreData* record, const PdPlatformData* platformData,
                       const InstalledOptions* installedOptions, InputSlotMerge inputSlot,
                       ChangedFieldList* changedFields) {
    if (record == nullptr || platformData == nullptr) return;
    const std::uint8_t slot = platformData->DtInputSlot.get();
    if (inputSlot == InputSlotMerge::take && slot != platformNoInputSlot &&
        slot != record->DtInputSlot.get())
        applyInputSlotRequest(*record, {slot}, changedFields, installedOptions, nullptr);

    const std::uint8_t orientation = platformData->DtOrientation.get();
    if (orientation != platformNoOrientation && orientation != record->DtOrientation.get())
        applyOrientationRequest(*record, {orientation}, changedFields, installedOptions, nullptr);

    const std::uint8_t paperId = platformData->DtPageSize.get();
    const bool custom = paperId == noPaperId;
    // A name that fills the setup's 128 bytes without a NUL is read no further than them.
    char name[sizeof platformData->DtPageSizeName.bytes + 1] = {};
    std::memcpy(name, platformData->DtPageSizeName.bytes,
                sizeof platformData->DtPageSizeName.bytes);

    std::uint8_t pageSizeType = record->DtPageSizeType.get();
    std::vector<CustomPaper> papers;
    loadCustomPapers(papers);
    for (const CustomPaper& paper : papers) {
        if (paper.name[0] != '\0' && std::strcmp(paper.name, name) == 0) {
            pageSizeType = static_cast<std::uint8_t>(paper.fromEngine);
            break;
        }
    }

    PageSizeRequest request;
    request.DtPageSizeName = name;
    request.DtPageSizeType = pageSizeType;
    request.DtCustomPageSizeWidth = custom ? platformData->DtCustomPageSizeWidth.get() : 0;
    request.DtCustomPageSizeHeight = custom ? platformData->DtCustomPageSizeHeight.get() : 0;
    request.DtPageSize = paperId;
    applyPageSizeRequest(*record, request, changedFields, installedOptions, nullptr);
}

}  // namespace pd
