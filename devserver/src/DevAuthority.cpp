#include "DevAuthority.h"

#include <openssl/bn.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rand.h>
#include <openssl/x509v3.h>

#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace DevAuthority {

namespace {

struct KeyFree {
    void operator()(EVP_PKEY *key) const { EVP_PKEY_free(key); }
};
struct CertificateFree {
    void operator()(X509 *certificate) const { X509_free(certificate); }
};
using Key = std::unique_ptr<EVP_PKEY, KeyFree>;
using Certificate = std::unique_ptr<X509, CertificateFree>;

constexpr long kDay = 24L * 3600;
constexpr long kAuthorityDays = 3650;
// The longest life clients accept for a server certificate.
constexpr long kCertificateDays = 397;
constexpr long kRenewWithinDays = 7;

Key readKey(const std::string &path) {
    FILE *file = std::fopen(path.c_str(), "r");
    if (!file)
        return nullptr;
    Key key(PEM_read_PrivateKey(file, nullptr, nullptr, nullptr));
    std::fclose(file);
    return key;
}

Certificate readCertificate(const std::string &path) {
    FILE *file = std::fopen(path.c_str(), "r");
    if (!file)
        return nullptr;
    Certificate certificate(PEM_read_X509(file, nullptr, nullptr, nullptr));
    std::fclose(file);
    return certificate;
}

// Written beside the target and renamed over it, so that a service stopped half-way never leaves
// a truncated file behind; keys are readable by their owner only.
template <typename Write> void writeFile(const std::string &path, mode_t mode, Write write) {
    const std::string partial = path + ".new";
    const int descriptor = ::open(partial.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (descriptor < 0)
        throw std::runtime_error("cannot write " + partial);
    ::fchmod(descriptor, mode);
    FILE *file = ::fdopen(descriptor, "w");
    const bool written = file && write(file) == 1;
    const bool closed = file ? std::fclose(file) == 0 : ::close(descriptor) == 0;
    if (!written || !closed || std::rename(partial.c_str(), path.c_str()) != 0) {
        std::remove(partial.c_str());
        throw std::runtime_error("cannot write " + path);
    }
}

void writeKey(const std::string &path, EVP_PKEY *key) {
    writeFile(path, 0600, [key](FILE *file) {
        return PEM_write_PrivateKey(file, key, nullptr, nullptr, 0, nullptr, nullptr);
    });
}

void writeCertificate(const std::string &path, X509 *certificate) {
    writeFile(path, 0644, [certificate](FILE *file) { return PEM_write_X509(file, certificate); });
}

Key newKey() {
    Key key(EVP_EC_gen("P-256"));
    if (!key)
        throw std::runtime_error("cannot make a key");
    return key;
}

void addExtension(X509 *certificate, X509 *issuer, int nid, const char *value) {
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, issuer, certificate, nullptr, nullptr, 0);
    X509_EXTENSION *extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value);
    if (!extension || !X509_add_ext(certificate, extension, -1)) {
        X509_EXTENSION_free(extension);
        throw std::runtime_error("cannot add a certificate extension");
    }
    X509_EXTENSION_free(extension);
}

// A random serial number: two authorities made on different machines, or one made again, must
// not issue certificates that clients could take for each other's.
Certificate newCertificate(EVP_PKEY *key, const std::string &commonName, long days) {
    Certificate certificate(X509_new());
    unsigned char bytes[16];
    if (!certificate || RAND_bytes(bytes, sizeof bytes) != 1)
        throw std::runtime_error("cannot make a certificate");
    bytes[0] &= 0x7f;
    BIGNUM *number = BN_bin2bn(bytes, sizeof bytes, nullptr);
    BN_to_ASN1_INTEGER(number, X509_get_serialNumber(certificate.get()));
    BN_free(number);
    X509_set_version(certificate.get(), 2);
    X509_gmtime_adj(X509_getm_notBefore(certificate.get()), -3600);
    X509_gmtime_adj(X509_getm_notAfter(certificate.get()), days * kDay);
    X509_set_pubkey(certificate.get(), key);
    X509_NAME *name = X509_get_subject_name(certificate.get());
    X509_NAME_add_entry_by_txt(name, "O", MBSTRING_UTF8, reinterpret_cast<const unsigned char *>("Norvela"),
                               -1, -1, 0);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_UTF8,
                               reinterpret_cast<const unsigned char *>(commonName.c_str()), -1, -1, 0);
    return certificate;
}

