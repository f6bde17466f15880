#include "core/rules/binding_side.h"

#include <gtest/gtest.h>

#include "rules_test_support.h"

namespace pd {
namespace {

struct BindingCase {
    std::uint8_t pageSize, orientation, layout, binding, staple, nUp;
    std::uint32_t expected;
};

// With a layout the page size would give a sheet twice its size; the sheet is the page size's
// paper given as the target instead.
PdCoreData recordOf(const BindingCase& c) {
    PdCoreData record;
    record.DtPageSize.set(c.pageSize);
    if (c.layout != 0 && c.pageSize != 36) record.DtTargetPaperSize.set(c.pageSize + 1);
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
        {a4, 0, 0, 0, 2, 0, 2},   {a4, 0, 0, 1, 1, 12, 2}, {a4, 0, 0, 2, 0, 10, 1},
        {a4, 0, 0, 2, 0, 11, 0},  {a4, 0, 0, 2, 1, 10, 0}, {a4, 0, 0, 2, 2, 0, 1},
        {a4, 0, 0, 2, 0, 2, 1},   {a4, 0, 0, 2, 0, 13, 0}, {a4, 0, 0, 7, 2, 0, 1},
        {a4, 0, 0, 200, 0, 4, 1},
    };
    for (const BindingCase& c : cases)
        EXPECT_EQ(c.expected, finishingSide(recordOf(c)))
            << int{c.binding} << " " << int{c.staple} << " " << int{c.nUp};
}

TEST(BindingSide, ProposalFollowsOrientationLayoutAndFeedCapability) {
    // A4: rated 7 (both directions); A3: 3 (short edge first only); A5: 5 (long edge only).
    const BindingCase cases[] = {
        {a4, 0, 0, 1, 0, 0, 1},  // side, own side kept
        {a4, 0, 0, 2, 0, 0, 0},  // side from a top binding: finishingSide
        {a4, 0, 0, 2, 2, 0, 1},
        {a4, 1, 0, 0, 0, 0, 2},
        {a4, 1, 3, 1, 0, 0, 2},
        {a4, 0, 3, 1, 0, 0, 1},
        {a3, 0, 0, 0, 0, 0, 2},  // short edge only, no layout: top for portrait
        {a3, 1, 0, 1, 0, 0, 1},  // row 5: side for landscape
        {a3, 0, 2, 1, 0, 0, 1},
        {a3, 1, 2, 0, 0, 0, 2},
        {a5, 0, 0, 0, 0, 0, 0},
        {a5, 1, 0, 0, 0, 0, 2},
        {a5, 0, 1, 0, 0, 0, 2},
        {a5, 1, 1, 2, 0, 4, 1},  // row 9: side, from a top binding
        {custom, 0, 0, 1, 0, 0, 1},
        {custom, 1, 0, 1, 0, 0, 2},
        {a4, 2, 0, 0, 0, 0, noBindingProposal},
        {a4, 7, 0, 0, 0, 0, noBindingProposal},
        {a4, 0, 0, 5, 0, 0, 5},  // a binding byte above 2 is kept by a side proposal
    };
    for (const BindingCase& c : cases)
        EXPECT_EQ(c.expected, proposeBinding(recordOf(c)))
            << "paper " << int{c.pageSize} << " orientation " << int{c.orientation} << " layout "
            << int{c.layout} << " binding " << int{c.binding};
}

}  // namespace
}  // namespace pd
