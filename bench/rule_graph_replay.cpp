// The depth and time of the whole changes that the rule-graph fuzzer's inputs make: replays each
// input of the given files and folders (a fuzzer's corpus) as the fuzzer runs it, and reports the
// deepest cascade and the slowest change with the input that holds them. The depth of a change is
// the least depth limit under which it ends without reaching the guard: setters running one inside
// another and passes of the paper rules, nested changes included. A change is timed as in
// rule_cascade_bench: from the opening of its context to its end, the median of the repetitions,
// each on a fresh copy of the record it starts from.
//
//   rule_graph_replay [--repetitions N] FILE_OR_FOLDER...     (default 5 repetitions)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/rule_graph_input.h"
#include "platform/measurement_system.h"

namespace {

using namespace pd;

bool reachedLimit = false;

void noteRunaway(const ChangeContext&) {
    reachedLimit = true;
}

// Whether the change ends under the limit without reaching the guard.
bool endsWithin(const PdCoreData& before, const fuzzing::GraphChange& step, std::uint32_t limit) {
    PdCoreData record = before;
    ChangedFieldList changed;
    reachedLimit = false;
    fuzzing::runGraphChange(record, step, changed, limit, noteRunaway);
    return !reachedLimit;
}

std::uint32_t cascadeDepth(const PdCoreData& before, const fuzzing::GraphChange& step) {
    std::uint32_t low = 0, high = cascadeDepthLimit;
    if (!endsWithin(before, step, high)) return high + 1;
    while (low < high) {
        const std::uint32_t middle = low + (high - low) / 2;
        if (endsWithin(before, step, middle))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

double medianMicros(const PdCoreData& before, const fuzzing::GraphChange& step, int repetitions) {
    std::vector<double> samples;
    for (int i = 0; i < repetitions; ++i) {
        PdCoreData record = before;
        ChangedFieldList changed;
        const auto begin = std::chrono::steady_clock::now();
        fuzzing::runGraphChange(record, step, changed, cascadeDepthLimit, nullptr);
        const auto end = std::chrono::steady_clock::now();
        samples.push_back(std::chrono::duration<double, std::micro>(end - begin).count());
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

struct Found {
    double value = -1;
    std::string where;
};

std::string describe(const std::string& file, std::size_t index, const fuzzing::GraphChange& step) {
    std::string text = file + ", change " + std::to_string(index + 1) + ": set" +
                       (coreDataMember(step.setter).name + 2) + "(" + std::to_string(step.value) +
                       ")";
    for (const MemberId mark : step.marks) text += std::string(" +") + coreDataMember(mark).name;
    return text;
}

std::vector<std::string> inputFiles(int argc, char** argv, int first) {
    std::vector<std::string> files;
    for (int i = first; i < argc; ++i) {
        if (std::filesystem::is_directory(argv[i])) {
            for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
                if (entry.is_regular_file()) files.push_back(entry.path().string());
        } else {
            files.push_back(argv[i]);
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

int main(int argc, char** argv) {
    int repetitions = 5;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--repetitions") == 0) {
        repetitions = std::max(1, std::atoi(argv[2]));
        first = 3;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: %s [--repetitions N] FILE_OR_FOLDER...\n", argv[0]);
        return 2;
    }
    useFilterMeasurementSystem();
    Found deepest, slowest;
    std::vector<double> times;
    std::vector<std::uint32_t> depths;
    const std::vector<std::string> files = inputFiles(argc, argv, first);
    for (const std::string& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        const fuzzing::GraphInput input = fuzzing::decodeGraphInput(bytes.data(), bytes.size());
        PdCoreData record = input.start;
        for (std::size_t i = 0; i < input.changes.size(); ++i) {
            const fuzzing::GraphChange& step = input.changes[i];
            const std::uint32_t depth = cascadeDepth(record, step);
            const double micros = medianMicros(record, step, repetitions);
            depths.push_back(depth);
            times.push_back(micros);
            if (depth > deepest.value) deepest = {double(depth), describe(file, i, step)};
            if (micros > slowest.value) slowest = {micros, describe(file, i, step)};
            ChangedFieldList changed;
            fuzzing::runGraphChange(record, step, changed, cascadeDepthLimit, nullptr);
        }
    }
    if (times.empty()) {
        std::printf("%zu inputs, no change\n", files.size());
        return 0;
    }
    std::vector<double> sortedTimes = times;
    std::sort(sortedTimes.begin(), sortedTimes.end());
    std::vector<std::uint32_t> sortedDepths = depths;
    std::sort(sortedDepths.begin(), sortedDepths.end());
    std::printf("%zu inputs, %zu changes\n", files.size(), times.size());
    std::printf("depth: median %u, deepest %u (limit %u): %s\n",
                sortedDepths[sortedDepths.size() / 2], sortedDepths.back(), cascadeDepthLimit,
                deepest.where.c_str());
    std::printf("time: median %.2f us, 99th percentile %.2f us, slowest %.2f us: %s\n",
                sortedTimes[sortedTimes.size() / 2], sortedTimes[sortedTimes.size() * 99 / 100],
                sortedTimes.back(), slowest.where.c_str());
    return 0;
}
