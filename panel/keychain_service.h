// The keychain on behalf of the settings application: the request block of pipe operations 2
// (get a password) and 3 (store one), and the generic-password functions beneath them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "dialog/keychain.h"

namespace pd {

inline constexpr std::size_t keychainFieldSize = 512;

// 1,540 packed bytes, the same in the request and the reply. The texts end at their first NUL
// byte, or with their field; the status is little-endian.
struct KeychainRequest {
    std::array<unsigned char, keychainFieldSize> account{};
    std::array<unsigned char, keychainFieldSize> password{};
    std::array<unsigned char, keychainFieldSize> service{};
    std::array<unsigned char, 4> status{};

    // A request from a message body: its first 1,540 bytes, NUL bytes for those it lacks.
    static KeychainRequest fromBody(std::span<const unsigned char> body);
    std::span<const unsigned char> bytes() const;
    void setStatus(std::int32_t value);
    std::int32_t statusValue() const;
};

static_assert(sizeof(KeychainRequest) == 1540);

// The text of a field: its bytes up to the first NUL, or all 512 of them when it has none.
std::string stringFromField(const std::array<unsigned char, keychainFieldSize>& field);

// Operation 2: the password of the item (service, account) in the password field, and the
// look-up's status (0 found; -25300 for an empty name or no such item).
KeychainRequest getKeychainPassword(Keychain& keychain, std::span<const unsigned char> body);
// Operation 3: stores the password field under (service, account); status 0 when stored, 1 when
// not.
KeychainRequest setKeychainPassword(Keychain& keychain, std::span<const unsigned char> body);

// The password of (service, account) into password when found; -25300 without a look-up when
// either name is empty.
KeychainStatus keychainFindPassword(Keychain& keychain, const std::string& service,
                                    const std::string& account, std::string& password,
                                    KeychainItem* item);
// False when either name is empty; otherwise whether a new item was added.
bool keychainAddPassword(Keychain& keychain, const std::string& service, const std::string& account,
                         const std::string& password);
// False without an item or for an empty password; otherwise whether it was replaced.
bool keychainModifyPassword(Keychain& keychain, const KeychainItem* item,
                            const std::string& password);
// False for an empty account; otherwise changes the password of an item that is found, or adds
// a new item.
bool keychainSetPassword(Keychain& keychain, const std::string& service, const std::string& account,
                         const std::string& password);

}  // namespace pd
