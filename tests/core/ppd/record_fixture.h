// Records for the PPD mapping tests.
#pragma once

#include <ostream>
#include <string_view>

#include "core/ppd/ppd_choices.h"
#include "core/record/core_data.h"

namespace pd {

// A record at its defaults as the filter has it (metric, so A4): every choice member at its
// object's default choice, every number at its default value.
inline PdCoreData defaultRecord() {
    PdCoreData record;
    for (const CoreDataMember& member : coreDataMembers) {
        if (member.kind == MemberKind::choice)
            writeMemberNumber(record, member, member.choiceOption->defaultIndex & 0xFF);
        else if (member.kind == MemberKind::number)
            writeMemberNumber(record, member, member.numericOption->defaultValue);
    }
    record.DtPageSize.set(1);
    return record;
}

// The member table's row of a member.
inline CoreDataMember memberNamed(std::string_view name) {
    for (const CoreDataMember& member : coreDataMembers)
        if (name == member.name) return member;
    return {};
}

inline void PrintTo(const PpdChoice& pair, std::ostream* os) {
    *os << "(" << pair.keyword << ", " << pair.choice << ")";
}

}  // namespace pd
