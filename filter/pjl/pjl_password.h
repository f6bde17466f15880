// Encryption of the passwords and relay-server values that the PJL job header carries.
//
// The printer decrypts them with the same key and IV, which both sides derive with SHA-256 from
// key material of the driver; neither is ever stored. The cipher is AES-256 in CBC mode over the
// text padded to whole blocks by the printer's own rule: p = 16 - (n mod 16) bytes (1 to 16), each
// of value p - 1. The primitives come from OpenSSL's libcrypto, loaded on first use.
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pd {

using Sha256Digest = std::array<unsigned char, 32>;
using Aes256Key = std::array<unsigned char, 32>;
using AesBlock = std::array<unsigned char, 16>;

// The key and IV that both the driver and the printer derive from the key material.
struct PjlCipherKey {
    Aes256Key key;
    AesBlock iv;
};
PjlCipherKey derivePjlCipherKey();

// The cipher cannot run (libcrypto cannot be loaded, or is out of memory). A header that must
// carry a secret cannot be written then: the job fails rather than reach the printer without it.
struct PjlEncryptionUnavailable : std::runtime_error {
    PjlEncryptionUnavailable() : std::runtime_error("libcrypto is unavailable") {}
};

// The upper-case hexadecimal text of the cipher text of text: 32 * (n / 16 + 1) digits for n
// bytes, the same on every call. Throws PjlEncryptionUnavailable when the cipher cannot run, so
// that a password is never written in the clear nor left out of a job that needs it.
std::string encryptPjlPassword(std::string_view text);

// The SHA-256 digest of length bytes at data.
Sha256Digest sha256(const void* data, std::size_t length);

// AES-256-CBC encryption of plain, whose length must be a whole number of blocks, without any
// padding of its own. Empty when the length is not a multiple of 16 or the cipher cannot run.
std::vector<unsigned char> aes256CbcEncrypt(const std::vector<unsigned char>& plain,
                                            const Aes256Key& key, const AesBlock& iv);

}  // namespace pd
