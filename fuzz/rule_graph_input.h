// The input of the rule-graph fuzzer, shared with the benchmark that replays what it finds: a
// valid start record and a sequence of whole changes, each one setter call with a value of its
// member's range, made in a change that the opener has marked some members in.
//
// Bytes, big-endian, a missing byte read as 0:
//   patch count (mod 64), then per patch: a member (16 bits, mod the numeric members) and a raw
//     value (32 bits) brought into that member's range, a custom paper included; the patched
//     default record is then validated;
//   change count (mod 16), then per change: a setter (8 bits, mod the setters), a raw value
//     (32 bits) brought into its member's range, a mark count (mod 4) and per mark a member
//     (16 bits, mod the numeric members).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/record/core_data.h"
#include "core/record/default_record.h"
#include "core/record/member_id.h"
#include "core/record/page_lists.h"
#include "core/record/validation.h"
#include "core/rules/change_context.h"
#include "core/rules/rule_table.h"
#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd::fuzzing {

struct GraphChange {
    MemberId setter;
    std::int64_t value;
    std::vector<MemberId> marks;
};

struct GraphInput {
    PdCoreData start;
    std::vector<GraphChange> changes;
};

class ByteReader {
  public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint32_t read(std::size_t bytes) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < bytes; ++i)
            value = (value << 8) | (at_ < size_ ? data_[at_++] : 0);
        return value;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

inline MemberId memberAt(std::size_t index) {
    return static_cast<MemberId>(index);
}

// Members that hold one number: choices, numbers and the 32-bit choices.
inline const std::vector<MemberId>& numericMembers() {
    static const std::vector<MemberId> members = [] {
        std::vector<MemberId> found;
        for (std::size_t i = 0; i < coreDataMemberCount; ++i) {
            const MemberKind kind = coreDataMembers[i].kind;
            if (kind == MemberKind::choice || kind == MemberKind::unlistedChoice ||
                kind == MemberKind::wideChoice || kind == MemberKind::number)
                found.push_back(memberAt(i));
        }
        return found;
    }();
    return members;
}

// The members with a rule-bearing setter, setPageSpecificForms included.
inline const std::vector<MemberId>& setterMembers() {
    static const std::vector<MemberId> members = [] {
        std::vector<MemberId> found;
        for (std::size_t i = 0; i < coreDataMemberCount; ++i)
            if (setterOf(memberAt(i)) != nullptr) found.push_back(memberAt(i));
        found.push_back(MemberId::DtPageSpecificForms);
        return found;
    }();
    return members;
}

// The tray media members may also hold one past their last choice: not specified.
inline bool isTrayMedia(MemberId member) {
    const std::size_t offset = coreDataMember(member).offset;
    return offset >= coreDataMember(MemberId::DtMediaTypeTray1).offset &&
           offset <= coreDataMember(MemberId::DtMediaPrepunchedTray5).offset;
}

// The paper members of a record may hold one past their last choice: a custom size, valid with
// both of its dimensions. A setter is not given it: the page-size request stores the dimensions
// with it, and the page-setup fuzzer covers that.
inline bool isPaperChoice(MemberId member) {
    return member == MemberId::DtPageSize || member == MemberId::DtTargetPaperSize;
}

// A raw number brought into the member's range: a choice, a number between the option's limits,
// any byte of a choice member without choices, any word of a 32-bit choice. The page-specific
// forms take 0 none, 1 the member itself, 2 an empty list, 3 a list of two forms.
inline std::int64_t valueInRange(MemberId member, std::uint32_t raw, bool ofRecord) {
    const CoreDataMember& m = coreDataMember(member);
    switch (m.kind) {
        case MemberKind::choice:
            return raw % (m.choiceOption->choiceCount +
                          (isTrayMedia(member) || (ofRecord && isPaperChoice(member)) ? 1 : 0));
        case MemberKind::number: {
            const std::int64_t low = m.numericOption->minimum;
            const std::int64_t span = std::int64_t{m.numericOption->maximum} - low + 1;
            return low + static_cast<std::int64_t>(raw % static_cast<std::uint64_t>(span));
        }
        case MemberKind::unlistedChoice:
            return raw & 0xFF;
        case MemberKind::wideChoice:
            return raw;
        default:
            return raw % 4;
    }
}

inline GraphInput decodeGraphInput(const std::uint8_t* data, std::size_t size) {
    ByteReader in(data, size);
    GraphInput input{defaultCoreData(), {}};
    const std::vector<MemberId>& numeric = numericMembers();
    for (std::uint32_t patches = in.read(1) % 64; patches > 0; --patches) {
        const MemberId member = numeric[in.read(2) % numeric.size()];
        writeMemberNumber(input.start, coreDataMember(member),
                          valueInRange(member, in.read(4), true));
    }
    validateCoreData(input.start);
    const std::vector<MemberId>& setters = setterMembers();
    for (std::uint32_t changes = in.read(1) % 16; changes > 0; --changes) {
        GraphChange change;
        change.setter = setters[in.read(1) % setters.size()];
        change.value = valueInRange(change.setter, in.read(4), false);
        for (std::uint32_t marks = in.read(1) % 4; marks > 0; --marks)
            change.marks.push_back(numeric[in.read(2) % numeric.size()]);
        input.changes.push_back(change);
    }
    return input;
}

// Runs one whole change on record: a change opened with the marks in progress and the guard
// given, the setter called, the change ended. Stores go to changed.
inline void runGraphChange(PdCoreData& record, const GraphChange& step, ChangedFieldList& changed,
                           std::uint32_t depthLimit, void (*onRunaway)(const ChangeContext&),
                           ChangedFieldList* inProgressAfter = nullptr) {
    ChangeContext change(changed, nullptr, record);
    change.depthLimit = depthLimit;
    change.onRunaway = onRunaway;
    for (const MemberId mark : step.marks) change.inProgress.append(fieldIdentity(record, mark));
    if (step.setter == MemberId::DtPageSpecificForms) {
        ByteBlock<1028> blob{};
        if (step.value == 3) {
            const PageFormList forms{{7, {{1, 3}, {5, 9}}}, {8, {{10, 12}}}};
            encodePageFormList(forms, blob.bytes, sizeof blob.bytes);
        }
        const ByteBlock<1028>* given = step.value == 0   ? nullptr
                                       : step.value == 1 ? &record.DtPageSpecificForms
                                                         : &blob;
        setPageSpecificForms(record, given, change);
    } else {
        setterOf(step.setter)(record, step.value, change);
    }
    if (inProgressAfter != nullptr) *inProgressAfter = change.inProgress;
}

}  // namespace pd::fuzzing
