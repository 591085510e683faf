#include "Passwords.h"

#include "Clock.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>

#include <stdexcept>

namespace Passwords {

namespace {

constexpr int kIterations = 20000;

std::string derive(const std::string &password, const std::string &salt) {
    unsigned char out[32];
    if (PKCS5_PBKDF2_HMAC(password.data(), static_cast<int>(password.size()),
                          reinterpret_cast<const unsigned char *>(salt.data()), static_cast<int>(salt.size()),
                          kIterations, EVP_sha256(), sizeof out, out) != 1)
        throw std::runtime_error("PBKDF2 failed");
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : out) {
        hex.push_back(digits[c >> 4]);
        hex.push_back(digits[c & 0xF]);
    }
    return hex;
}

} // namespace

Hashed hash(const std::string &password) {
    Hashed result;
    result.salt = Ids::randomToken(16);
    result.hash = derive(password, result.salt);
    return result;
}

bool verify(const std::string &password, const std::string &hash, const std::string &salt) {
    if (hash.empty() || salt.empty())
        return false;
    const std::string candidate = derive(password, salt);
    return candidate.size() == hash.size() && CRYPTO_memcmp(candidate.data(), hash.data(), hash.size()) == 0;
}

} // namespace Passwords
