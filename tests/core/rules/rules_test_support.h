// Helpers shared by the rules tests.
#pragma once

#include <string>
#include <vector>

#include "core/record/core_data.h"
#include "core/rules/changed_field_list.h"

namespace pd::test {

using Names = std::vector<std::string>;

// The names of the record's members that a change list holds, in the list's order.
inline Names memberNames(const PdCoreData& record, const ChangedFieldList& list) {
    Names result;
    const auto* base = reinterpret_cast<const unsigned char*>(&record);
    for (const FieldIdentity entry : list.entries)
        for (const CoreDataMember& member : coreDataMembers)
            if (entry == base + member.offset) result.push_back(member.name);
    return result;
}

}  // namespace pd::test
