// The keychain over the Secret Service. An item carries the attributes "service" and "account"
// with the names as text, so that other keyring tools find it by them; a name that is not text
// (not well-formed UTF-8, or holding a NUL), which the bus cannot carry, goes as "service-hex" or
// "account-hex" with its bytes in hexadecimal instead, so that no two names meet in one item.
#include <libsecret/secret.h>

#include <memory>

#include "dialog/keychain.h"
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

struct ObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T>
using Object = std::unique_ptr<T, ObjectUnref>;

struct VariantUnref {
    void operator()(GVariant* variant) const { g_variant_unref(variant); }
};
using Variant = std::unique_ptr<GVariant, VariantUnref>;

struct ItemListFree {
    void operator()(GList* items) const { g_list_free_full(items, g_object_unref); }
};
using ItemList = std::unique_ptr<GList, ItemListFree>;

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

// Whether a Secret Service runs on the session bus now. Asked without starting one: a keyring
// that the bus would start for the request comes up locked, or asks the user for a password that
// nobody is there to type, and the print dialog would wait for it.
bool secretServiceRuns() {
    GError* raw = nullptr;
    const Object<GDBusConnection> bus(g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &raw));
    const Error busError(raw);
    if (!bus) return false;
    const Variant reply(g_dbus_connection_call_sync(
        bus.get(), "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
        "NameHasOwner", g_variant_new("(s)", "org.freedesktop.secrets"), G_VARIANT_TYPE("(b)"),
        G_DBUS_CALL_FLAGS_NO_AUTO_START, -1, nullptr, &raw));
    const Error callError(raw);
    if (!reply) return false;
    gboolean owned = FALSE;
    g_variant_get(reply.get(), "(b)", &owned);
    return owned != FALSE;
}

// The running Secret Service with a session for passwords; null where none answers.
Object<SecretService> secretService() {
    if (!secretServiceRuns()) return nullptr;
    GError* raw = nullptr;
    Object<SecretService> service(
        secret_service_get_sync(SECRET_SERVICE_OPEN_SESSION, nullptr, &raw));
    const Error error(raw);
    return service;
}

KeychainStatus store(std::string_view service, std::string_view account,
                     std::string_view password) {
    const Object<SecretService> secrets = secretService();
    if (!secrets) return keychainFailure;
    GError* raw = nullptr;
    // The user's default keyring, where it exists and is open: making or opening one would ask the
    // user.
    const Object<SecretCollection> collection(secret_collection_for_alias_sync(
        secrets.get(), SECRET_COLLECTION_DEFAULT, SECRET_COLLECTION_NONE, nullptr, &raw));
    const Error lookupError(raw);
    if (!collection || secret_collection_get_locked(collection.get())) return keychainFailure;
    const Attributes attributes = attributesOf(service, account);
    const std::string label =
        isText(service) && !service.empty() ? std::string(service) : "Password";
    const Value value(secret_value_new(
        password.empty() ? "" : password.data(), static_cast<gssize>(password.size()),
        isText(password) ? "text/plain" : "application/octet-stream"));
    const Object<SecretItem> item(secret_item_create_sync(
        collection.get(), &genericPasswordSchema, attributes.get(), label.c_str(), value.get(),
        SECRET_ITEM_CREATE_REPLACE, nullptr, &raw));
    const Error error(raw);
    return item && !error ? keychainSuccess : keychainFailure;
}

}  // namespace

KeychainStatus SecretServiceKeychain::findGenericPassword(std::string_view service,
                                                          std::string_view account,
                                                          std::string& password,
                                                          KeychainItem* item) {
    const Object<SecretService> secrets = secretService();
    if (!secrets) return keychainItemNotFound;
    const Attributes attributes = attributesOf(service, account);
    GError* raw = nullptr;
    // Locked items are found without their secret: unlocking would ask the user.
    const ItemList found(secret_service_search_sync(secrets.get(), &genericPasswordSchema,
                                                    attributes.get(), SECRET_SEARCH_LOAD_SECRETS,
                                                    nullptr, &raw));
    const Error error(raw);
    if (error) return keychainFailure;
    if (!found) return keychainItemNotFound;
    const Value value(secret_item_get_secret(static_cast<SecretItem*>(found->data)));
    if (!value) return keychainFailure;
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
