// Every member of the settings record by name, for code that names members as data (rule tables)
// rather than through the struct.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/record/core_data.h"

namespace pd {

// The members in record order: a member's id is its index in coreDataMembers.
enum class MemberId : std::uint8_t {
#define PD_FIELD(member, type, size, kind, option) member,
#include "core/record/fields.def"
#undef PD_FIELD
};

constexpr const CoreDataMember& coreDataMember(MemberId id) {
    return coreDataMembers[static_cast<std::size_t>(id)];
}

static_assert(coreDataMember(MemberId::DtRelayServerScreenId).offset ==
              offsetof(PdCoreData, DtRelayServerScreenId));

}  // namespace pd
