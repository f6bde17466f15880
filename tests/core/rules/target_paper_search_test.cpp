#include "core/rules/target_paper_search.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/measurement_system.h"
#include "rules_test_support.h"

namespace pd {
namespace {

// The default paper is A4, as in the filter.
const bool metric = (useFilterMeasurementSystem(), true);

using namespace test;  // paper ids by short name

struct TargetSearch : ::testing::Test {
    PdCoreData record;
    ChangedFieldList changed;
    ChangeContext change{changed, nullptr, record};

    TargetSearch() { record.DtPrintPosition.set(1); }
    std::uint32_t search(std::uint32_t kind, std::uint32_t feature) {
        const PdCoreData before = record;
        const std::size_t inProgress = change.inProgress.size();
        const std::uint32_t answer = findTargetPaperSize(record, change, kind, feature);
        EXPECT_EQ(0, std::memcmp(&before, &record, sizeof record));
        EXPECT_EQ(inProgress, change.inProgress.size());
        EXPECT_TRUE(changed.empty());
        return answer;
    }
};

TEST_F(TargetSearch, NoTargetWhenTheSheetPassesWithoutOne) {
    record.DtPageSize.set(a4);
    record.DtTargetPaperSize.set(20);  // QXPostcard, which one staple refuses
    EXPECT_EQ(0u, search(standardSizeSearch, 7));
}

TEST_F(TargetSearch, APostcardTakesTheRegionOfTheDefaultPaper) {
    record.DtPageSize.set(postcard);
    EXPECT_EQ(2u, search(standardSizeSearch, 7));  // A4
}

TEST_F(TargetSearch, StandardCandidatesComeInTheRegionsOrder) {
    // The Z-fold refuses 9x11 and A5 in every direction, and accepts Letter and A4.
    record.DtPageSize.set(11);                      // 9x11, an inch size
    EXPECT_EQ(18u, search(standardSizeSearch, 2));  // Letter
    record.DtPageSize.set(2);                       // A5
    EXPECT_EQ(2u, search(standardSizeSearch, 2));   // A4
    // Image position left or right refuses every standard candidate: the own small size.
    record.DtPageSize.set(postcard);
    EXPECT_EQ(2u, search(standardSizeSearch, 15));
    record.DtPageSize.set(11);
    EXPECT_EQ(18u, search(standardSizeSearch, 15));
}

TEST_F(TargetSearch, FeatureFifteenFindsTheWideVariant) {
    record.DtPageSize.set(a4);
    EXPECT_EQ(22u, search(wideSizeSearch, 15));  // QXA4W
    record.DtPageSize.set(a3);
    EXPECT_EQ(21u, search(wideSizeSearch, 15));  // QXA3W
    record.DtPageSize.set(postcard);
    EXPECT_EQ(22u, search(wideSizeSearch, 15));  // no variant: the own wide size
    record.DtPageSize.set(letter);
    EXPECT_EQ(30u, search(wideSizeSearch, 15));  // QXLetterW
}

TEST_F(TargetSearch, OnlyTheCurrentTargetNeedsTheBindingToChangeNothingElse) {
    // A5 portrait bound at the top goes short edge first, which two staples refuse; bound left it
    // passes. Moving the binding also moves an image placed left to the middle (A5 is not wide),
    // which matters only for the candidate equal to the current target.
    struct Case {
        std::uint8_t printPosition, currentTarget;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {0, 0, 2},  // no target would need the binding alone: A4 passes plainly
        {0, 2, 0},  // no target is not the current one: the moved binding is enough
        {1, 0, 0},  // nothing else moves with the binding
    };
    for (const Case& c : cases) {
        record.DtPageSize.set(2);
        record.DtBinding.set(2);
        record.DtPrintPosition.set(c.printPosition);
        record.DtTargetPaperSize.set(c.currentTarget);
        EXPECT_EQ(c.expected, search(standardSizeSearch, 8))
            << int{c.printPosition} << " " << int{c.currentTarget};
    }
}

TEST_F(TargetSearch, WithTheBindingInProgressOnlyThePlainTestCounts) {
    // A5 fed short edge first: two staples refuse it, and every candidate fed that way. With the
    // feed direction free, A5's own sheet passes fed long edge first.
    record.DtPageSize.set(2);
    record.DtFeedDir.set(2);
    EXPECT_EQ(0u, search(standardSizeSearch, 8));
    change.inProgress.append(fieldIdentity(record.DtBinding));
    EXPECT_EQ(2u, search(standardSizeSearch, 8));  // A4 passes plainly
}

}  // namespace
}  // namespace pd
