#include "core/catalog/measurement.h"

#include <atomic>
#include <mutex>

#include "core/base/static_recursive_mutex.h"
#include "core/catalog/paper_size.h"
#include "platform/measurement_system.h"

namespace pd {

namespace {

// Each answer has its own mutex. `defaultPaperId` asks `localeIsNonMetric` while it holds its
// own, so the lock order is always the paper's mutex, then the measurement's.
constinit StaticRecursiveMutex nonMetricMutex;
constinit StaticRecursiveMutex defaultPaperMutex;

// The flags are set with release after the value is written and read with acquire, so that a
// thread that sees a flag set also sees its value.
constinit std::atomic<bool> nonMetricDone{false};
constinit std::uint32_t nonMetric = 0;
constinit std::atomic<bool> defaultPaperDone{false};
constinit std::uint32_t defaultPaper = a4PaperId;

const bool mutexesCreated = [] {
    initStaticRecursiveMutex(nonMetricMutex);
    initStaticRecursiveMutex(defaultPaperMutex);
    return true;
}();

}  // namespace

std::uint32_t localeIsNonMetric() {
    if (nonMetricDone.load(std::memory_order_acquire)) return nonMetric;
    // The guard releases the mutex on every way out, an exception from the reader included; the
    // flag then stays clear and the next call asks again.
    const std::lock_guard lock(nonMetricMutex);
    if (!nonMetricDone.load(std::memory_order_relaxed)) {
        nonMetric = readMeasurementSystem() == MeasurementSystem::nonMetric ? 1 : 0;
        nonMetricDone.store(true, std::memory_order_release);
    }
    return nonMetric;
}

std::uint32_t defaultPaperId() {
    if (defaultPaperDone.load(std::memory_order_acquire)) return defaultPaper;
    const std::lock_guard lock(defaultPaperMutex);
    if (!defaultPaperDone.load(std::memory_order_relaxed)) {
        defaultPaper = localeIsNonMetric() == 1 ? letterPaperId : a4PaperId;
        defaultPaperDone.store(true, std::memory_order_release);
    }
    return defaultPaper;
}

}  // namespace pd
