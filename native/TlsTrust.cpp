#include "TlsTrust.h"

#include "BuildConfig.h"

#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslSocket>

namespace TlsTrust {

void install() {
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    QList<QSslCertificate> authorities = QSslConfiguration::systemCaCertificates();
    authorities += QSslCertificate::fromData(BuildConfig::trustedCaPem(), QSsl::Pem);
    config.setCaCertificates(authorities);
    config.setPeerVerifyMode(QSslSocket::VerifyPeer);
    QSslConfiguration::setDefaultConfiguration(config);
}

} // namespace TlsTrust
