#include "filter/pjl/pjl_password.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <memory>
#include <string>
#include <vector>

namespace pd {
namespace {

std::vector<unsigned char> fromHex(std::string_view hex) {
    std::vector<unsigned char> bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(
            static_cast<unsigned char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    }
    return bytes;
}

template <typename Bytes>
std::string toLowerHex(const Bytes& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (unsigned char byte : bytes) {
        text += digits[byte >> 4];
        text += digits[byte & 0xF];
    }
    return text;
}

TEST(Sha256, MatchesTheStandardExamples) {
    const std::pair<std::string, const char*> cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        // 56 bytes: the padding needs a second block.
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
    };
    for (const auto& [message, digest] : cases) {
        EXPECT_EQ(toLowerHex(sha256(message.data(), message.size())), digest) << message;
    }
}

TEST(Aes256Cbc, MatchesTheStandardExample) {
    Aes256Key key;
    AesBlock iv;
    const auto keyBytes =
        fromHex("603deb1015ca71be2b73aef0857d77811f352c073b6108d72d9810a30914dff4");
    const auto ivBytes = fromHex("000102030405060708090a0b0c0d0e0f");
    std::copy(keyBytes.begin(), keyBytes.end(), key.begin());
    std::copy(ivBytes.begin(), ivBytes.end(), iv.begin());
    const auto plain = fromHex(
        "6bc1bee22e409f96e93d7e117393172aae2d8a571e03ac9c9eb76fac45af8e51"
        "30c81c46a35ce411e5fbc1191a0a52eff69f2445df4f9b17ad2b417be66c3710");
    EXPECT_EQ(toLowerHex(aes256CbcEncrypt(plain, key, iv)),
              "f58c4c04d6e5f1ba779eabfb5f7bfbd69cfc4e967edb808d679f777bc6702c7d"
              "39f23369a9d9bacfa530e26304231461b2eb05e2c39be9fcda6c19078c6a9d1b");
    EXPECT_TRUE(aes256CbcEncrypt(std::vector<unsigned char>(15), key, iv).empty());
}

std::vector<unsigned char> decrypt(const std::vector<unsigned char>& cipher) {
    const PjlCipherKey derived = derivePjlCipherKey();
    std::unique_ptr<EVP_CIPHER_CTX, void (*)(EVP_CIPHER_CTX*)> context(EVP_CIPHER_CTX_new(),
                                                                       EVP_CIPHER_CTX_free);
    std::vector<unsigned char> plain(cipher.size());
    int written = 0;
    int finalWritten = 0;
    EXPECT_EQ(EVP_DecryptInit_ex(context.get(), EVP_aes_256_cbc(), nullptr, derived.key.data(),
                                 derived.iv.data()),
              1);
    EVP_CIPHER_CTX_set_padding(context.get(), 0);
    EXPECT_EQ(EVP_DecryptUpdate(context.get(), plain.data(), &written, cipher.data(),
                                static_cast<int>(cipher.size())),
              1);
    EXPECT_EQ(EVP_DecryptFinal_ex(context.get(), plain.data() + written, &finalWritten), 1);
    plain.resize(written + finalWritten);
    return plain;
}

TEST(EncryptPjlPassword, PadsToWholeBlocksWithCountMinusOne) {
    const std::pair<std::size_t, std::size_t> cases[] = {
        {0, 32}, {1, 32}, {15, 32}, {16, 64}, {17, 64}, {31, 64}, {32, 96},
    };
    for (const auto& [length, digits] : cases) {
        const std::string text(length, 'k');
        const std::string hex = encryptPjlPassword(text);
        ASSERT_EQ(hex.size(), digits) << length;
        EXPECT_EQ(hex.find_first_not_of("0123456789ABCDEF"), std::string::npos) << hex;
        EXPECT_EQ(encryptPjlPassword(text), hex);

        const std::vector<unsigned char> plain = decrypt(fromHex(hex));
        const std::size_t padding = 16 - length % 16;
        std::vector<unsigned char> expected(text.begin(), text.end());
        expected.resize(length + padding, static_cast<unsigned char>(padding - 1));
        EXPECT_EQ(plain, expected) << length;
    }
}

TEST(EncryptPjlPassword, KeepsEveryByteOfTheText) {
    const std::string text("pa\0ss\xFF\"w\r\n", 10);
    const std::vector<unsigned char> plain = decrypt(fromHex(encryptPjlPassword(text)));
    ASSERT_EQ(plain.size(), 16u);
    EXPECT_EQ(std::string(plain.begin(), plain.begin() + 10), text);
    EXPECT_NE(encryptPjlPassword("secret1"), encryptPjlPassword("secret2"));
}

}  // namespace
}  // namespace pd
