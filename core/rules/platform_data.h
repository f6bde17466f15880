// The page setup (paper, custom size, orientation, input slot) and its merge into a settings
// record through the rules.
//
// The panel fills a page setup from the print dialog's page format; the filter from the record's
// own paper settings overridden by the job's "media" and orientation options. The merge issues
// one page-setup request for each part it takes; each request is a change of its own that stores
// and marks its members and then calls their setters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/record/core_data.h"
#include "core/record/stored_types.h"
#include "core/rules/change_context.h"

namespace pd {

// The "leave alone" values of orientation and slot.
inline constexpr std::uint8_t platformNoOrientation = 2;
inline constexpr std::uint8_t platformNoInputSlot = 6;

// 139 packed bytes, every multi-byte member big-endian.
struct PdPlatformData {
    FixedText<128> DtPageSizeName;
    // A paper id 0 to 35, or `noPaperId` for a custom size.
    StoredUInt8 DtPageSize;
    // 1/10000 mm; read only for a custom size.
    StoredUInt32 DtCustomPageSizeHeight;
    StoredUInt32 DtCustomPageSizeWidth;
    // 0 portrait, 1 landscape, 2 none.
    StoredUInt8 DtOrientation;
    // 0 Auto, 1 to 5 a tray, 6 none.
    StoredUInt8 DtInputSlot;

    PdPlatformData();
    // All bytes 0, then the default paper, portrait and the Auto slot.
    void reset();
};

static_assert(sizeof(PdPlatformData) == 139);
static_assert(offsetof(PdPlatformData, DtPageSize) == 128);
static_assert(offsetof(PdPlatformData, DtCustomPageSizeHeight) == 129);
static_assert(offsetof(PdPlatformData, DtCustomPageSizeWidth) == 133);
static_assert(offsetof(PdPlatformData, DtOrientation) == 137);
static_assert(offsetof(PdPlatformData, DtInputSlot) == 138);

// The page-setup requests; a member without a value is not part of the request.
struct InputSlotRequest {
    std::optional<std::uint8_t> DtInputSlot;
};

struct OrientationRequest {
    std::optional<std::uint8_t> DtOrientation;
};

struct PageSizeRequest {
    // NUL-terminated UTF-8; a present null name clears the member.
    std::optional<const char*> DtPageSizeName;
    // 0 NotFromEngine, 1 FromEngine, 2 BuiltInCustomSize.
    std::optional<std::uint8_t> DtPageSizeType;
    // Host order, 1/10000 mm.
    std::optional<std::uint32_t> DtCustomPageSizeWidth;
    std::optional<std::uint32_t> DtCustomPageSizeHeight;
    std::optional<std::uint8_t> DtPageSize;
};

// Each request opens its own change on record (a list of its own when changedFields is null),
// stores and marks its present members, calls their setters and ends the change. The marks stay
// until the end, so no rule of the request's setters overrides another member of the request.
void applyInputSlotRequest(PdCoreData& record, const InputSlotRequest& request,
                           ChangedFieldList* changedFields,
                           const InstalledOptions* installedOptions, const std::uint8_t* ruleFlag);
void applyOrientationRequest(PdCoreData& record, const OrientationRequest& request,
                             ChangedFieldList* changedFields,
                             const InstalledOptions* installedOptions,
                             const std::uint8_t* ruleFlag);
void applyPageSizeRequest(PdCoreData& record, const PageSizeRequest& request,
                          ChangedFieldList* changedFields, const InstalledOptions* installedOptions,
                          const std::uint8_t* ruleFlag);

// Whether a merge takes the page setup's input slot or keeps the record's.
enum class InputSlotMerge { keep, take };

// Brings the page setup into record through the rules, in three changes: the input slot (only
// with InputSlotMerge::take, when the setup names a slot and it differs), the orientation (when
// the setup names one and it differs) and always the page size. A user's custom paper named like
// the setup's paper decides the page size type. Every member stored goes to changedFields when
// given. Does nothing when record or platformData is null.
void mergePlatformData(PdCoreData* record, const PdPlatformData* platformData,
                       const InstalledOptions* installedOptions, InputSlotMerge inputSlot,
                       ChangedFieldList* changedFields);

}  // namespace pd
