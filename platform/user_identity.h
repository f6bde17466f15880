// Who the user of the print dialog is, from the three places a name can come from.
#pragma once

#include <optional>
#include <string>

namespace pd {

class UserIdentity {
  public:
    virtual ~UserIdentity() = default;

    // The user logged in at the machine's console; nullopt when the system names none.
    virtual std::optional<std::string> consoleUser() const = 0;
    // The name of the process's real user in the user database; nullopt without an entry.
    virtual std::optional<std::string> userDatabaseName() const = 0;
    // The login name of the process's session; nullopt when there is none.
    virtual std::optional<std::string> loginName() const = 0;
};

// The identity of this process. Linux names no single console user: a machine may show several
// sessions at once, and the dialog's user is the process's own, which the other two give.
class SystemUserIdentity final : public UserIdentity {
  public:
    std::optional<std::string> consoleUser() const override { return std::nullopt; }
    std::optional<std::string> userDatabaseName() const override;
    std::optional<std::string> loginName() const override;
};

// An identity held in memory, for tests.
struct MemoryUserIdentity final : UserIdentity {
    std::optional<std::string> console;
    std::optional<std::string> database;
    std::optional<std::string> login;

    std::optional<std::string> consoleUser() const override { return console; }
    std::optional<std::string> userDatabaseName() const override { return database; }
    std::optional<std::string> loginName() const override { return login; }
};

}  // namespace pd
