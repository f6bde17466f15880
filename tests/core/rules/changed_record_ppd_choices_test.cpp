// The filter lists the PPD features of the members that its merge changed: the identities the
// rules record must be the ones the PPD writers test.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "core/ppd/ppd_choices.h"
#include "core/rules/change_context.h"
#include "core/rules/platform_data.h"
#include "core/rules/setters.h"
#include "tests/core/ppd/record_fixture.h"

namespace pd {
namespace {

using ::testing::Contains;
using ::testing::IsEmpty;

// The pairs of a change are the full conversion's pairs of the changed members, in its order.
void expectSubsequenceOfFullConversion(const PdCoreData& record, const PpdChoiceList& changed) {
    PpdChoiceList full;
    coreDataToPpdChoices(record, full, nullptr);
    auto next = full.begin();
    for (const PpdChoice& pair : changed) {
        next = std::find(next, full.end(), pair);
        ASSERT_NE(full.end(), next) << pair.keyword << " " << pair.choice;
    }
}

TEST(ChangedRecordPpdChoices, MembersSetByTheRulesYieldTheirPairs) {
    PdCoreData record = defaultRecord();
    ChangedFieldList changed;
    {
        ChangeContext change(changed, nullptr, record);
        setDuplex(record, 0, change);
        setOffsetPages(record, 1, change);
    }
    PpdChoiceList out;
    coreDataToPpdChoices(record, out, &changed);
    ASSERT_EQ(0, record.DtDuplex.get());
    EXPECT_THAT(out, Contains(PpdChoice{"QZDuplex", "False"}));
    EXPECT_THAT(out, Contains(PpdChoice{"QZOffset", "True"}));
    expectSubsequenceOfFullConversion(record, out);

    // The same list names nothing in a copy of the record.
    const PdCoreData copy = record;
    coreDataToPpdChoices(copy, out, &changed);
    EXPECT_THAT(out, IsEmpty());
}

TEST(ChangedRecordPpdChoices, PageSetupMergeNeverListsThePageSize) {
    for (const std::uint8_t paper : {0, 1, 7, 17, 21, 31}) {
        PdCoreData record = defaultRecord();
        ChangedFieldList changed;
        PageSizeRequest request;
        request.DtPageSize = paper;
        applyPageSizeRequest(record, request, &changed, nullptr, nullptr);
        EXPECT_TRUE(changed.contains(fieldIdentity(record.DtPageSize)));
        PpdChoiceList out;
        coreDataToPpdChoices(record, out, &changed);
        for (const PpdChoice& pair : out) EXPECT_NE("PageSize", pair.keyword);
        expectSubsequenceOfFullConversion(record, out);
    }
}

}  // namespace
}  // namespace pd
