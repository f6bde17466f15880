#include "panel/keychain_service.h"

#include <algorithm>
#include <cstring>

#include "core/base/text_conversion.h"

namespace pd {

KeychainRequest KeychainRequest::fromBody(std::span<const unsigned char> body) {
    KeychainRequest request;
    if (!body.empty()) std::memcpy(&request, body.data(), std::min(body.size(), sizeof request));
    return request;
}

std::span<const unsigned char> KeychainRequest::bytes() const {
    return {reinterpret_cast<const unsigned char*>(this), sizeof *this};
}

void KeychainRequest::setStatus(std::int32_t value) {
    for (std::size_t i = 0; i < status.size(); ++i)
        status[i] = static_cast<unsigned char>(static_cast<std::uint32_t>(value) >> (8 * i));
}

std::int32_t KeychainRequest::statusValue() const {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < status.size(); ++i) value |= std::uint32_t{status[i]} << (8 * i);
    return static_cast<std::int32_t>(value);
}

std::string stringFromField(const std::array<unsigned char, keychainFieldSize>& field) {
    const auto end = std::find(field.begin(), field.end(), 0);
    return std::string(field.begin(), end);
}

KeychainRequest getKeychainPassword(Keychain& keychain, std::span<const unsigned char> body) {
    KeychainRequest request = KeychainRequest::fromBody(body);
    std::string password;
    const KeychainStatus status =
        keychainFindPassword(keychain, stringFromField(request.service),
                             stringFromField(request.account), password, nullptr);
    // Valid UTF-8 of at most 511 bytes, up to the password's first NUL, the rest of the field NUL.
    copyUtf8Bounded(reinterpret_cast<char*>(request.password.data()), password.c_str(),
                    static_cast<std::uint32_t>(request.password.size()));
    request.setStatus(status);
    return request;
}

KeychainRequest setKeychainPassword(Keychain& keychain, std::span<const unsigned char> body) {
    KeychainRequest request = KeychainRequest::fromBody(body);
    const bool stored =
        keychainSetPassword(keychain, stringFromField(request.service),
                            stringFromField(request.account), stringFromField(request.password));
    request.setStatus(stored ? 0 : 1);
    return request;
}

KeychainStatus keychainFindPassword(Keychain& keychain, const std::string& service,
                                    const std::string& account, std::string& password,
                                    KeychainItem* item) {
    if (service.empty() || account.empty()) return keychainItemNotFound;
    return keychain.findGenericPassword(service, account, password, item);
}

bool keychainAddPassword(Keychain& keychain, const std::string& service, const std::string& account,
                         const std::string& password) {
    if (service.empty() || account.empty()) return false;
    return keychain.addGenericPassword(service, account, password) == keychainSuccess;
}

bool keychainModifyPassword(Keychain& keychain, const KeychainItem* item,
                            const std::string& password) {
    if (item == nullptr || password.empty()) return false;
    return keychain.modifyPassword(*item, password) == keychainSuccess;
}

bool keychainSetPassword(Keychain& keychain, const std::string& service, const std::string& account,
                         const std::string& password) {
    if (account.empty()) return false;
    // What the look-up writes into its password is not wanted.
    std::string scratch = password;
    KeychainItem item;
    if (keychainFindPassword(keychain, service, account, scratch, &item) == keychainSuccess)
        return keychainModifyPassword(keychain, &item, password);
    return keychainAddPassword(keychain, service, account, password);
}

}  // namespace pd
