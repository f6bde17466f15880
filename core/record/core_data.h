// The settings record: every driver setting of one print job in one packed block of 25,582 bytes.
//
// The record is a stored format that one program writes and another reads, so every member has a
// fixed offset, size and byte order on every host. Members are the byte-array types of
// stored_types.h and are read and written only through their accessors; the record itself is
// copied, compared and encoded as plain bytes. The member list lives in fields.def.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

#include "core/catalog/option_catalogue.h"
#include "core/record/stored_types.h"

namespace pd {

// Member 1 of the record: a byte and a word that no reader interprets. Only the default record
// writes it; otherwise it travels with the record unchanged.
struct FavoriteSettingsPair {
    StoredUInt8 byteValue;
    StoredUInt32 wordValue;
};

inline constexpr std::size_t coreDataSize = 25582;
inline constexpr std::size_t coreDataMemberCount = 217;
// Every member but layoutSignature and FavoriteSettingsData.
inline constexpr std::size_t coreDataOptionMemberCount = 215;

struct PdCoreData {
    // Every byte 0, the signature and the favourite pair included, so that a fresh record never
    // carries stray bytes into storage. Constant, so that a record can be built while compiling.
#define PD_FIELD(member, type, size, kind, option) type member{};
#include "core/record/fields.def"
#undef PD_FIELD

    constexpr PdCoreData() = default;
};

static_assert(sizeof(PdCoreData) == coreDataSize);
static_assert(coreDataSize <= UINT16_MAX, "member offsets and sizes are 16-bit");
static_assert(std::is_trivially_copyable_v<PdCoreData> && std::is_standard_layout_v<PdCoreData>);

// The whole record as bytes, for copying, comparing and encoding.
std::span<const unsigned char, coreDataSize> coreDataBytes(const PdCoreData& record);
std::span<unsigned char, coreDataSize> coreDataBytes(PdCoreData& record);

// What a member holds and how its catalogue object governs it.
enum class MemberKind : std::uint8_t {
    signature,       // layoutSignature
    opaquePair,      // FavoriteSettingsData
    choice,          // a byte: index of a choice of the member's object
    unlistedChoice,  // a byte under a choice object without choices (cover media, form resolution)
    wideChoice,      // a 32-bit index under a choice object without choices; all bits set: none
    number,          // a uint16, uint32 or int32 under a numeric object
    text,            // a FixedText under a text object
    choiceText,      // a FixedText holding an external name of a choice (paper names, tone curves)
    blob,            // a ByteBlock with an inner format, under a text object without default
};

// How a member is stored.
enum class StoredForm : std::uint8_t { uint8, uint16, uint32, int32, text, bytes, pair };

// One row of the member table.
struct CoreDataMember {
    const char* name;  // "DtPageSize"
    // Narrow, so that the table, which the loader relocates for its pointers at every start,
    // takes a page less of the memory it copies.
    std::uint16_t offset;
    std::uint16_t size;
    StoredForm form;
    MemberKind kind;
    // The catalogue object governing the member: exactly one of the three is set for an option
    // member, none for layoutSignature and FavoriteSettingsData.
    const ChoiceOptionDescriptor* choiceOption;
    const NumericOptionDescriptor* numericOption;
    const TextOptionDescriptor* textOption;
};

// The catalogue column of the two members that no catalogue object governs.
struct NoOption {};
inline constexpr NoOption noOption{};

namespace detail {

template <typename T>
struct IsFixedText : std::false_type {};
template <std::size_t N>
struct IsFixedText<FixedText<N>> : std::true_type {};

template <typename T>
constexpr StoredForm storedFormOf() {
    if constexpr (std::is_same_v<T, StoredUInt8>)
        return StoredForm::uint8;
    else if constexpr (std::is_same_v<T, StoredUInt16>)
        return StoredForm::uint16;
    else if constexpr (std::is_same_v<T, StoredUInt32>)
        return StoredForm::uint32;
    else if constexpr (std::is_same_v<T, StoredInt32>)
        return StoredForm::int32;
    else if constexpr (std::is_same_v<T, FavoriteSettingsPair>)
        return StoredForm::pair;
    else if constexpr (IsFixedText<T>::value)
        return StoredForm::text;
    else
        return StoredForm::bytes;
}

constexpr CoreDataMember makeMember(CoreDataMember row, NoOption) {
    return row;
}
constexpr CoreDataMember makeMember(CoreDataMember row, const ChoiceOptionDescriptor& option) {
    row.choiceOption = &option;
    return row;
}
constexpr CoreDataMember makeMember(CoreDataMember row, const NumericOptionDescriptor& option) {
    row.numericOption = &option;
    return row;
}
constexpr CoreDataMember makeMember(CoreDataMember row, const TextOptionDescriptor& option) {
    row.textOption = &option;
    return row;
}

}  // namespace detail

// All 217 members in record order. Walk it for whatever treats every member alike: the default
// record, validation, the layout signature and the layout description.
inline constexpr std::array<CoreDataMember, coreDataMemberCount> coreDataMembers{{
#define PD_FIELD(member, type, size, kind, option)                                                 \
    detail::makeMember({#member, offsetof(PdCoreData, member), size, detail::storedFormOf<type>(), \
                        MemberKind::kind, nullptr, nullptr, nullptr},                              \
                       option),
#include "core/record/fields.def"
#undef PD_FIELD
}};

// The bytes of one member of a record.
std::span<const unsigned char> memberBytes(const PdCoreData& record, const CoreDataMember& member);
std::span<unsigned char> memberBytes(PdCoreData& record, const CoreDataMember& member);

// The width of one stored element: 4 for 32-bit numbers, 2 for 16-bit ones, 1 for bytes, texts
// and byte blocks.
constexpr std::size_t elementWidth(StoredForm form) {
    switch (form) {
        case StoredForm::uint16:
            return 2;
        case StoredForm::uint32:
        case StoredForm::int32:
            return 4;
        default:
            return 1;
    }
}

// A number member (uint8, uint16, uint32 or int32) in host order, an int32 sign-extended; 0 for
// any other form.
std::int64_t readMemberNumber(const PdCoreData& record, const CoreDataMember& member);
// Stores value in a number member, most significant byte first, cut to the member's width (a
// uint16 member keeps the low 16 bits). Does nothing for any other form.
void writeMemberNumber(PdCoreData& record, const CoreDataMember& member, std::int64_t value);

// The same on a record's bytes, for records built while compiling.
constexpr void writeMemberNumber(std::span<unsigned char, coreDataSize> record,
                                 const CoreDataMember& member, std::int64_t value) {
    switch (member.form) {
        case StoredForm::uint8:
        case StoredForm::uint16:
        case StoredForm::uint32:
        case StoredForm::int32: {
            auto bits = static_cast<std::uint64_t>(value);
            for (std::size_t i = member.size; i-- > 0;) {
                record[member.offset + i] = static_cast<unsigned char>(bits & 0xFF);
                bits >>= 8;
            }
            return;
        }
        default:
            return;
    }
}

}  // namespace pd
