#include "core/record/changed_field_list.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace pd {
namespace {

struct TwoMembers {
    std::uint8_t first;
    std::uint8_t second;
};

TEST(ChangedFieldList, KeepsOrderAndRepeatsAndRemovesTheLastEntry) {
    TwoMembers record{};
    ChangedFieldList list;
    EXPECT_TRUE(list.empty());
    list.append(fieldIdentity(record.first));
    list.append(fieldIdentity(record.second));
    list.append(fieldIdentity(record.first));
    ASSERT_EQ(3u, list.size());
    EXPECT_EQ(fieldIdentity(record.first), list.entries[0]);
    EXPECT_EQ(fieldIdentity(record.second), list.entries[1]);
    EXPECT_EQ(fieldIdentity(record.first), list.entries[2]);

    list.removeLast();
    list.removeLast();
    EXPECT_TRUE(list.contains(fieldIdentity(record.first)));
    EXPECT_FALSE(list.contains(fieldIdentity(record.second)));
    list.removeLast();
    list.removeLast();
    EXPECT_TRUE(list.empty());
}

TEST(ChangedFieldList, AMemberOfACopyIsAnotherIdentity) {
    TwoMembers record{};
    const TwoMembers copy = record;
    ChangedFieldList list;
    list.append(fieldIdentity(record.second));
    EXPECT_TRUE(list.contains(fieldIdentity(record.second)));
    EXPECT_FALSE(list.contains(fieldIdentity(copy.second)));
    EXPECT_FALSE(list.contains(fieldIdentity(record.first)));
}

}  // namespace
}  // namespace pd
