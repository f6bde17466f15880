#include "core/rules/paper_rules.h"

#include "core/catalog/choice_values.h"
#include "core/record/record_page_geometry.h"
#include "core/rules/binding_side.h"
#include "core/rules/paper_capability.h"
#include "core/rules/probes.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

namespace {

using enum MemberId;

// A feature that is on while its condition holds, the function whose refusals it meets, and how
// it is switched off: its member goes to offValue through its setter.
struct PaperRule {
    RuleCondition on;
    PaperFeature feature;
    MemberId switched;
    std::uint8_t offValue;
};

// In evaluation order: the order decides which feature gives way first.
constexpr PaperRule paperRules[] = {
    {when(DtPrintPosition == printPositionLeft), PaperFeature::sideImagePosition, DtPrintPosition,
     printPositionMiddle},
    {when(DtPrintPosition == printPositionRight), PaperFeature::sideImagePosition, DtPrintPosition,
     printPositionMiddle},
    {when(DtOffsetCopies == 1), PaperFeature::offsetOutput, DtOffsetCopies, 0},
    {when(DtOffsetPages == 1), PaperFeature::offsetOutput, DtOffsetPages, 0},
    {when(DtPunch == punchTwoHoles), PaperFeature::twoHolePunch, DtPunch, punchNone},
    {when(DtPunch == punchThreeHoles), PaperFeature::threeHolePunch, DtPunch, punchNone},
    {when(DtPunch == punchFourHoles), PaperFeature::fourHolePunch, DtPunch, punchNone},
    {when(DtPunch == punchStreampunch), PaperFeature::streamPunch, DtPunch, punchNone},
    {when(DtStaple == stapleOneOnBindingSide), PaperFeature::oneStaple, DtStaple, stapleNone},
    {when(DtStaple == stapleOneLeft), PaperFeature::oneStaple, DtStaple, stapleNone},
    {when(DtStaple == stapleOneRight), PaperFeature::oneStaple, DtStaple, stapleNone},
    {when(DtStaple == stapleTwoNarrow), PaperFeature::twoStaples, DtStaple, stapleNone},
    {when(DtStaple == stapleTwoNormal), PaperFeature::twoStaples, DtStaple, stapleNone},
    {when(DtStaple == stapleTwoWide), PaperFeature::twoStaples, DtStaple, stapleNone},
    {when(DtFold == foldZFold1, DtStaple == stapleOneOnBindingSide), PaperFeature::zFoldStaple,
     DtFold, foldNone},
    {when(DtFold == foldZFold1, DtStaple == stapleOneLeft), PaperFeature::zFoldStaple, DtFold,
     foldNone},
    {when(DtFold == foldZFold1, DtStaple == stapleOneRight), PaperFeature::zFoldStaple, DtFold,
     foldNone},
    {when(DtFold == foldZFold1, DtStaple == stapleTwoNarrow), PaperFeature::zFoldStaple, DtFold,
     foldNone},
    {when(DtFold == foldZFold1, DtStaple == stapleTwoNormal), PaperFeature::zFoldStaple, DtFold,
     foldNone},
    {when(DtFold == foldZFold1, DtStaple == stapleTwoWide), PaperFeature::zFoldStaple, DtFold,
     foldNone},
    {when(DtFold == foldZFold2, DtStaple == stapleOneOnBindingSide), PaperFeature::zFoldStaple,
     DtFold, foldNone},
    {when(DtFold == foldZFold2, DtStaple == stapleOneLeft), PaperFeature::zFoldStaple, DtFold,
     foldNone},
    {when(DtFold == foldZFold2, DtStaple == stapleOneRight), PaperFeature::zFoldStaple, DtFold,
     foldNone},
    {when(DtFold == foldZFold2, DtStaple == stapleTwoNarrow), PaperFeature::zFoldStaple, DtFold,
     foldNone},
    {when(DtFold == foldZFold2, DtStaple == stapleTwoNormal), PaperFeature::zFoldStaple, DtFold,
     foldNone},
    {when(DtFold == foldZFold2, DtStaple == stapleTwoWide), PaperFeature::zFoldStaple, DtFold,
     foldNone},
    {when(DtFold == foldZFold1), PaperFeature::zFold, DtFold, foldNone},
    {when(DtFold == foldZFold2), PaperFeature::zFold, DtFold, foldNone},
    {when(DtFold == foldMultiLetter), PaperFeature::multiLetterFold, DtFold, foldNone},
    {when(DtFold == foldMultiCenter), PaperFeature::multiCenterFold, DtFold, foldNone},
    {when(DtFold == foldMultiCenter, DtCrease == creaseOnePiece),
     PaperFeature::creasedMultiCenterFold, DtFold, foldNone},
    {when(DtFold == foldMultiCenter, DtCrease == creaseTwoPieces),
     PaperFeature::creasedMultiCenterFold, DtFold, foldNone},
    {when(DtFold == foldMultiCenter, DtCrease == creaseThreePieces),
     PaperFeature::creasedMultiCenterFold, DtFold, foldNone},
    {when(DtFold == foldMultiCenter, DtCrease == creaseFourPieces),
     PaperFeature::creasedMultiCenterFold, DtFold, foldNone},
    {when(DtStitch == 1), PaperFeature::foldAndStaple, DtStitch, 0},
    {when(DtRingBinding == 1, DtPrintedSideFirst == printedSideInside),
     PaperFeature::ringBindingFirstInside, DtRingBinding, 0},
    {when(DtRingBinding == 1, DtPrintedSideLast == printedSideOutside),
     PaperFeature::ringBindingLastOutside, DtRingBinding, 0},
    {when(DtRingBinding == 1, DtPrintedSideFirst == printedSideOutside),
     PaperFeature::ringBindingFirstOutside, DtRingBinding, 0},
    {when(DtRingBinding == 1, DtPrintedSideLast == printedSideInside),
     PaperFeature::ringBindingLastInside, DtRingBinding, 0},
    {when(DtInputSlot == inputSlotTray3), PaperFeature::tray3, DtInputSlot, inputSlotAuto},
    {when(DtInputSlot == inputSlotAuto), PaperFeature::autoSlot, DtInputSlot, inputSlotTray1},
};
static_assert(std::size(paperRules) == 41);

// Tries the binding edge that suits the sheet while a paper member is being changed, else the
// edge on the other axis; only the one proposal. True when the binding moved.
bool moveBinding(PdCoreData& record, ChangeContext& change, PaperFeature feature) {
    if (isBindingChanged(record, change)) return false;
    std::uint32_t edge;
    if (isPaperSizeChanged(record, change)) {
        edge = proposeBinding(record);
        if (edge == noBindingProposal || edge == record.DtBinding.get()) return false;
    } else {
        edge = finishingSide(record);
    }
    const auto binding = static_cast<std::uint8_t>(edge);
    if (!probeBinding(record, binding, change, feature)) return false;
    setBinding(record, binding, change);
    return true;
}

}  // namespace

void resolvePaperRules(PdCoreData& record, ChangeContext& change) {
    if (!withinDepthLimit(change)) return;
    for (const PaperRule& row : paperRules) {
        if (!conditionHolds(row.on, record, change, nullptr)) continue;
        if (isPaperSizeAllowed(pageGeometryFromCoreData(record), row.feature,
                               change.installedOptions))
            continue;
        // The probe copies the record, so it is asked last.
        if (record.DtFeedDir.get() != feedDirectionAuto &&
            !isInProgress(change, record.DtFeedDir) &&
            probeFeedDirOff(record, change, row.feature)) {
            writeDirect(record, DtFeedDir, feedDirectionAuto, change);
            continue;
        }
        if (moveBinding(record, change, row.feature)) continue;
        if (ruleFires(RuleKind::yields, isInProgress(change, record, row.switched), true)) {
            setterOf(row.switched)(record, row.offValue, change);
            ++change.depth;
            resolvePaperRules(record, change);
            --change.depth;
        }
    }
}

}  // namespace pd
