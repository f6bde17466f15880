#include "core/rules/binding_side.h"

#include "core/catalog/choice_values.h"
#include "core/record/record_page_geometry.h"
#include "core/rules/paper_capability.h"

namespace pd {

namespace {

enum class BindingClass : std::uint8_t { side, top };

// Which rows take part for a feed capability: every capability has bit 1; the long-edge rows
// need bit 2 clear, the short-edge rows bit 4 clear.
enum class CapabilityCondition : std::uint8_t { anyOrUnlisted, twoClear, fourClear };

struct BindingProposal {
    std::uint8_t hasLayout;
    std::uint8_t orientation;
    CapabilityCondition condition;
    BindingClass binding;
};

// Searched in order; the first row that takes part and matches layout and orientation decides.
constexpr BindingProposal bindingProposalTable[] = {
    {0, 0, CapabilityCondition::anyOrUnlisted, BindingClass::side},
    {0, 1, CapabilityCondition::anyOrUnlisted, BindingClass::top},
    {0, 0, CapabilityCondition::twoClear, BindingClass::side},
    {0, 1, CapabilityCondition::twoClear, BindingClass::top},
    {0, 0, CapabilityCondition::fourClear, BindingClass::top},
    {0, 1, CapabilityCondition::fourClear, BindingClass::side},
    {1, 0, CapabilityCondition::anyOrUnlisted, BindingClass::side},
    {1, 1, CapabilityCondition::anyOrUnlisted, BindingClass::top},
    {1, 0, CapabilityCondition::twoClear, BindingClass::top},
    {1, 1, CapabilityCondition::twoClear, BindingClass::side},
    {1, 0, CapabilityCondition::fourClear, BindingClass::side},
    {1, 1, CapabilityCondition::fourClear, BindingClass::top},
};

bool takesPart(CapabilityCondition condition, std::uint32_t capability) {
    switch (condition) {
        case CapabilityCondition::anyOrUnlisted:
            return capability == feedCapabilityAny || capability == feedCapabilityUnlisted;
        case CapabilityCondition::twoClear:
            return (capability & 2) == 0;
        case CapabilityCondition::fourClear:
            return (capability & 4) == 0;
    }
    return false;
}

bool isReverseNUpOrder(std::uint8_t nUpCount) {
    return nUpCount != 0 && nUpCount <= 12 && nUpCount % 2 == 0;
}

}  // namespace

std::uint32_t finishingSide(const PdCoreData& record) {
    const std::uint8_t binding = record.DtBinding.get();
    if (binding == bindingLeft || binding == bindingRight) return bindingTop;
    const std::uint8_t staple = record.DtStaple.get();
    if (staple == stapleOneLeft) return bindingLeft;
    if (staple == stapleOneRight) return bindingRight;
    return isReverseNUpOrder(record.DtNUpCount.get()) ? bindingRight : bindingLeft;
}

std::uint32_t proposeBinding(const PdCoreData& record) {
    const std::uint32_t capability = paperFeedCapability(pageGeometryFromCoreData(record));
    const std::uint8_t hasLayout = record.DtLayout.get() != 0 ? 1 : 0;
    const std::uint8_t orientation = record.DtOrientation.get();
    const std::uint8_t binding = record.DtBinding.get();
    for (const BindingProposal& row : bindingProposalTable) {
        if (!takesPart(row.condition, capability)) continue;
        if (row.hasLayout != hasLayout || row.orientation != orientation) continue;
        if (row.binding == BindingClass::side)
            return binding != bindingTop ? binding : finishingSide(record);
        return binding == bindingTop ? bindingTop : finishingSide(record);
    }
    return noBindingProposal;
}

}  // namespace pd
