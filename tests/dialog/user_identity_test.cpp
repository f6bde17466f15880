#include "dialog/user_identity.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace pd {
namespace {

TEST(SystemUserIdentity, TheConsoleUserIsTheActiveUserOfTheFirstSeat) {
    const auto folder = std::filesystem::path(PD_BINARY_DIR) / "user_identity_test";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "seat0").string();
    const SystemUserIdentity system(path);
    const std::optional<std::string> ownName = system.userDatabaseName();
    ASSERT_TRUE(ownName.has_value());
    const std::string uid = std::to_string(getuid());
    const struct {
        const char* name;
        std::optional<std::string> state;  // nullopt: no such file
        std::optional<std::string> console;
    } cases[] = {
        {"active", "IS_SEAT0=1\nACTIVE=c1\nACTIVE_UID=" + uid + "\nUIDS=" + uid + "\n", ownName},
        {"last line without newline", "ACTIVE=c1\nACTIVE_UID=" + uid, ownName},
        {"no seat", std::nullopt, std::nullopt},
        {"no active session", "IS_SEAT0=1\nUIDS=\n", std::nullopt},
        {"empty id", "ACTIVE_UID=\n", std::nullopt},
        {"not a number", "ACTIVE_UID=12x\n", std::nullopt},
        {"negative", "ACTIVE_UID=-1\n", std::nullopt},
        {"too large", "ACTIVE_UID=99999999999\n", std::nullopt},
        {"no user of that id", "ACTIVE_UID=4000000000\n", std::nullopt},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(path);
        if (c.state) std::ofstream(path) << *c.state;
        EXPECT_EQ(c.console, system.consoleUser()) << c.name;
    }
}

}  // namespace
}  // namespace pd
