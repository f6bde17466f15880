#include "panel/keychain_service.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace pd {
namespace {

using Bytes = std::vector<unsigned char>;

Bytes request(const std::string& account, const std::string& password, const std::string& service,
              std::int32_t status = 7) {
    KeychainRequest block;
    std::memcpy(block.account.data(), account.data(), std::min<std::size_t>(account.size(), 512));
    std::memcpy(block.password.data(), password.data(),
                std::min<std::size_t>(password.size(), 512));
    std::memcpy(block.service.data(), service.data(), std::min<std::size_t>(service.size(), 512));
    block.setStatus(status);
    return Bytes(block.bytes().begin(), block.bytes().end());
}

std::string passwordOf(const KeychainRequest& reply) {
    return stringFromField(reply.password);
}

TEST(KeychainService, GetAnswersTheStoredPasswordOrTheLookUpsStatus) {
    MemoryKeychain keychain;
    keychain.items[{"print", "alice"}] = "secret";
    keychain.items[{"long", "alice"}] = std::string(200, 'a') + std::string(150, '\0') + "x";
    std::string multiByte;
    while (multiByte.size() < 600) multiByte += "\xE2\x82\xAC";  // the euro sign
    keychain.items[{"euro", "alice"}] = multiByte;
    keychain.items[{"latin1", "alice"}] = "caf\xE9";
    const struct {
        std::string account;
        std::string service;
        std::int32_t status;
        std::string password;
    } cases[] = {
        {"alice", "print", 0, "secret"},
        {"bob", "print", -25300, ""},
        {"", "print", -25300, ""},
        {"alice", "", -25300, ""},
        // Up to a NUL inside the password; whole sequences within 511 bytes; "?" for bytes of
        // text that is not UTF-8.
        {"alice", "long", 0, std::string(200, 'a')},
        {"alice", "euro", 0, multiByte.substr(0, 510)},
        {"alice", "latin1", 0, "caf?"},
    };
    for (const auto& c : cases) {
        const KeychainRequest reply =
            getKeychainPassword(keychain, request(c.account, "", c.service));
        EXPECT_EQ(c.status, reply.statusValue()) << c.account << "/" << c.service;
        EXPECT_EQ(c.password, passwordOf(reply)) << c.account << "/" << c.service;
        EXPECT_EQ(c.account, stringFromField(reply.account));
        EXPECT_EQ(c.service, stringFromField(reply.service));
    }
    keychain.failWith = -25293;
    EXPECT_EQ(-25293, getKeychainPassword(keychain, request("alice", "", "print")).statusValue());
}

TEST(KeychainService, SetAddsChangesAndRefusesAsTheOrderOfItsCallsSays) {
    MemoryKeychain keychain;
    const auto set = [&](const std::string& account, const std::string& password,
                         const std::string& service) {
        const Bytes body = request(account, password, service);
        const KeychainRequest reply = setKeychainPassword(keychain, body);
        // The request's fields come back as they were.
        EXPECT_EQ(0, std::memcmp(reply.bytes().data(), body.data(), 1536));
        return reply.statusValue();
    };
    EXPECT_EQ(0, set("alice", "one", "print"));
    EXPECT_EQ("one", keychain.items.at({"print", "alice"}));
    EXPECT_EQ(0, set("alice", "two", "print"));
    EXPECT_EQ("two", keychain.items.at({"print", "alice"}));
    // An empty password changes no item, but makes a new one.
    EXPECT_EQ(1, set("alice", "", "print"));
    EXPECT_EQ("two", keychain.items.at({"print", "alice"}));
    EXPECT_EQ(0, set("carol", "", "print"));
    EXPECT_EQ("", keychain.items.at({"print", "carol"}));
    EXPECT_EQ(1, set("", "pw", "print"));
    EXPECT_EQ(1, set("alice", "pw", ""));
    EXPECT_EQ(2u, keychain.items.size());
    keychain.failWith = -25293;
    EXPECT_EQ(1, set("dave", "pw", "print"));
}

TEST(KeychainService, ReadsEachFieldWithinItsOwn512Bytes) {
    MemoryKeychain keychain;
    // Fields without a NUL are texts of 512 bytes; the status word is not part of the service.
    const std::string account(512, 'A');
    const std::string password(512, 'P');
    const std::string service(512, 'S');
    EXPECT_EQ(0,
              setKeychainPassword(keychain, request(account, password, service, -1)).statusValue());
    EXPECT_EQ(password, keychain.items.at({service, account}));
    const KeychainRequest reply = getKeychainPassword(keychain, request(account, "", service));
    EXPECT_EQ(0, reply.statusValue());
    EXPECT_EQ(std::string(511, 'P'), passwordOf(reply));

    // A short body reads as padded with NUL bytes, a long one is cut: the account alone is a
    // request with neither password nor service.
    const Bytes accountOnly(512, 'A');
    EXPECT_EQ(-25300, getKeychainPassword(keychain, accountOnly).statusValue());
    EXPECT_EQ(1, setKeychainPassword(keychain, accountOnly).statusValue());
    Bytes longer = request(account, "", service);
    longer.resize(4000, 'Z');
    EXPECT_EQ(0, getKeychainPassword(keychain, longer).statusValue());
}

}  // namespace
}  // namespace pd
