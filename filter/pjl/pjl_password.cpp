#include "filter/pjl/pjl_password.h"

#include <dlfcn.h>
#include <openssl/evp.h>
#include <openssl/opensslv.h>
#include <string.h>

#include <algorithm>
#include <cstdint>
#include <memory>

#include "core/base/hex.h"

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

#define PD_TEXT_OF(x) #x
#define PD_SONAME(version) "libcrypto.so." PD_TEXT_OF(version)

// libcrypto, loaded on the first encryption rather than at start: most jobs carry no password,
// and loading it at start cost every job about 3 million instructions and 1.4 MB of pages.
struct Libcrypto {
    decltype(&EVP_Digest) digest = nullptr;
    decltype(&EVP_sha256) sha256 = nullptr;
    decltype(&EVP_CIPHER_CTX_new) newContext = nullptr;
    decltype(&EVP_CIPHER_CTX_free) freeContext = nullptr;
    decltype(&EVP_aes_256_cbc) aes256Cbc = nullptr;
    decltype(&EVP_EncryptInit_ex) encryptInit = nullptr;
    decltype(&EVP_CIPHER_CTX_set_padding) setPadding = nullptr;
    decltype(&EVP_EncryptUpdate) encryptUpdate = nullptr;
    decltype(&EVP_EncryptFinal_ex) encryptFinal = nullptr;
};

template <typename Function>
bool bind(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// The functions of the libcrypto the build was compiled against, or null when it cannot be
// loaded: then nothing can be encrypted.
const Libcrypto* libcrypto() {
    static const Libcrypto* const loaded = []() -> const Libcrypto* {
        static Libcrypto functions;
        void* library = dlopen(PD_SONAME(OPENSSL_SHLIB_VERSION), RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) return nullptr;
        const bool complete = bind(library, "EVP_Digest", functions.digest) &&
                              bind(library, "EVP_sha256", functions.sha256) &&
                              bind(library, "EVP_CIPHER_CTX_new", functions.newContext) &&
                              bind(library, "EVP_CIPHER_CTX_free", functions.freeContext) &&
                              bind(library, "EVP_aes_256_cbc", functions.aes256Cbc) &&
                              bind(library, "EVP_EncryptInit_ex", functions.encryptInit) &&
                              bind(library, "EVP_CIPHER_CTX_set_padding", functions.setPadding) &&
                              bind(library, "EVP_EncryptUpdate", functions.encryptUpdate) &&
                              bind(library, "EVP_EncryptFinal_ex", functions.encryptFinal);
        return complete ? &functions : nullptr;
    }();
    return loaded;
}

struct CipherContextFree {
    void operator()(EVP_CIPHER_CTX* context) const { libcrypto()->freeContext(context); }
};

// Wipes a secret when it goes out of scope.
template <typename Buffer>
struct Wiped {
    Buffer& buffer;
    ~Wiped() { explicit_bzero(buffer.data(), buffer.size()); }
};

}  // namespace

Sha256Digest sha256(const void* data, std::size_t length) {
    Sha256Digest digest{};
    unsigned int size = 0;
    const Libcrypto* crypto = libcrypto();
    if (crypto != nullptr)
        crypto->digest(data, length, digest.data(), &size, crypto->sha256(), nullptr);
    return digest;
}

std::vector<unsigned char> aes256CbcEncrypt(const std::vector<unsigned char>& plain,
                                            const Aes256Key& key, const AesBlock& iv) {
    const Libcrypto* crypto = libcrypto();
    if (crypto == nullptr || plain.size() % aesBlockSize != 0 || plain.size() > INT32_MAX)
        return {};
    const std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree> context(crypto->newContext());
    if (!context) return {};
    std::vector<unsigned char> cipher(plain.size());
    int written = 0;
    int finalWritten = 0;
    const bool ok =
        crypto->encryptInit(context.get(), crypto->aes256Cbc(), nullptr, key.data(), iv.data()) ==
            1 &&
        crypto->setPadding(context.get(), 0) == 1 &&
        crypto->encryptUpdate(context.get(), cipher.data(), &written, plain.data(),
                              static_cast<int>(plain.size())) == 1 &&
        crypto->encryptFinal(context.get(), cipher.data() + written, &finalWritten) == 1 &&
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
    if (cipher.empty()) throw PjlEncryptionUnavailable();
    return hexEncode(cipher.data(), static_cast<std::uint32_t>(cipher.size()));
}

}  // namespace pd
