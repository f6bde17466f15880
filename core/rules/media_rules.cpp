#include "core/rules/media_rules.h"

#include "core/record/tray_media.h"
#include "core/rules/media_capability.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

constexpr std::uint8_t autoSlot = 0;

bool slotMediaAllowed(const PdCoreData& record, const ChangeContext& change,
                      MediaFeature mediaFeature) {
    return isMediaAllowed(trayMediaAttributes(record.DtInputSlot.get(), record), mediaFeature,
                          change.installedOptions);
}

// An attribute of the Auto media and the member that holds it.
struct AutoMediaAttribute {
    MemberId member;
    std::uint32_t MediaAttributes::*attribute;
};

constexpr AutoMediaAttribute autoMediaAttributes[] = {
    {DtMediaTypeAuto, &MediaAttributes::type},
    {DtMediaWeightAuto, &MediaAttributes::weight},
    {DtMediaColorAuto, &MediaAttributes::color},
    {DtMediaPrepunchedAuto, &MediaAttributes::prepunched},
};

// Resets each attribute of media (the Auto media as they were) that is set and that the feature
// refuses on its own: type and weight through their setters whether or not they are being
// changed, colour and pre-punched by direct writes.
void resetRefusedAutoMedia(PdCoreData& record, ChangeContext& change, const MediaAttributes& media,
                           MediaFeature mediaFeature) {
    for (const AutoMediaAttribute& a : autoMediaAttributes) {
        if (media.*a.attribute == 0) continue;
        MediaAttributes alone = unspecifiedMedia;
        alone.*a.attribute = media.*a.attribute;
        if (!isMediaAllowed(alone, mediaFeature, change.installedOptions))
            storeMember(record, a.member, 0, change);
    }
}

}  // namespace

void applyMediaRule(PdCoreData& record, ChangeContext& change, MemberId finishing,
                    std::int64_t giveWay, MediaFeature mediaFeature) {
    if (slotMediaAllowed(record, change, mediaFeature)) return;
    if (isInProgress(change, record.DtInputSlot) || isSlotMediaChanged(change.inProgress, record)) {
        storeMember(record, finishing, giveWay, change);
        return;
    }
    // The refused Auto media go before the slot moves to them: switching first would let the
    // slot-media rules turn off settings that only a medium about to be reset refuses.
    const MediaAttributes autoMedia = trayMediaAttributes(autoSlot, record);
    if (!isMediaAllowed(autoMedia, mediaFeature, change.installedOptions))
        resetRefusedAutoMedia(record, change, autoMedia, mediaFeature);
    if (record.DtInputSlot.get() != autoSlot) setInputSlot(record, autoSlot, change);
}

void applySlotMediaCheck(PdCoreData& record, ChangeContext& change, MemberId finishing,
                         std::int64_t offValue, MediaFeature mediaFeature) {
    if (slotMediaAllowed(record, change, mediaFeature)) return;
    if (!isInProgress(change, record.DtInputSlot) &&
        isMediaAllowed(trayMediaAttributes(autoSlot, record), mediaFeature,
                       change.installedOptions)) {
        setInputSlot(record, autoSlot, change);
        return;
    }
    if (!isInProgress(change, record, finishing)) storeMember(record, finishing, offValue, change);
}

}  // namespace pd
