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

// The identity of this process. The console user is the user of the session that is active on
// the machine's first seat, as systemd-logind keeps it in the seat's state file ("ACTIVE_UID=");
// none where logind runs no such seat or the user has no name in the user database.
class SystemUserIdentity final : public UserIdentity {
  public:
    explicit SystemUserIdentity(std::string seatStatePath = "/run/systemd/seats/seat0");

    std::optional<std::string> consoleUser() const override;
    std::optional<std::string> userDatabaseName() const override;
    std::optional<std::string> loginName() const override;

  private:
    std::string seatStatePath_;
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
