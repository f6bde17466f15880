#include "platform/user_identity.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace pd {

std::optional<std::string> SystemUserIdentity::userDatabaseName() const {
    long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 1024);
    passwd entry{};
    passwd* found = nullptr;
    int status = 0;
    // Entries of network user databases can be longer than the suggested buffer.
    while ((status = getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found)) ==
               ERANGE &&
           buffer.size() < (1u << 20)) {
        buffer.resize(buffer.size() * 2);
    }
    if (status != 0 || found == nullptr || found->pw_name == nullptr) return std::nullopt;
    return std::string(found->pw_name);
}

std::optional<std::string> SystemUserIdentity::loginName() const {
    char name[256] = {};
    if (getlogin_r(name, sizeof name) != 0) return std::nullopt;
    return std::string(name);
}

}  // namespace pd
