// The installed service, given no certificate, makes a development authority of its own in its
// data folder and keeps it across starts; the client reaches it only when told to trust that
// authority, and the installed client trusts no development authority at all.

#include "TestDevServer.h"
#include "TlsTrust.h"

#include <httplib.h>

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTest>
#include <QTimer>

namespace {

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The status of the site page fetched with OpenSSL trusting only `authorityFile`; 0 when the
// certificate was refused.
int statusTrusting(int port, const QString &authorityFile) {
    httplib::SSLClient client("127.0.0.1", port);
    client.set_ca_cert_path(authorityFile.toStdString().c_str());
    client.enable_server_certificate_verification(true);
    client.set_connection_timeout(10, 0);
    const auto result = client.Get("/");
    return result ? result->status : 0;
}

// The status of the site page fetched through Qt's network stack, as the client's requests,
// uploads and downloads are made, with the default TLS configuration of the moment; 0 when the
// certificate was refused.
int statusFromClient(const QString &origin) {
    QNetworkAccessManager manager;
    QNetworkReply *reply = manager.get(QNetworkRequest(QUrl(origin + QStringLiteral("/"))));
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(15000, &loop, &QEventLoop::quit);
    loop.exec();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    delete reply;
    return status;
}

} // namespace

class TestOwnAuthority : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void makesItsAuthorityOnFirstStartAndKeepsIt();
    void clientTrustsItOnlyWhenGivenItsAuthority();
};

void TestOwnAuthority::makesItsAuthorityOnFirstStartAndKeepsIt() {
    DevServerProcess server(shippedDevServerProgram());
    QVERIFY2(server.start(), qPrintable(server.errorOutput()));
    const QString tls = server.dataDir() + QStringLiteral("/tls");
    const QString authority = tls + QStringLiteral("/ca.crt");
    // Whoever holds the authority's key can vouch for any site to those who trust it.
    const QFile::Permissions othersAndGroup = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                              QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    for (const char *key : {"/ca.key", "/server.key"}) {
        const QFile::Permissions permissions = QFile::permissions(tls + QLatin1String(key));
        QVERIFY(permissions.testFlag(QFile::ReadOwner));
        QVERIFY2(!(permissions & othersAndGroup), key);
    }
    QCOMPARE(statusTrusting(server.port(), authority), 200);
    // It is not the build's certificate that it serves.
    QCOMPARE(statusTrusting(server.port(), QStringLiteral(NORVELA_DEVCERT_CA)), 0);
    QCOMPARE(server.stop(), 0);
    QVERIFY2(server.errorOutput().contains(QStringLiteral("made a development certificate authority: ") +
                                           authority),
             qPrintable(server.errorOutput()));

    // A later start keeps the authority a developer may already trust, and a lost server
    // certificate is issued again by it.
    const QByteArray firstAuthority = readFile(authority);
    const QByteArray firstCertificate = readFile(tls + QStringLiteral("/server.crt"));
    QVERIFY(!firstAuthority.isEmpty() && !firstCertificate.isEmpty());
    QVERIFY(QFile::remove(tls + QStringLiteral("/server.crt")));
    QVERIFY2(server.start(), qPrintable(server.errorOutput()));
    QCOMPARE(readFile(authority), firstAuthority);
    const QByteArray secondCertificate = readFile(tls + QStringLiteral("/server.crt"));
    QVERIFY(!secondCertificate.isEmpty() && secondCertificate != firstCertificate);
    QCOMPARE(statusTrusting(server.port(), authority), 200);
    QCOMPARE(server.stop(), 0);
    QCOMPARE(server.errorOutput().count(QStringLiteral("made a development certificate authority")), 1);
    QVERIFY(server.errorOutput().contains(QStringLiteral("development certificate authority: ") + authority));
}

void TestOwnAuthority::clientTrustsItOnlyWhenGivenItsAuthority() {
    // One service vouched for by its own authority, one by the build's (the one the tests use).
    DevServerProcess own(shippedDevServerProgram());
    DevServerProcess buildTree(devServerProgram());
    QVERIFY2(own.start(), qPrintable(own.errorOutput()));
    QVERIFY2(buildTree.start(), qPrintable(buildTree.errorOutput()));
    const QByteArray ownAuthority = readFile(own.dataDir() + QStringLiteral("/tls/ca.crt"));
    QVERIFY(!ownAuthority.isEmpty());

    struct Case {
        const char *trust;
        QByteArray authorities;
        int ownStatus;
        int buildTreeStatus;
    };
    const Case cases[] = {
        {"the installed program's", TlsTrust::installedAuthorities(), 0, 0},
        {"the program built in the tree", TlsTrust::buildTreeAuthorities(), 0, 200},
        {"the service's own authority", ownAuthority, 200, 0},
    };
    for (const Case &trust : cases) {
        TlsTrust::install(trust.authorities);
        QVERIFY2(statusFromClient(own.origin()) == trust.ownStatus, trust.trust);
        QVERIFY2(statusFromClient(buildTree.origin()) == trust.buildTreeStatus, trust.trust);
    }
}

QTEST_GUILESS_MAIN(TestOwnAuthority)
#include "tst_own_authority.moc"
