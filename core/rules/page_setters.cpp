// The setters of the paper and sheet members and of the binding edge.
#include "core/catalog/choice_values.h"
#include "core/catalog/paper_size.h"
#include "core/record/record_page_geometry.h"
#include "core/rules/binding_side.h"
#include "core/rules/full_bleed.h"
#include "core/rules/paper_capability.h"
#include "core/rules/paper_rules.h"
#include "core/rules/probes.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"
#include "core/rules/slot_media_rules.h"
#include "core/rules/target_paper_search.h"

namespace pd {

namespace {

using R = PdCoreData;

constexpr std::uint8_t slotAuto = 0;
// The restriction of the automatic paper source.
constexpr std::uint32_t autoSlotFeature = 21;

// Portrait takes the left and right variants of the reversed two-up repeat layouts, landscape
// the top and bottom ones.
constexpr ChoiceRule orientationLayoutRules[] = {
    {orientationPortrait, &R::DtLayout, layoutRepeatReverseTop, &R::DtLayout, setLayout,
     layoutRepeatReverseLeft, RuleKind::yields},
    {orientationPortrait, &R::DtLayout, layoutRepeatReverseBottom, &R::DtLayout, setLayout,
     layoutRepeatReverseRight, RuleKind::yields},
    {orientationLandscape, &R::DtLayout, layoutRepeatReverseLeft, &R::DtLayout, setLayout,
     layoutRepeatReverseTop, RuleKind::yields},
    {orientationLandscape, &R::DtLayout, layoutRepeatReverseRight, &R::DtLayout, setLayout,
     layoutRepeatReverseBottom, RuleKind::yields},
};

// A corner staple goes only with a top binding: with a side binding it becomes the plain single
// staple, tested in this order.
constexpr ChoiceRule bindingStapleRules[] = {
    {bindingLeft, &R::DtStaple, stapleOneLeft, &R::DtStaple, setStaple, stapleOneOnBindingSide,
     RuleKind::yields},
    {bindingRight, &R::DtStaple, stapleOneRight, &R::DtStaple, setStaple, stapleOneOnBindingSide,
     RuleKind::yields},
    {bindingRight, &R::DtStaple, stapleOneLeft, &R::DtStaple, setStaple, stapleOneOnBindingSide,
     RuleKind::yields},
    {bindingLeft, &R::DtStaple, stapleOneRight, &R::DtStaple, setStaple, stapleOneOnBindingSide,
     RuleKind::yields},
};

bool autoSlotRefusesSheet(const PdCoreData& record, const ChangeContext& change) {
    return !isPaperSizeAllowed(pageGeometryFromCoreData(record), autoSlotFeature,
                               change.installedOptions);
}

}  // namespace

void setInputSlot(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &R::DtInputSlot, value, change, [&] {
        resolveSlotMediaRules(record, change);
        // The probes copy the record, so they are asked after the cheap tests.
        if (record.DtInputSlot.get() == slotAuto && record.DtFeedDir.get() != feedDirectionAuto &&
            autoSlotRefusesSheet(record, change) &&
            probeFeedDirOff(record, change, autoSlotFeature))
            writeDirect(record, &R::DtFeedDir, feedDirectionAuto, change);
        if (record.DtInputSlot.get() == slotAuto && record.DtFeedDir.get() == feedDirectionAuto &&
            !isInProgress(change, record.DtBinding) && autoSlotRefusesSheet(record, change)) {
            const auto side = static_cast<std::uint8_t>(finishingSide(record));
            if (probeBinding(record, side, change, autoSlotFeature))
                setBinding(record, side, change);
        }
        // DtTargetPaperSize is a paper member: while it is in progress this row does not act.
        if (record.DtInputSlot.get() == slotAuto && !isPaperSizeChanged(record, change) &&
            autoSlotRefusesSheet(record, change)) {
            const auto target = static_cast<std::uint8_t>(
                findTargetPaperSize(record, change, standardSizeSearch, autoSlotFeature));
            setTargetPaperSize(record, target, change);
        }
    });
}

