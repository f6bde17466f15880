#include "core/rules/record_comparison.h"

#include <algorithm>

#include "core/catalog/choice_values.h"
#include "core/record/record_page_geometry.h"
#include "core/rules/field_comparison.h"
#include "core/rules/paper_capability.h"

namespace pd {

namespace {

// Whether plain's single staple lands on the corner that cornered names.
bool plainStapleMatches(const PdCoreData& plain, std::uint8_t cornered) {
    const std::uint8_t binding = plain.DtBinding.get();
    return (cornered == stapleOneLeft && binding == bindingLeft) ||
           (cornered == stapleOneRight && binding == bindingRight);
}

bool memberEqual(const PdCoreData& a, const PdCoreData& b, const CoreDataMember& member) {
    const auto left = memberBytes(a, member);
    const auto right = memberBytes(b, member);
    if (member.form == StoredForm::text)
        return fixedTextEquals(
            std::span(reinterpret_cast<const char*>(left.data()), left.size()),
            std::span(reinterpret_cast<const char*>(right.data()), right.size()));
    return std::equal(left.begin(), left.end(), right.begin(), right.end());
}

}  // namespace

bool stapleSettingsEquivalent(const PdCoreData& a, const PdCoreData& b) {
    const std::uint8_t stapleA = a.DtStaple.get();
    const std::uint8_t stapleB = b.DtStaple.get();
    if (stapleA == stapleB) return true;
    if (stapleA == stapleOneOnBindingSide) return plainStapleMatches(a, stapleB);
    if (stapleB == stapleOneOnBindingSide) return plainStapleMatches(b, stapleA);
    return false;
}

bool recordsEqual(const PdCoreData& candidate, const PdCoreData& reference,
                  const InstalledOptions* options, PaperFeature feature) {
    constexpr std::size_t bindingOffset = offsetof(PdCoreData, DtBinding);
    constexpr std::size_t feedDirOffset = offsetof(PdCoreData, DtFeedDir);
    constexpr std::size_t stapleOffset = offsetof(PdCoreData, DtStaple);
    for (const CoreDataMember& member : coreDataMembers) {
        if (member.kind == MemberKind::signature || member.kind == MemberKind::opaquePair ||
            member.offset == bindingOffset || member.offset == feedDirOffset)
            continue;
        const bool equal = member.offset == stapleOffset
                               ? stapleSettingsEquivalent(reference, candidate)
                               : memberEqual(candidate, reference, member);
        if (!equal) return false;
    }
    return isPaperSizeAllowed(pageGeometryFromCoreData(candidate), feature, options);
}

}  // namespace pd
