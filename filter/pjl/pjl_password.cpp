#include "filter/pjl/pjl_password.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>

#include <algorithm>
#include <cstdint>
#include <memory>

#include "core/record/hex.h"

namespace pd {
namespace {

// The key material, scattered: byte i of pjlKeyMaterial belongs at pjlKeyPositions[i] of the
// work buffer. Bytes 0 to 9 of that buffer give the key, bytes 10 to 19 the IV. Changing any of
// these bytes changes what every printer must decrypt with.
constexpr std::array<unsigned char, 20> pjlKeyMaterial = {
    0x5C, 0x3A, 0xE1, 0x07, 0x9B, 0x44, 0xD2, 0x6F, 0x18, 0xA5,
    0x73, 0xC9, 0x2E, 0xF0, 0x81, 0x36, 0xBD, 0x0A, 0x67, 0x9E,
};
constexpr std::array<std::int32_t, 20> pjlKeyPositions = {
    13, 2, 17, 8, 0, 11, 19, 5, 15, 3, 9, 18, 6, 12, 1, 16, 4, 10, 7, 14,
};

constexpr bool isPermutation(const std::array<std::int32_t, 20>& positions) {
    std::array<bool, 20> seen{};
    for (const std::int32_t position : positions) {
        if (position < 0 || position >= 20 || seen[position]) return false;
        seen[position] = true;
    }
    return true;
}
static_assert(isPermutation(pjlKeyPositions));

constexpr std::size_t aesBlockSize = 16;

struct CipherContextFree {
    void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
};

// Wipes a secret when it goes out of scope.
template <typename Buffer>
struct Wiped {
    Buffer& buffer;
    ~Wiped() { OPENSSL_cleanse(buffer.data(), buffer.size()); }
};

}  // namespace

Sha256Digest sha256(const void* data, std::size_t length) {
    Sha256Digest digest{};
    unsigned int size = 0;
    EVP_Digest(data, length, digest.data(), &size, EVP_sha256(), nullptr);
    return digest;
}

std::vector<unsigned char> aes256CbcEncrypt(const std::vector<unsigned char>& plain,
                                            const Aes256Key& key, const AesBlock& iv) {
    if (plain.size() % aesBlockSize != 0 || plain.size() > INT32_MAX) return {};
    const std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree> context(EVP_CIPHER_CTX_new());
    if (!context) return {};
    std::vector<unsigned char> cipher(plain.size());
    int written = 0;
    int finalWritten = 0;
    const bool ok =
        EVP_EncryptInit_ex(context.get(), EVP_aes_256_cbc(), nullptr, key.data(), iv.data()) == 1 &&
        EVP_CIPHER_CTX_set_padding(context.get(), 0) == 1 &&
        EVP_EncryptUpdate(context.get(), cipher.data(), &written, plain.data(),
                          static_cast<int>(plain.size())) == 1 &&
        EVP_EncryptFinal_ex(context.get(), cipher.data() + written, &finalWritten) == 1 &&
        static_cast<std::size_t>(written + finalWritten) == plain.size();
    if (!ok) return {};
    return cipher;
}

PjlCipherKey derivePjlCipherKey() {
    std::array<unsigned char, 20> work{};
    const Wiped<std::array<unsigned char, 20>> wipeWork{work};
    for (std::size_t i = 0; i < work.size(); ++i) work[pjlKeyPositions[i]] = pjlKeyMaterial[i];

    PjlCipherKey derived{};
    derived.key = sha256(work.data(), 10);
    Sha256Digest ivDigest = sha256(work.data() + 10, 10);
    const Wiped<Sha256Digest> wipeIvDigest{ivDigest};
    std::copy_n(ivDigest.begin(), derived.iv.size(), derived.iv.begin());
    return derived;
}

std::string encryptPjlPassword(std::string_view text) {
    PjlCipherKey derived = derivePjlCipherKey();
    const Wiped<Aes256Key> wipeKey{derived.key};
    const Wiped<AesBlock> wipeIv{derived.iv};

    // Reserved up front so that the copy of the text is never left behind by a reallocation.
    const std::size_t padding = aesBlockSize - text.size() % aesBlockSize;
    std::vector<unsigned char> plain;
    const Wiped<std::vector<unsigned char>> wipePlain{plain};
    plain.reserve(text.size() + padding);
    plain.assign(text.begin(), text.end());
    plain.resize(text.size() + padding, static_cast<unsigned char>(padding - 1));

    const std::vector<unsigned char> cipher = aes256CbcEncrypt(plain, derived.key, derived.iv);
    if (cipher.empty()) return {};
    return hexEncode(cipher.data(), static_cast<std::uint32_t>(cipher.size()));
}

}  // namespace pd
