#include "TestCertificates.h"

#include <openssl/pem.h>
#include <openssl/rsa.h>
#include <openssl/x509v3.h>

#include <cstdio>
#include <stdexcept>

namespace TestCertificates {

namespace {

Key newKey() {
    EVP_PKEY *key = EVP_RSA_gen(2048);
    if (!key)
        throw std::runtime_error("cannot generate an RSA key");
    return Key(key);
}

template <typename T, typename Reader> T readPem(const std::string &path, Reader reader) {
    FILE *file = std::fopen(path.c_str(), "r");
    if (!file)
        throw std::runtime_error("cannot open " + path);
    auto *object = reader(file, nullptr, nullptr, nullptr);
    std::fclose(file);
    if (!object)
        throw std::runtime_error("cannot read " + path);
    return T(object);
}

void addExtension(X509 *cert, X509 *issuer, int nid, const char *value) {
    X509V3_CTX ctx;
    X509V3_set_ctx_nodb(&ctx);
    X509V3_set_ctx(&ctx, issuer, cert, nullptr, nullptr, 0);
    X509_EXTENSION *extension = X509V3_EXT_conf_nid(nullptr, &ctx, nid, value);
    X509_add_ext(cert, extension, -1);
    X509_EXTENSION_free(extension);
}

} // namespace

std::string developmentCertificateDir() {
    return NORVELA_DEVCERT_DIR;
}

Identity make(Kind kind) {
    Identity identity{Certificate(X509_new()), newKey()};
    X509 *cert = identity.certificate.get();
    static long serial = 1000;
    X509_set_version(cert, 2);
    ASN1_INTEGER_set(X509_get_serialNumber(cert), ++serial);
    if (kind == Kind::Expired) {
        X509_gmtime_adj(X509_getm_notBefore(cert), -30L * 24 * 3600);
        X509_gmtime_adj(X509_getm_notAfter(cert), -24L * 3600);
    } else {
        X509_gmtime_adj(X509_getm_notBefore(cert), -3600);
        X509_gmtime_adj(X509_getm_notAfter(cert), 30L * 24 * 3600);
    }
    X509_set_pubkey(cert, identity.key.get());
    X509_NAME *name = X509_get_subject_name(cert);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char *>("127.0.0.1"),
                               -1, -1, 0);

    if (kind == Kind::SelfSigned) {
        X509_set_issuer_name(cert, name);
        addExtension(cert, cert, NID_subject_alt_name, "IP:127.0.0.1,DNS:localhost");
        X509_sign(cert, identity.key.get(), EVP_sha256());
        return identity;
    }

    const std::string dir = developmentCertificateDir();
    auto caCert = readPem<Certificate>(dir + "/ca.crt", PEM_read_X509);
    auto caKey = readPem<Key>(dir + "/ca.key", PEM_read_PrivateKey);
    X509_set_issuer_name(cert, X509_get_subject_name(caCert.get()));
    addExtension(cert, caCert.get(), NID_subject_alt_name, "IP:127.0.0.1,DNS:localhost");
    addExtension(cert, caCert.get(), NID_basic_constraints, "CA:FALSE");
    X509_sign(cert, caKey.get(), EVP_sha256());
    return identity;
}

} // namespace TestCertificates
