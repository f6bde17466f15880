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
    std::uint32_t search(std::uint32_t kind, PaperFeature feature) {
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
    EXPECT_EQ(0u, search(standardSizeSearch, PaperFeature::oneStaple));
}

TEST_F(TargetSearch, APostcardTakesTheRegionOfTheDefaultPaper) {
    record.DtPageSize.set(postcard);
    EXPECT_EQ(2u, search(standardSizeSearch, PaperFeature::oneStaple));  // A4
}

TEST_F(TargetSearch, StandardCandidatesComeInTheRegionsOrder) {
    // The Z-fold refuses 9x11 and A5 in every direction, and accepts Letter and A4.
    record.DtPageSize.set(11);                                        // 9x11, an inch size
    EXPECT_EQ(18u, search(standardSizeSearch, PaperFeature::zFold));  // Letter
    record.DtPageSize.set(2);                                         // A5
    EXPECT_EQ(2u, search(standardSizeSearch, PaperFeature::zFold));   // A4
    // Image position left or right refuses every standard candidate: the own small size.
    record.DtPageSize.set(postcard);
    EXPECT_EQ(2u, search(standardSizeSearch, PaperFeature::sideImagePosition));
    record.DtPageSize.set(11);
    EXPECT_EQ(18u, search(standardSizeSearch, PaperFeature::sideImagePosition));
}

TEST_F(TargetSearch, ASideImagePositionFindsTheWideVariant) {
    record.DtPageSize.set(a4);
    EXPECT_EQ(22u, search(wideSizeSearch, PaperFeature::sideImagePosition));  // QXA4W
    record.DtPageSize.set(a3);
    EXPECT_EQ(21u, search(wideSizeSearch, PaperFeature::sideImagePosition));  // QXA3W
    record.DtPageSize.set(postcard);
    EXPECT_EQ(22u, search(wideSizeSearch,
                          PaperFeature::sideImagePosition));  // no variant: the own wide size
    record.DtPageSize.set(letter);
    EXPECT_EQ(30u, search(wideSizeSearch, PaperFeature::sideImagePosition));  // QXLetterW
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
        // no target would need the binding alone: A4 passes plainly
        {.printPosition = 0, .currentTarget = 0, .expected = 2},
        // no target is not the current one: the moved binding is enough
        {.printPosition = 0, .currentTarget = 2, .expected = 0},
        // nothing else moves with the binding
        {.printPosition = 1, .currentTarget = 0, .expected = 0},
    };
    for (const Case& c : cases) {
        record.DtPageSize.set(2);
        record.DtBinding.set(2);
        record.DtPrintPosition.set(c.printPosition);
        record.DtTargetPaperSize.set(c.currentTarget);
        EXPECT_EQ(c.expected, search(standardSizeSearch, PaperFeature::twoStaples))
            << int{c.printPosition} << " " << int{c.currentTarget};
    }
}

TEST_F(TargetSearch, WithTheBindingInProgressOnlyThePlainTestCounts) {
    // A5 fed short edge first: two staples refuse it, and every candidate fed that way. With the
    // feed direction free, A5's own sheet passes fed long edge first.
    record.DtPageSize.set(2);
    record.DtFeedDir.set(2);
    EXPECT_EQ(0u, search(standardSizeSearch, PaperFeature::twoStaples));
    change.inProgress.append(fieldIdentity(record.DtBinding));
    EXPECT_EQ(2u, search(standardSizeSearch, PaperFeature::twoStaples));  // A4 passes plainly
}

}  // namespace
}  // namespace pd
