#include "TlsTrust.h"

#include "BuildConfig.h"

#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslSocket>

namespace TlsTrust {

QByteArray installedAuthorities() {
    return BuildConfig::trustedCaPem();
}

QByteArray buildTreeAuthorities() {
    return BuildConfig::trustedCaPem() + '\n' + BuildConfig::developmentCaPem();
}

void install(const QByteArray &extraAuthoritiesPem) {
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    QList<QSslCertificate> authorities = QSslConfiguration::systemCaCertificates();
    authorities += QSslCertificate::fromData(extraAuthoritiesPem, QSsl::Pem);
    config.setCaCertificates(authorities);
    config.setPeerVerifyMode(QSslSocket::VerifyPeer);
    QSslConfiguration::setDefaultConfiguration(config);
}

} // namespace TlsTrust
