#include "platform/measurement_system.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#define PD_LEAK_CHECKER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#include <sanitizer/lsan_interface.h>
#define PD_LEAK_CHECKER 1
#endif
#endif

namespace pd {
namespace {

// Sets or clears environment variables for one test and puts the old values back afterwards.
class ScopedEnvironment {
  public:
    ~ScopedEnvironment() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second) {
                setenv(it->first.c_str(), it->second->c_str(), 1);
            } else {
                unsetenv(it->first.c_str());
            }
        }
    }
    void set(const std::string& name, const char* value) {
        const char* old = getenv(name.c_str());
        saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        if (value) {
            setenv(name.c_str(), value, 1);
        } else {
            unsetenv(name.c_str());
        }
    }

  private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

// A locale whose only definition is a US customary LC_MEASUREMENT, compiled into a directory of
// its own to be found through LOCPATH under the name "xx_US". Not available without localedef.
class UsMeasurementLocale {
  public:
    UsMeasurementLocale()
        : dir_(std::filesystem::path(PD_BINARY_DIR) / "test-locales" / std::to_string(getpid())) {
        std::filesystem::create_directories(dir_);
        const std::filesystem::path source = dir_ / "us_measurement";
        std::ofstream(source) << "LC_MEASUREMENT\nmeasurement 2\nEND LC_MEASUREMENT\n";
        // -c: the other categories are left undefined on purpose, which localedef warns about.
        const std::string command = "localedef -c -i '" + source.string() + "' '" +
                                    (dir_ / "xx_US").string() + "' >/dev/null 2>&1";
        available_ = std::system(command.c_str()) != -1 &&
                     std::filesystem::exists(dir_ / "xx_US" / "LC_MEASUREMENT");
    }
    ~UsMeasurementLocale() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    bool available() const { return available_; }
    std::string path() const { return dir_.string(); }

  private:
    // While LOCPATH is set, glibc's newlocale keeps its parsed copy of it on every call; that
    // leak is not ours to report.
    struct IgnoredLeaks {
#ifdef PD_LEAK_CHECKER
        IgnoredLeaks() {
            __lsan_disable();
        }
        ~IgnoredLeaks() {
            __lsan_enable();
        }
#endif
    } leaksIgnored_ [[maybe_unused]];
    std::filesystem::path dir_;
    bool available_ = false;
};

TEST(LocaleMeasurementSystem, ReadsTheEnvironmentsLocale) {
    ScopedEnvironment environment;
    environment.set("LC_ALL", "C");
    EXPECT_EQ(localeMeasurementSystem(), MeasurementSystem::metric);

    environment.set("LC_ALL", "zz_ZZ.NOSUCHLOCALE");
    EXPECT_EQ(localeMeasurementSystem(), std::nullopt);

    const UsMeasurementLocale usLocale;
    if (!usLocale.available()) GTEST_SKIP() << "localedef is not available";
    environment.set("LOCPATH", usLocale.path().c_str());
    environment.set("LC_ALL", "xx_US");
    EXPECT_EQ(localeMeasurementSystem(), MeasurementSystem::nonMetric);

    // LC_MEASUREMENT decides when LC_ALL is not set, and LANG when neither is.
    environment.set("LC_ALL", nullptr);
    environment.set("LANG", "C");
    environment.set("LC_MEASUREMENT", "xx_US");
    EXPECT_EQ(localeMeasurementSystem(), MeasurementSystem::nonMetric);
    environment.set("LC_MEASUREMENT", nullptr);
    EXPECT_EQ(localeMeasurementSystem(), MeasurementSystem::metric);
    environment.set("LANG", "xx_US");
    EXPECT_EQ(localeMeasurementSystem(), MeasurementSystem::nonMetric);
}

std::optional<MeasurementSystem> answerNonMetric() {
    return MeasurementSystem::nonMetric;
}

TEST(MeasurementSystemReader, InstallsAndRestoresTheReader) {
    ScopedEnvironment environment;
    environment.set("LC_ALL", "C");
    EXPECT_EQ(readMeasurementSystem(), MeasurementSystem::metric);
    setMeasurementSystemReader(answerNonMetric);
    EXPECT_EQ(readMeasurementSystem(), MeasurementSystem::nonMetric);
    useFilterMeasurementSystem();
    EXPECT_EQ(readMeasurementSystem(), MeasurementSystem::metric);
    setMeasurementSystemReader(answerNonMetric);
    setMeasurementSystemReader(nullptr);
    EXPECT_EQ(readMeasurementSystem(), MeasurementSystem::metric);
}

TEST(MeasurementSystemReader, FilterNeverAsksTheLocale) {
    const UsMeasurementLocale usLocale;
    if (!usLocale.available()) GTEST_SKIP() << "localedef is not available";
    ScopedEnvironment environment;
    environment.set("LOCPATH", usLocale.path().c_str());
    environment.set("LC_ALL", "xx_US");
    ASSERT_EQ(localeMeasurementSystem(), MeasurementSystem::nonMetric);
    useFilterMeasurementSystem();
    EXPECT_EQ(readMeasurementSystem(), MeasurementSystem::metric);
    setMeasurementSystemReader(nullptr);
}

}  // namespace
}  // namespace pd
