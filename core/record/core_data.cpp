#include "core/record/core_data.h"

namespace pd {

namespace {

constexpr bool membersArePacked() {
    std::size_t end = 0;
    for (const CoreDataMember& member : coreDataMembers) {
        if (member.offset != end) return false;
        end += member.size;
    }
    return end == coreDataSize;
}

}  // namespace

// The size column of the member list must agree with the stored types, and the members must lie
// back to back: the record crosses program boundaries as raw bytes.
#define PD_FIELD(member, type, size, kind, option) static_assert(sizeof(type) == size, #member);
#include "core/record/fields.def"
#undef PD_FIELD
static_assert(membersArePacked());
static_assert(offsetof(PdCoreData, DtCustomPageSizeWidth) == 10);
static_assert(offsetof(PdCoreData, DtGutter) == 241);
static_assert(offsetof(PdCoreData, DtJobForm) == 22807);
static_assert(offsetof(PdCoreData, DtRelayServerScreenId) == 25565);

std::span<const unsigned char, coreDataSize> coreDataBytes(const PdCoreData& record) {
    return std::span<const unsigned char, coreDataSize>(
        reinterpret_cast<const unsigned char*>(&record), coreDataSize);
}

std::span<unsigned char, coreDataSize> coreDataBytes(PdCoreData& record) {
    return std::span<unsigned char, coreDataSize>(reinterpret_cast<unsigned char*>(&record),
                                                  coreDataSize);
}

std::span<const unsigned char> memberBytes(const PdCoreData& record, const CoreDataMember& member) {
    return coreDataBytes(record).subspan(member.offset, member.size);
}

std::span<unsigned char> memberBytes(PdCoreData& record, const CoreDataMember& member) {
    return coreDataBytes(record).subspan(member.offset, member.size);
}

std::int64_t readMemberNumber(const PdCoreData& record, const CoreDataMember& member) {
    const auto bytes = memberBytes(record, member);
    switch (member.form) {
        case StoredForm::uint8:
        case StoredForm::uint16:
        case StoredForm::uint32: {
            std::uint32_t value = 0;
            for (const unsigned char byte : bytes) value = (value << 8) | byte;
            return value;
        }
        case StoredForm::int32: {
            std::uint32_t value = 0;
            for (const unsigned char byte : bytes) value = (value << 8) | byte;
            return static_cast<std::int32_t>(value);
        }
        default:
            return 0;
    }
}

void writeMemberNumber(PdCoreData& record, const CoreDataMember& member, std::int64_t value) {
    writeMemberNumber(coreDataBytes(record), member, value);
}

}  // namespace pd
