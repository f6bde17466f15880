// A numeric locale with a decimal comma, for the tests that prove a conversion independent of the
// process's locale.
#pragma once

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace pd::test {

// Switches LC_NUMERIC to a locale with a decimal comma, building one under the build tree when
// the machine has none installed. False when none can be had.
inline bool switchToCommaLocale() {
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) return true;
    }
    const std::filesystem::path directory = std::filesystem::path(PD_BINARY_DIR) / "test-locales";
    if (!std::filesystem::exists(directory / "de_DE.UTF-8")) {
        std::filesystem::create_directories(directory);
        const std::string command = "localedef -i de_DE -f UTF-8 '" +
                                    (directory / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0) return false;
    }
    setenv("LOCPATH", directory.c_str(), 1);
    return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
}

}  // namespace pd::test
