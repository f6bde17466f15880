#include "dialog/keychain.h"

namespace pd {

KeychainStatus MemoryKeychain::findGenericPassword(std::string_view service,
                                                   std::string_view account, std::string& password,
                                                   KeychainItem* item) {
    if (failWith != keychainSuccess) return failWith;
    const auto found = items.find({std::string(service), std::string(account)});
    if (found == items.end()) return keychainItemNotFound;
    password = found->second;
    if (item != nullptr) *item = KeychainItem{found->first.first, found->first.second};
    return keychainSuccess;
}

KeychainStatus MemoryKeychain::addGenericPassword(std::string_view service,
                                                  std::string_view account,
                                                  std::string_view password) {
    if (failWith != keychainSuccess) return failWith;
    const bool added =
        items.try_emplace({std::string(service), std::string(account)}, password).second;
    return added ? keychainSuccess : keychainDuplicateItem;
}

KeychainStatus MemoryKeychain::modifyPassword(const KeychainItem& item, std::string_view password) {
    if (failWith != keychainSuccess) return failWith;
    const auto found = items.find({item.service, item.account});
    if (found == items.end()) return keychainItemNotFound;
    found->second = password;
    return keychainSuccess;
}

}  // namespace pd
