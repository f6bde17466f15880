// The user's measurement system, as the system reports it.
//
// The core asks through one process-wide reader. By default it is the locale's own answer; the
// filter installs a reader that answers metric without asking anything, and tests install fakes.
// A reader is installed before the core's first question, which is cached for the process.
#pragma once

#include <optional>

namespace pd {

enum class MeasurementSystem { metric, nonMetric };

// Gives the measurement system, or nothing when the source has no answer.
using MeasurementSystemReader = std::optional<MeasurementSystem> (*)();

// The LC_MEASUREMENT category of the locale that the environment names (LC_ALL, LC_MEASUREMENT,
// LANG), read without touching the process's own locale. Nothing when that locale is unknown.
std::optional<MeasurementSystem> localeMeasurementSystem();

// The filter's answer: always metric, and the system is never asked.
std::optional<MeasurementSystem> filterMeasurementSystem();

// Installs the reader the core asks; null restores `localeMeasurementSystem`.
void setMeasurementSystemReader(MeasurementSystemReader reader);

// Makes this process answer as the filter does: metric, and so A4, whatever the locale says.
void useFilterMeasurementSystem();

// Asks the installed reader.
std::optional<MeasurementSystem> readMeasurementSystem();

}  // namespace pd
