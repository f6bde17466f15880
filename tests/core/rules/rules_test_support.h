// Helpers shared by the rules tests.
#pragma once

#include <string>
#include <vector>

#include "core/catalog/paper_size.h"
#include "core/record/changed_field_list.h"
#include "core/record/core_data.h"

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

}  // namespace pd::test
