#pragma once

#include <string>

// Salted PBKDF2-HMAC-SHA256 password hashes.
namespace Passwords {

struct Hashed {
    std::string hash;
    std::string salt;
};

Hashed hash(const std::string &password);
bool verify(const std::string &password, const std::string &hash, const std::string &salt);

} // namespace Passwords
