#include "core/catalog/measurement.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <thread>
#include <vector>

#include "platform/measurement_system.h"

namespace pd {
namespace {

// The answers are cached for the life of the process, so every case runs in a child process of
// its own and reports through its exit status.

// In-memory stand-in for the system: answers what the test says and counts the questions.
std::optional<MeasurementSystem> fakeAnswer;
std::atomic<int> questions{0};
std::atomic<int> failuresToThrow{0};

std::optional<MeasurementSystem> fakeReader() {
    ++questions;
    if (failuresToThrow > 0) {
        --failuresToThrow;
        throw std::runtime_error("system unavailable");
    }
    return fakeAnswer;
}

void installFake(std::optional<MeasurementSystem> answer) {
    fakeAnswer = answer;
    questions = 0;
    setMeasurementSystemReader(fakeReader);
}

void exitWith(bool passed) {
    std::_Exit(passed ? 0 : 1);
}

TEST(MeasurementDeathTest, AnswersFollowTheSystem) {
    struct Case {
        std::optional<MeasurementSystem> system;
        std::uint32_t nonMetric;
        std::uint32_t paperId;
    };
    for (const Case& c : {Case{MeasurementSystem::metric, 0, 1},
                          Case{MeasurementSystem::nonMetric, 1, 17}, Case{std::nullopt, 0, 1}}) {
        EXPECT_EXIT(
            {
                installFake(c.system);
                exitWith(localeIsNonMetric() == c.nonMetric && defaultPaperId() == c.paperId);
            },
            testing::ExitedWithCode(0), "");
        // The default paper alone asks the measurement system too.
        EXPECT_EXIT(
            {
                installFake(c.system);
                exitWith(defaultPaperId() == c.paperId && localeIsNonMetric() == c.nonMetric);
            },
            testing::ExitedWithCode(0), "");
    }
}

TEST(MeasurementDeathTest, FilterAnswersMetricAndA4WithoutAsking) {
    EXPECT_EXIT(
        {
            installFake(MeasurementSystem::nonMetric);
            useFilterMeasurementSystem();
            exitWith(localeIsNonMetric() == 0 && defaultPaperId() == 1 && questions == 0);
        },
        testing::ExitedWithCode(0), "");
}

TEST(MeasurementDeathTest, AsksOnceAndKeepsTheFirstAnswer) {
    EXPECT_EXIT(
        {
            installFake(MeasurementSystem::nonMetric);
            const bool first = defaultPaperId() == 17 && localeIsNonMetric() == 1;
            fakeAnswer = MeasurementSystem::metric;  // the user changes the locale
            const bool later = defaultPaperId() == 17 && localeIsNonMetric() == 1;
            exitWith(first && later && questions == 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST(MeasurementDeathTest, ConcurrentFirstCallersShareOneAnswer) {
    EXPECT_EXIT(
        {
            installFake(MeasurementSystem::nonMetric);
            std::atomic<bool> go{false};
            std::atomic<int> wrong{0};
            std::vector<std::thread> threads;
            for (int i = 0; i < 8; ++i) {
                threads.emplace_back([&, i] {
                    while (!go) std::this_thread::yield();
                    const bool right =
                        i % 2 == 0 ? defaultPaperId() == 17 : localeIsNonMetric() == 1;
                    if (!right) ++wrong;
                });
            }
            go = true;
            for (std::thread& t : threads) t.join();
            exitWith(wrong == 0 && questions == 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST(MeasurementDeathTest, AFailedQuestionIsAskedAgain) {
    EXPECT_EXIT(
        {
            installFake(MeasurementSystem::nonMetric);
            failuresToThrow = 1;
            bool thrown = false;
            try {
                defaultPaperId();
            } catch (const std::runtime_error&) {
                thrown = true;
            }
            // Both mutexes were released: another thread can take them.
            std::uint32_t fromOtherThread = 0;
            std::thread([&] { fromOtherThread = defaultPaperId(); }).join();
            exitWith(thrown && fromOtherThread == 17 && questions == 2);
        },
        testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace pd
