#include "platform/measurement_system.h"

#include <langinfo.h>
#include <locale.h>

#include <atomic>

namespace pd {

namespace {

constinit std::atomic<MeasurementSystemReader> installedReader{localeMeasurementSystem};

// glibc's LC_MEASUREMENT code: 1 metric, 2 US customary.
constexpr char metricCode = 1;

}  // namespace

std::optional<MeasurementSystem> localeMeasurementSystem() {
    // A locale object of its own, so that the process locale of a multi-threaded host stays as it
    // is.
    const locale_t locale = newlocale(LC_MEASUREMENT_MASK, "", locale_t{});
    if (locale == locale_t{}) return std::nullopt;
    const char* code = nl_langinfo_l(_NL_MEASUREMENT_MEASUREMENT, locale);
    std::optional<MeasurementSystem> answer;
    if (code != nullptr && code[0] != '\0') {
        answer = code[0] == metricCode ? MeasurementSystem::metric : MeasurementSystem::nonMetric;
    }
    freelocale(locale);
    return answer;
}

std::optional<MeasurementSystem> filterMeasurementSystem() {
    return MeasurementSystem::metric;
}

void setMeasurementSystemReader(MeasurementSystemReader reader) {
    installedReader.store(reader != nullptr ? reader : localeMeasurementSystem);
}

void useFilterMeasurementSystem() {
    setMeasurementSystemReader(filterMeasurementSystem);
}

std::optional<MeasurementSystem> readMeasurementSystem() {
    return installedReader.load()();
}

}  // namespace pd
