// Helpers shared by the rules tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/catalog/paper_size.h"
#include "core/record/changed_field_list.h"
#include "core/record/core_data.h"
#include "core/record/default_record.h"
#include "core/record/member_id.h"
#include "core/rules/change_context.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"

namespace pd::test {

using Names = std::vector<std::string>;

// Paper ids by short name, as the records of the tests store them.
inline constexpr std::uint8_t a3 = a3PaperId, a4 = a4PaperId, a5 = 2, letter = letterPaperId,
                              postcard = 19, a3Wide = 20, a4Wide = 21, a4Tab = a4TabPaperId,
                              custom = noPaperId;

// The names of the members that a change list holds, in the list's order; an entry outside the
// record reads "(other record)".
inline Names memberNames(const PdCoreData& record, const ChangedFieldList& list) {
    Names result;
    const auto* base = reinterpret_cast<const unsigned char*>(&record);
    for (const FieldIdentity entry : list.entries) {
        std::string name = "(other record)";
        for (const CoreDataMember& member : coreDataMembers)
            if (entry == base + member.offset) name = member.name;
        result.push_back(name);
    }
    return result;
}

// A4 portrait, Auto slot, left binding, image in the middle, no finishing.
inline PdCoreData plainA4Record() {
    PdCoreData record;
    record.DtPageSize.set(1);
    record.DtPrintPosition.set(1);
    return record;
}

struct MemberValue {
    MemberId member;
    std::int64_t value;
};

// One change of a record through the rules, from the default record: the members that differ
// from the default, the members in progress when the change opens (as a request marks them), the
// setter calls, then the values expected of some members and the caller's list in order.
struct WholeChange {
    const char* name = "";
    std::vector<MemberValue> start = {};
    std::vector<MemberId> marked = {};
    std::function<void(PdCoreData&, ChangeContext&)> run;
    std::vector<MemberValue> expected = {};
    Names changed = {};
    // Members that the change alters on purpose without listing them.
    std::vector<MemberId> unlisted = {};
};

// A setter call as a step of a whole change.
template <auto Setter>
auto call(std::int64_t value) {
    return [value](PdCoreData& record, ChangeContext& change) {
        detail::callSetter<Setter>(record, value, change);
    };
}

// Runs the change and checks it: the expected values and list, the in-progress list back to the
// marks, every member that the change altered standing in the caller's list, and the cascade
// within the depth limit.
inline void checkWholeChange(const WholeChange& c) {
    SCOPED_TRACE(c.name);
    PdCoreData record = defaultCoreData();
    for (const MemberValue& v : c.start)
        writeMemberNumber(record, coreDataMember(v.member), v.value);
    const PdCoreData before = record;
    ChangedFieldList changed;
    {
        ChangeContext change(changed, nullptr, record);
        change.onRunaway = [](const ChangeContext&) {
            ADD_FAILURE() << "the cascade went deeper than the depth limit";
        };
        for (const MemberId member : c.marked)
            change.inProgress.append(fieldIdentity(record, member));
        c.run(record, change);
        ChangedFieldList marks;
        for (const MemberId member : c.marked) marks.append(fieldIdentity(record, member));
        EXPECT_EQ(memberNames(record, marks), memberNames(record, change.inProgress));
    }
    for (const MemberValue& v : c.expected)
        EXPECT_EQ(v.value, readMember(record, v.member)) << coreDataMember(v.member).name;
    EXPECT_EQ(c.changed, memberNames(record, changed));
    for (const CoreDataMember& member : coreDataMembers) {
        const auto was = memberBytes(before, member);
        const auto now = memberBytes(record, member);
        const FieldIdentity identity =
            reinterpret_cast<const unsigned char*>(&record) + member.offset;
        const bool expectedUnlisted =
            std::any_of(c.unlisted.begin(), c.unlisted.end(),
                        [&](MemberId id) { return &coreDataMember(id) == &member; });
        if (!std::equal(was.begin(), was.end(), now.begin())) {
            EXPECT_TRUE(changed.contains(identity) || expectedUnlisted)
                << member.name << " changed without being listed";
        }
    }
}

}  // namespace pd::test
