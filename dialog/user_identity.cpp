#include "dialog/user_identity.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <sstream>
#include <vector>

#include "platform/small_file.h"

namespace pd {
namespace {

// The name of user in the user database; nullopt without an entry.
std::optional<std::string> nameOfUser(uid_t user) {
    const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 1024);
    passwd entry{};
    passwd* found = nullptr;
    int status = 0;
    // Entries of network user databases can be longer than the suggested buffer.
    while ((status = getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found)) == ERANGE &&
           buffer.size() < (1u << 20)) {
        buffer.resize(buffer.size() * 2);
    }
    if (status != 0 || found == nullptr || found->pw_name == nullptr) return std::nullopt;
    return std::string(found->pw_name);
}

// The user id of the line "ACTIVE_UID=N" of a seat's state; nullopt without a well-formed one.
std::optional<uid_t> activeUserOfSeat(const std::string& state) {
    constexpr std::string_view key = "ACTIVE_UID=";
    std::istringstream lines(state);
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with(key)) continue;
        const std::string_view number = std::string_view(line).substr(key.size());
        uid_t user = 0;
        const auto [end, error] =
            std::from_chars(number.data(), number.data() + number.size(), user);
        if (error != std::errc() || end != number.data() + number.size() || number.empty())
            return std::nullopt;
        return user;
    }
    return std::nullopt;
}

}  // namespace

SystemUserIdentity::SystemUserIdentity(std::string seatStatePath)
    : seatStatePath_(std::move(seatStatePath)) {}

std::optional<std::string> SystemUserIdentity::consoleUser() const {
    const std::optional<std::string> state = readSmallFile(seatStatePath_, 64 * 1024);
    if (!state) return std::nullopt;
    const std::optional<uid_t> user = activeUserOfSeat(*state);
    if (!user) return std::nullopt;
    return nameOfUser(*user);
}

std::optional<std::string> SystemUserIdentity::userDatabaseName() const {
    return nameOfUser(getuid());
}

std::optional<std::string> SystemUserIdentity::loginName() const {
    char name[256] = {};
    if (getlogin_r(name, sizeof name) != 0) return std::nullopt;
    return std::string(name);
}

}  // namespace pd
