// The keychain over the Secret Service. An item carries the attributes "service" and "account"
// with the names as text, so that other keyring tools find it by them; a name that is not text
// (not well-formed UTF-8, or holding a NUL), which the bus cannot carry, goes as "service-hex" or
// "account-hex" with its bytes in hexadecimal instead, so that no two names meet in one item.
#include <libsecret/secret.h>

#include <memory>

#include "platform/keychain.h"
#include "platform/utf8.h"

namespace pd {
namespace {

// Items are matched by their attributes alone, whichever program stored them.
const SecretSchema genericPasswordSchema = {"com.talvo.GenericPassword",
                                            SECRET_SCHEMA_DONT_MATCH_NAME,
                                            {
                                                {"service", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                                {"account", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                                {"service-hex", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                                {"account-hex", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                                {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING},
                                            },
                                            0,
                                            nullptr,
                                            nullptr,
                                            nullptr,
                                            nullptr,
                                            nullptr,
                                            nullptr,
                                            nullptr};

bool isText(std::string_view bytes) {
    return bytes.find('\0') == std::string_view::npos &&
           isWellFormedUtf8(bytes.data(), bytes.size());
}

std::string upperHex(std::string_view bytes) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const unsigned char byte : bytes) {
        text += digits[byte >> 4];
        text += digits[byte & 0x0F];
    }
    return text;
}

struct HashTableUnref {
    void operator()(GHashTable* table) const { g_hash_table_unref(table); }
};
using Attributes = std::unique_ptr<GHashTable, HashTableUnref>;

struct ErrorFree {
    void operator()(GError* error) const { g_error_free(error); }
};
using Error = std::unique_ptr<GError, ErrorFree>;

struct ValueUnref {
    void operator()(SecretValue* value) const { secret_value_unref(value); }
};
using Value = std::unique_ptr<SecretValue, ValueUnref>;

void addName(GHashTable* table, const char* attribute, std::string_view name) {
    const std::string hexAttribute = std::string(attribute) + "-hex";
    const bool text = isText(name);
    const std::string value = text ? std::string(name) : upperHex(name);
    g_hash_table_insert(table, g_strdup(text ? attribute : hexAttribute.c_str()),
                        g_strdup(value.c_str()));
}

Attributes attributesOf(std::string_view service, std::string_view account) {
    Attributes table(g_hash_table_new_full(g_str_hash, g_str_equal, g_free, g_free));
    addName(table.get(), "service", service);
    addName(table.get(), "account", account);
    return table;
}

// An error of the bus or of the connection to it means that no Secret Service answers.
bool noSecretService(const GError* error) {
    return error->domain == G_DBUS_ERROR || error->domain == G_IO_ERROR;
}

KeychainStatus store(std::string_view service, std::string_view account,
                     std::string_view password) {
    const Attributes attributes = attributesOf(service, account);
    const std::string label =
        isText(service) && !service.empty() ? std::string(service) : "Password";
    const Value value(secret_value_new(
        password.empty() ? "" : password.data(), static_cast<gssize>(password.size()),
        isText(password) ? "text/plain" : "application/octet-stream"));
    GError* raw = nullptr;
    const gboolean stored = secret_password_storev_binary_sync(
        &genericPasswordSchema, attributes.get(), SECRET_COLLECTION_DEFAULT, label.c_str(),
        value.get(), nullptr, &raw);
    const Error error(raw);
    return stored && !error ? keychainSuccess : keychainFailure;
}

}  // namespace

KeychainStatus SecretServiceKeychain::findGenericPassword(std::string_view service,
                                                          std::string_view account,
                                                          std::string& password,
                                                          KeychainItem* item) {
    const Attributes attributes = attributesOf(service, account);
    GError* raw = nullptr;
    const Value value(secret_password_lookupv_binary_sync(&genericPasswordSchema, attributes.get(),
                                                          nullptr, &raw));
    const Error error(raw);
    if (error) return noSecretService(error.get()) ? keychainItemNotFound : keychainFailure;
    if (!value) return keychainItemNotFound;
    gsize length = 0;
    const gchar* bytes = secret_value_get(value.get(), &length);
    password.assign(bytes != nullptr ? bytes : "", bytes != nullptr ? length : 0);
    if (item != nullptr) *item = KeychainItem{std::string(service), std::string(account)};
    return keychainSuccess;
}

KeychainStatus SecretServiceKeychain::addGenericPassword(std::string_view service,
                                                         std::string_view account,
                                                         std::string_view password) {
    return store(service, account, password);
}

KeychainStatus SecretServiceKeychain::modifyPassword(const KeychainItem& item,
                                                     std::string_view password) {
    return store(item.service, item.account, password);
}

}  // namespace pd
