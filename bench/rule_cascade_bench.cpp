// The time of one whole change through the rules: every rule-bearing setter with every value of
// its member's range (each choice; the limits and default of a number; none and two forms for a
// form number), from the default record and from records dense with settings that the rules
// check against one another. A change is timed from the opening of its context (which copies the
// record for the snapshot) to its end; each change is repeated on a fresh copy of its start
// record and its median kept. Prints, per setter, the number of changes and the median and worst
// of their times, then the same over all changes with the slowest change named.
//
//   rule_cascade_bench [repetitions]     (default 15)
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/record/default_record.h"
#include "core/record/member_id.h"
#include "core/record/page_lists.h"
#include "core/rules/rule_table.h"
#include "platform/measurement_system.h"

namespace {

using namespace pd;
using enum MemberId;

struct StartRecord {
    const char* name;
    PdCoreData record;
};

struct Setting {
    MemberId member;
    std::int64_t value;
};

PdCoreData recordWith(std::initializer_list<Setting> settings) {
    PdCoreData record = defaultCoreData();
    for (const Setting& s : settings) writeMemberNumber(record, coreDataMember(s.member), s.value);
    return record;
}

// Finishing on: stapling, punching, folding, covers, offsets and the outputs that go with them.
PdCoreData denseFinishing() {
    return recordWith({{DtLayout, 2},
                       {DtDuplex, 1},
                       {DtStaple, 3},
                       {DtPunch, 4},
                       {DtFold, 3},
                       {DtFoldDirection, 1},
                       {DtNTo1, 1},
                       {DtFaceUp, 1},
                       {DtRingBinding, 1},
                       {DtCollate, 1},
                       {DtDivideOutput, 1},
                       {DtOffsetCopies, 1},
                       {DtOffsetPages, 1},
                       {DtOffsetPagesCount, 5},
                       {DtOutputBin, 2},
                       {DtFrontCoverTray, 3},
                       {DtBackCoverTray, 5},
                       {DtPIFrontCoverTray, 1},
                       {DtPIBackCoverTray, 2},
                       {DtStitch, 1},
                       {DtChapterMode, 1},
                       {DtNUpCount, 4},
                       {DtBookletBlankInsertion, 1}});
}

// Job handling on: forms of the other resolution, a page-specific list, protection, numbering,
// tandem, print mode and destination, screen and shift settings.
PdCoreData denseJob() {
    PdCoreData record = recordWith({{DtResolution, 0},
                                    {DtJobForm, 3},
                                    {DtJobFormResolution, 1},
                                    {DtPrepend, 4},
                                    {DtPrependResolution, 1},
                                    {DtAppend, 5},
                                    {DtAppendResolution, 1},
                                    {DtCopyProtection, 1},
                                    {DtSetNumberingMode, 3},
                                    {DtTandem, 1},
                                    {DtWaitMode, 5},
                                    {DtOutputMethod, 2},
                                    {DtSmoothing, 2},
                                    {DtThinning, 2},
                                    {DtScreenAngle, 3},
                                    {DtOtherScreenAngle, 9},
                                    {DtImageShiftType, 1},
                                    {DtShiftFrontBack, 1},
                                    {DtHorizontalShift, 100},
                                    {DtVerticalShift, -200},
                                    {DtHorizontalShiftBack, 300},
                                    {DtVerticalShiftBack, 400}});
    const PageFormList forms{{7, {{1, 3}, {5, 9}}}, {8, {{10, 12}}}};
    encodePageFormList(forms, record.DtPageSpecificForms.bytes,
                       sizeof record.DtPageSpecificForms.bytes);
    return record;
}

// Paper that finishing refuses: a postcard fed short edge first from a tray of heavy paper, with
// a wide target, top binding and a corner staple.
PdCoreData densePaper() {
    return recordWith({{DtPageSize, 19},
                       {DtTargetPaperSize, 22},
                       {DtFeedDir, 2},
                       {DtInputSlot, 1},
                       {DtMediaWeightTray1, 10},
                       {DtMediaWeightAuto, 10},
                       {DtBinding, 2},
                       {DtStaple, 1},
                       {DtFold, 1},
                       {DtPrintPosition, 0},
                       {DtOrientation, 1},
                       {DtFullBleed, 1},
                       {DtOffsetCopies, 1},
                       {DtPunch, 4},
                       {DtLayout, 8}});
}

// The values a setter is tried with: every choice, or the limits and default of a number, or
// none and two forms for the 32-bit choices without choices.
std::vector<std::int64_t> valuesOf(MemberId member) {
    const CoreDataMember& m = coreDataMember(member);
    if (m.choiceOption != nullptr && m.choiceOption->choiceCount > 0) {
        std::vector<std::int64_t> values;
        for (std::uint32_t i = 0; i < m.choiceOption->choiceCount; ++i) values.push_back(i);
        return values;
    }
    if (m.numericOption != nullptr)
        return {m.numericOption->minimum, m.numericOption->defaultValue, m.numericOption->maximum};
    return {0xFFFFFFFF, 0, 1};
}

struct Timing {
    std::string change;
    double micros;
};

double median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

void report(const char* label, std::vector<Timing> timings) {
    std::vector<double> micros;
    for (const Timing& t : timings) micros.push_back(t.micros);
    const auto worst =
        std::max_element(timings.begin(), timings.end(),
                         [](const Timing& a, const Timing& b) { return a.micros < b.micros; });
    std::printf("%-26s %7zu %10.2f %10.2f   %s\n", label, timings.size(), median(micros),
                worst->micros, worst->change.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    useFilterMeasurementSystem();
    const StartRecord starts[] = {
        {"default", defaultCoreData()},
        {"dense finishing", denseFinishing()},
        {"dense job", denseJob()},
        {"dense paper", densePaper()},
    };

    std::vector<Timing> all;
    std::printf("%-26s %7s %10s %10s   %s\n", "setter", "changes", "median us", "worst us",
                "slowest change");
    for (const CoreDataMember& m : coreDataMembers) {
        const auto member = static_cast<MemberId>(&m - coreDataMembers.data());
        const MemberSetter setter = setterOf(member);
        if (setter == nullptr) continue;
        std::vector<Timing> ofSetter;
        for (const StartRecord& start : starts) {
            for (const std::int64_t value : valuesOf(member)) {
                std::vector<double> samples;
                for (int i = 0; i < repetitions; ++i) {
                    PdCoreData record = start.record;
                    ChangedFieldList changed;
                    const auto begin = std::chrono::steady_clock::now();
                    {
                        ChangeContext change(changed, nullptr, record);
                        setter(record, value, change);
                    }
                    const auto end = std::chrono::steady_clock::now();
                    samples.push_back(
                        std::chrono::duration<double, std::micro>(end - begin).count());
                }
                ofSetter.push_back(
                    {std::string(start.name) + ": " + m.name + " " + std::to_string(value),
                     median(samples)});
            }
        }
        const std::string label = std::string("set") + (m.name + 2);
        report(label.c_str(), ofSetter);
        all.insert(all.end(), ofSetter.begin(), ofSetter.end());
    }
    report("all changes", all);
    return 0;
}
