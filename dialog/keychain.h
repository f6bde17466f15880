// The user's keychain of generic passwords: items identified by a service and an account name,
// each holding a password of any bytes. Results are the platform's status codes: 0 for success,
// keychainItemNotFound when no item matches.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace pd {

using KeychainStatus = std::int32_t;

inline constexpr KeychainStatus keychainSuccess = 0;
inline constexpr KeychainStatus keychainItemNotFound = -25300;
inline constexpr KeychainStatus keychainDuplicateItem = -25299;
// The keychain refused or failed the request (locked, denied, broken).
inline constexpr KeychainStatus keychainFailure = -25293;

// A found item: the names that identify it.
struct KeychainItem {
    std::string service;
    std::string account;
};

class Keychain {
  public:
    virtual ~Keychain() = default;

    // The password of the item (service, account) into password, and the item into item when
    // it is not null. password and item are left alone on failure.
    virtual KeychainStatus findGenericPassword(std::string_view service, std::string_view account,
                                               std::string& password, KeychainItem* item) = 0;
    // Adds the item (service, account) with password.
    virtual KeychainStatus addGenericPassword(std::string_view service, std::string_view account,
                                              std::string_view password) = 0;
    // Replaces the password of a found item.
    virtual KeychainStatus modifyPassword(const KeychainItem& item, std::string_view password) = 0;
};

// The user's keyring, through the Secret Service over the session bus (libsecret). Where none runs,
// none is started: nothing is found (keychainItemNotFound) and nothing can be stored. Nothing here
// asks the user: a locked keyring is not unlocked (its items are a keychainFailure) and a missing
// default keyring is not made (storing fails). Passwords travel to the service and back only;
// nothing is written to a file here.
class SecretServiceKeychain final : public Keychain {
  public:
    KeychainStatus findGenericPassword(std::string_view service, std::string_view account,
                                       std::string& password, KeychainItem* item) override;
    KeychainStatus addGenericPassword(std::string_view service, std::string_view account,
                                      std::string_view password) override;
    KeychainStatus modifyPassword(const KeychainItem& item, std::string_view password) override;
};

// The keychain of a system that has none: nothing is found and nothing can be stored.
class NoKeychain final : public Keychain {
  public:
    KeychainStatus findGenericPassword(std::string_view, std::string_view, std::string&,
                                       KeychainItem*) override {
        return keychainItemNotFound;
    }
    KeychainStatus addGenericPassword(std::string_view, std::string_view,
                                      std::string_view) override {
        return keychainFailure;
    }
    KeychainStatus modifyPassword(const KeychainItem&, std::string_view) override {
        return keychainFailure;
    }
};

// A keychain held in memory, for tests. failWith, when not 0, is the status of every request.
class MemoryKeychain final : public Keychain {
  public:
    std::map<std::pair<std::string, std::string>, std::string> items;
    KeychainStatus failWith = keychainSuccess;

    KeychainStatus findGenericPassword(std::string_view service, std::string_view account,
                                       std::string& password, KeychainItem* item) override;
    KeychainStatus addGenericPassword(std::string_view service, std::string_view account,
                                      std::string_view password) override;
    KeychainStatus modifyPassword(const KeychainItem& item, std::string_view password) override;
};

}  // namespace pd
