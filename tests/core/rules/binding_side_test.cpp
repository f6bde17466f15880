#include "core/rules/binding_side.h"

#include <gtest/gtest.h>

#include "rules_test_support.h"

namespace pd {
namespace {

// Members that a case does not name are 0.
struct BindingCase {
    std::uint8_t page = 0;
    std::uint8_t orientation = 0;
    std::uint8_t layout = 0;
    std::uint8_t binding = 0;
    std::uint8_t staple = 0;
    std::uint8_t nUp = 0;
    std::uint32_t expected = 0;
};

// With a layout the page size would give a sheet twice its size; the sheet is the page size's
// paper given as the target instead.
PdCoreData recordOf(const BindingCase& c) {
    PdCoreData record;
    record.DtPageSize.set(c.page);
    if (c.layout != 0 && c.page != 36) record.DtTargetPaperSize.set(c.page + 1);
    record.DtOrientation.set(c.orientation);
    record.DtLayout.set(c.layout);
    record.DtBinding.set(c.binding);
    record.DtStaple.set(c.staple);
    record.DtNUpCount.set(c.nUp);
    return record;
}

using namespace test;  // paper ids by short name

TEST(BindingSide, FinishingSideIsTheEdgeOnTheOtherAxis) {
    const BindingCase cases[] = {
        {.page = a4, .binding = 0, .staple = 2, .nUp = 0, .expected = 2},
        {.page = a4, .binding = 1, .staple = 1, .nUp = 12, .expected = 2},
        {.page = a4, .binding = 2, .staple = 0, .nUp = 10, .expected = 1},
        {.page = a4, .binding = 2, .staple = 0, .nUp = 11, .expected = 0},
        {.page = a4, .binding = 2, .staple = 1, .nUp = 10, .expected = 0},
        {.page = a4, .binding = 2, .staple = 2, .nUp = 0, .expected = 1},
        {.page = a4, .binding = 2, .staple = 0, .nUp = 2, .expected = 1},
        {.page = a4, .binding = 2, .staple = 0, .nUp = 13, .expected = 0},
        {.page = a4, .binding = 7, .staple = 2, .nUp = 0, .expected = 1},
        {.page = a4, .binding = 200, .staple = 0, .nUp = 4, .expected = 1},
    };
    for (const BindingCase& c : cases)
        EXPECT_EQ(c.expected, finishingSide(recordOf(c)))
            << int{c.binding} << " " << int{c.staple} << " " << int{c.nUp};
}

TEST(BindingSide, ProposalFollowsOrientationLayoutAndFeedCapability) {
    // A4: rated 7 (both directions); A3: 3 (short edge first only); A5: 5 (long edge only).
    const BindingCase cases[] = {
        // side, own side kept
        {.page = a4, .orientation = 0, .layout = 0, .binding = 1, .expected = 1},
        // side from a top binding: finishingSide
        {.page = a4, .orientation = 0, .layout = 0, .binding = 2, .expected = 0},
        {.page = a4, .orientation = 0, .layout = 0, .binding = 2, .staple = 2, .expected = 1},
        {.page = a4, .orientation = 1, .layout = 0, .binding = 0, .expected = 2},
        {.page = a4, .orientation = 1, .layout = 3, .binding = 1, .expected = 2},
        {.page = a4, .orientation = 0, .layout = 3, .binding = 1, .expected = 1},
        // short edge only, no layout: top for portrait
        {.page = a3, .orientation = 0, .layout = 0, .binding = 0, .expected = 2},
        // short edge only, no layout: side for landscape
        {.page = a3, .orientation = 1, .layout = 0, .binding = 1, .expected = 1},
        {.page = a3, .orientation = 0, .layout = 2, .binding = 1, .expected = 1},
        {.page = a3, .orientation = 1, .layout = 2, .binding = 0, .expected = 2},
        {.page = a5, .orientation = 0, .layout = 0, .binding = 0, .expected = 0},
        {.page = a5, .orientation = 1, .layout = 0, .binding = 0, .expected = 2},
        {.page = a5, .orientation = 0, .layout = 1, .binding = 0, .expected = 2},
        // side, from a top binding
        {.page = a5, .orientation = 1, .layout = 1, .binding = 2, .nUp = 4, .expected = 1},
        {.page = custom, .orientation = 0, .layout = 0, .binding = 1, .expected = 1},
        {.page = custom, .orientation = 1, .layout = 0, .binding = 1, .expected = 2},
        {.page = a4, .orientation = 2, .layout = 0, .binding = 0, .expected = noBindingProposal},
        {.page = a4, .orientation = 7, .layout = 0, .binding = 0, .expected = noBindingProposal},
        // a binding byte above 2 is kept by a side proposal
        {.page = a4, .orientation = 0, .layout = 0, .binding = 5, .expected = 5},
    };
    for (const BindingCase& c : cases)
        EXPECT_EQ(c.expected, proposeBinding(recordOf(c)))
            << "paper " << int{c.page} << " orientation " << int{c.orientation} << " layout "
            << int{c.layout} << " binding " << int{c.binding};
}

}  // namespace
}  // namespace pd