void setCustomPageSizeWidth(PdCoreData& record, std::uint32_t value, ChangeContext& change) {
    runRuleSetter(record, &R::DtCustomPageSizeWidth, value, change, [&] {
        resolvePaperRules(record, change);
        checkFullBleed(record, change);
    });
}

void setTargetPaperSize(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &R::DtTargetPaperSize, value, change, [&] {
        resolvePaperRules(record, change);
        checkFullBleed(record, change);
    });
}

void setPageSize(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &R::DtPageSize, value, change, [&] {
        resolvePaperRules(record, change);
        checkFullBleed(record, change);
        // A wide target paper belongs to a standard page; a wide or custom page keeps it.
        const std::uint8_t page = record.DtPageSize.get();
        const bool standardPage = !isOversizePaper(page) && page != noPaperId;
        const bool wideTarget =
            isOversizePaper(paperIdFromPageSizeNumber(record.DtTargetPaperSize.get()));
        if (ruleFires(RuleKind::yields, standardPage && wideTarget,
                      isInProgress(change, record.DtTargetPaperSize)))
            setTargetPaperSize(record, 0, change);
    });
}

void setOrientation(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &R::DtOrientation, value, change, [&] {
        applyChoiceRules(record, &R::DtOrientation, orientationLayoutRules, change);
        // Adhesive binding and booklets bind at the top in landscape and at a side in portrait;
        // decided by the value given, whatever the rows above did.
        const std::uint8_t layout = record.DtLayout.get();
        const bool topBound = record.DtBinding.get() == bindingTop;
        const bool wrongEdge = (value == orientationPortrait && topBound) ||
                               (value == orientationLandscape && !topBound);
        if (ruleFires(RuleKind::yields,
                      (layout == layoutAdhesiveBinding || layout == layoutBooklet) && wrongEdge,
                      isInProgress(change, record.DtBinding)))
            setBinding(record, static_cast<std::uint8_t>(finishingSide(record)), change);
        resolvePaperRules(record, change);
    });
}

void setBinding(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &R::DtBinding, value, change, [&] {
        applyChoiceRules(record, &R::DtBinding, bindingStapleRules, change);
        // A plain single staple with a top binding goes to the corner of the binding asked for.
        const bool topWithPlainStaple =
            record.DtBinding.get() == bindingTop && record.DtStaple.get() == stapleOneOnBindingSide;
        if (ruleFires(RuleKind::yields, topWithPlainStaple && value == bindingRight,
                      isInProgress(change, record.DtStaple)))
            setStaple(record, stapleOneRight, change);
        else if (ruleFires(RuleKind::yields, topWithPlainStaple && value != bindingRight,
                           isInProgress(change, record.DtStaple)))
            setStaple(record, stapleOneLeft, change);
        // While a staple setter further out runs, the same conversions adjust its value.
        const bool stapleInProgress = isInProgress(change, record.DtStaple);
        const auto plainStapleOnTop = [&] {
            return record.DtBinding.get() == bindingTop &&
                   record.DtStaple.get() == stapleOneOnBindingSide;
        };
        if (ruleFires(RuleKind::during, plainStapleOnTop() && value == bindingLeft,
                      stapleInProgress))
            setStaple(record, stapleOneLeft, change);
        if (ruleFires(RuleKind::during, plainStapleOnTop() && value == bindingRight,
                      stapleInProgress))
            setStaple(record, stapleOneRight, change);
        const std::uint8_t binding = record.DtBinding.get();
        const std::uint8_t staple = record.DtStaple.get();
        if (ruleFires(
                RuleKind::during,
                binding <= bindingRight && (staple == stapleOneLeft || staple == stapleOneRight),
                stapleInProgress))
            setStaple(record, stapleOneOnBindingSide, change);
        resolvePaperRules(record, change);
    });
}

}  // namespace pd
