// Records for the PPD mapping tests.
#pragma once

#include <ostream>
#include <string_view>

#include "core/ppd/ppd_choices.h"
#include "core/record/core_data.h"
#include "core/record/default_record.h"

namespace pd {

// The process's default record, copied.
inline PdCoreData defaultRecord() {
    return defaultCoreData();
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
