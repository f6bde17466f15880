// What every emitter of the PJL job header shares: the value list of the reverse direction, the
// emitter signature and the choice of direction. The test of an option's PJL mode is the
// catalogue's (core/catalog/option_reading.h).
//
// An emitter takes a reverse pair (a value list to read and a record to fill) and a forward pair
// (the header text to append to and the record to read), then the job kind and the last flag. It
// acts only when exactly one pair is complete, both of its pointers being non-null.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pd {

struct PdCoreData;

// One (PJL name, value) pair as a header line carries it.
struct PjlValueEntry {
    std::string name;
    std::string value;
};

using PjlValueList = std::vector<PjlValueEntry>;

// The value of the first entry named name (byte for byte), or the empty text.
std::string findPjlValue(const PjlValueList& list, std::string_view name);

// The job kind that psfilter builds; kind 2 is the only other one defined.
inline constexpr std::uint32_t pjlJobKindFilter = 1;
inline constexpr std::uint32_t pjlJobKindOther = 2;

enum class PjlDirection { none, forward, reverse };

// The direction an emitter runs in: the complete pair, or none when both or neither are.
constexpr PjlDirection pjlDirection(const PjlValueList* values, const PdCoreData* target,
                                    const std::string* out, const PdCoreData* record) {
    const bool reverse = values != nullptr && target != nullptr;
    const bool forward = out != nullptr && record != nullptr;
    if (reverse == forward) return PjlDirection::none;
    return forward ? PjlDirection::forward : PjlDirection::reverse;
}

// Whether an emitter runs forward: it appends the record's lines.
constexpr bool isForward(const PjlValueList* values, const PdCoreData* target,
                         const std::string* out, const PdCoreData* record) {
    return pjlDirection(values, target, out, record) == PjlDirection::forward;
}

// The signature under which the header builder calls every emitter, in its fixed order.
using PjlEmitter = void (*)(const PjlValueList* values, PdCoreData* target, std::string* out,
                            const PdCoreData* record, std::uint32_t jobKind,
                            std::uint32_t lastFlag);

// Does nothing in either direction: the entry of an option that can write no line.
void emitNoPjl(const PjlValueList* values, PdCoreData* target, std::string* out,
               const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

}  // namespace pd
