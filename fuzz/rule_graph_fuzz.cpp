// The whole rule graph: random sequences of setter calls (every setter, any value of its member's
// range, members marked in progress as an opener marks them) on random valid records. Input:
// rule_graph_input.h. After every whole change:
//   - the cascade ended within the depth limit (a deeper one aborts at once);
//   - the in-progress list holds the opener's marks again, in order;
//   - every entry of the caller's list is a member of the record, and every member that the
//     change altered stands in it;
//   - validation finds nothing to repair, but for a custom page given a width of 0.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "fuzz/rule_graph_input.h"
#include "platform/measurement_system.h"

namespace {

using namespace pd;
using enum MemberId;

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "rule graph: %s\n", what);
    std::abort();
}

void runaway(const ChangeContext&) {
    require(false, "a cascade went deeper than the depth limit");
}

// The resolution's exchange of the two screen sets writes the other set without listing it.
bool changesUnlisted(MemberId member) {
    switch (member) {
        case DtOtherScreening:
        case DtOtherScreenDot:
        case DtOtherScreenFreq:
        case DtOtherToneCurve:
        case DtOtherScreenAngle:
            return true;
        default:
            return false;
    }
}

// setCustomPageSizeWidth stores the width it is given, 0 included, as the page-size request
// hands it the page setup's; on a custom page validation then gives the page the default paper.
bool repairExpected(const fuzzing::GraphChange& step, MemberId repaired) {
    return repaired == DtPageSize && step.setter == DtCustomPageSizeWidth && step.value == 0;
}

bool isMemberOf(const PdCoreData& record, FieldIdentity entry) {
    const auto* base = reinterpret_cast<const unsigned char*>(&record);
    for (const CoreDataMember& member : coreDataMembers)
        if (entry == base + member.offset) return true;
    return false;
}

bool differ(const PdCoreData& a, const PdCoreData& b, const CoreDataMember& member) {
    const auto left = memberBytes(a, member);
    return std::memcmp(left.data(), memberBytes(b, member).data(), left.size()) != 0;
}

void checkChange(const fuzzing::GraphChange& step, const PdCoreData& before,
                 const PdCoreData& after, const ChangedFieldList& changed,
                 const ChangedFieldList& marks, const ChangedFieldList& inProgress) {
    require(inProgress.entries == marks.entries, "the in-progress list lost its marks");
    for (const FieldIdentity entry : changed.entries)
        require(isMemberOf(after, entry), "a listed entry is no member of the record");
    bool sound = true;
    // A repair that the record needed before the change is an earlier change's.
    PdCoreData repairedBefore = before;
    validateCoreData(repairedBefore);
    PdCoreData repaired = after;
    validateCoreData(repaired);
    for (std::size_t i = 0; i < coreDataMemberCount; ++i) {
        const CoreDataMember& member = coreDataMembers[i];
        const auto id = static_cast<MemberId>(i);
        if (differ(before, after, member) && !changesUnlisted(id) &&
            !changed.contains(fieldIdentity(after, id))) {
            std::fprintf(stderr, "rule graph: %s changed without being listed\n", member.name);
            sound = false;
        }
        if (differ(after, repaired, member) && !differ(before, repairedBefore, member) &&
            !repairExpected(step, id)) {
            std::fprintf(stderr, "rule graph: validation repairs %s\n", member.name);
            sound = false;
        }
    }
    require(sound, "the change left the record unsound");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool metric = (useFilterMeasurementSystem(), true);
    (void)metric;
    const fuzzing::GraphInput input = fuzzing::decodeGraphInput(data, size);
    PdCoreData record = input.start;
    for (const fuzzing::GraphChange& step : input.changes) {
        const PdCoreData before = record;
        ChangedFieldList changed;
        ChangedFieldList inProgress;
        fuzzing::runGraphChange(record, step, changed, cascadeDepthLimit, runaway, &inProgress);
        ChangedFieldList marks;
        for (const MemberId mark : step.marks) marks.append(fieldIdentity(record, mark));
        checkChange(step, before, record, changed, marks, inProgress);
    }
    return 0;
}
