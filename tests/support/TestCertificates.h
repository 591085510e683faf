#pragma once

#include <openssl/evp.h>
#include <openssl/x509.h>

#include <memory>
#include <string>

// Certificates for test servers, made in memory: one issued by the development authority the
// client trusts, one expired, one self-signed.
namespace TestCertificates {

struct KeyDeleter {
    void operator()(EVP_PKEY *key) const { EVP_PKEY_free(key); }
};
struct CertDeleter {
    void operator()(X509 *cert) const { X509_free(cert); }
};
using Key = std::unique_ptr<EVP_PKEY, KeyDeleter>;
using Certificate = std::unique_ptr<X509, CertDeleter>;

struct Identity {
    Certificate certificate;
    Key key;
};

enum class Kind {
    IssuedByDevelopmentAuthority, // trusted by the client
    Expired,                      // issued by the same authority, but its validity ended yesterday
    SelfSigned,                   // signed by its own key, trusted by nobody
};

// A certificate for 127.0.0.1 and localhost of the given kind, with a fresh key.
Identity make(Kind kind);

// The folder the build made the development certificates in.
std::string developmentCertificateDir();

} // namespace TestCertificates