void sign(X509 *certificate, EVP_PKEY *key) {
    if (X509_sign(certificate, key, EVP_sha256()) <= 0)
        throw std::runtime_error("cannot sign a certificate");
}

std::string hostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0 || !name[0])
        return "this machine";
    return name;
}

// Named after the machine, so that a developer who trusts several of them can tell them apart.
std::pair<Certificate, Key> makeAuthority() {
    Key key = newKey();
    Certificate certificate =
        newCertificate(key.get(), "Norvela Development CA (" + hostName() + ")", kAuthorityDays);
    X509_set_issuer_name(certificate.get(), X509_get_subject_name(certificate.get()));
    addExtension(certificate.get(), certificate.get(), NID_basic_constraints, "critical,CA:TRUE,pathlen:0");
    addExtension(certificate.get(), certificate.get(), NID_key_usage, "critical,keyCertSign,cRLSign");
    addExtension(certificate.get(), certificate.get(), NID_subject_key_identifier, "hash");
    sign(certificate.get(), key.get());
    return {std::move(certificate), std::move(key)};
}

std::pair<Certificate, Key> issueServerCertificate(X509 *authority, EVP_PKEY *authorityKey) {
    Key key = newKey();
    Certificate certificate = newCertificate(key.get(), "127.0.0.1", kCertificateDays);
    X509_set_issuer_name(certificate.get(), X509_get_subject_name(authority));
    addExtension(certificate.get(), authority, NID_basic_constraints, "critical,CA:FALSE");
    addExtension(certificate.get(), authority, NID_key_usage, "critical,digitalSignature");
    addExtension(certificate.get(), authority, NID_ext_key_usage, "serverAuth");
    addExtension(certificate.get(), authority, NID_subject_alt_name, "IP:127.0.0.1,DNS:localhost");
    addExtension(certificate.get(), authority, NID_subject_key_identifier, "hash");
    addExtension(certificate.get(), authority, NID_authority_key_identifier, "keyid:always");
    sign(certificate.get(), authorityKey);
    return {std::move(certificate), std::move(key)};
}

bool validFor(X509 *certificate, long seconds) {
    time_t until = std::time(nullptr) + seconds;
    return X509_cmp_time(X509_get0_notAfter(certificate), &until) > 0;
}

bool keyMatches(X509 *certificate, EVP_PKEY *key) {
    return X509_check_private_key(certificate, key) == 1;
}

// The server certificate is kept only while it still fits the authority and its own key.
bool serverCertificateUsable(X509 *certificate, EVP_PKEY *key, X509 *authority) {
    if (!certificate || !key || !keyMatches(certificate, key) ||
        !validFor(certificate, kRenewWithinDays * kDay))
        return false;
    EVP_PKEY *authorityKey = X509_get0_pubkey(authority);
    return authorityKey && X509_verify(certificate, authorityKey) == 1;
}

} // namespace

Files ensure(const std::string &dataFolder) {
    std::error_code error;
    fs::create_directories(dataFolder, error);
    // Absolute, since it is shown to be copied into other programs' settings.
    const std::string folder =
        error ? dataFolder : fs::absolute(dataFolder, error).lexically_normal().string();
    if (error)
        throw std::runtime_error("cannot create " + dataFolder + ": " + error.message());
    ::chmod(folder.c_str(), 0700);

    Files files;
    files.authorityCertificate = folder + "/ca.crt";
    files.certificate = folder + "/server.crt";
    files.key = folder + "/server.key";
    const std::string authorityKeyPath = folder + "/ca.key";

    Certificate authority = readCertificate(files.authorityCertificate);
    Key authorityKey = readKey(authorityKeyPath);
    if (!authority || !authorityKey || !keyMatches(authority.get(), authorityKey.get()) ||
        !validFor(authority.get(), kCertificateDays * kDay)) {
        auto made = makeAuthority();
        authority = std::move(made.first);
        authorityKey = std::move(made.second);
        writeKey(authorityKeyPath, authorityKey.get());
        writeCertificate(files.authorityCertificate, authority.get());
        files.authorityCreated = true;
    }

    Certificate certificate = readCertificate(files.certificate);
    Key key = readKey(files.key);
    if (files.authorityCreated || !serverCertificateUsable(certificate.get(), key.get(), authority.get())) {
        auto issued = issueServerCertificate(authority.get(), authorityKey.get());
        writeKey(files.key, issued.second.get());
        writeCertificate(files.certificate, issued.first.get());
    }
    return files;
}

} // namespace DevAuthority
