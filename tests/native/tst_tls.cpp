#include "TestHttpsServer.h"
#include "TlsTrust.h"

#include <QJSValue>
#include <QQmlEngine>
#include <QtTest>

// Every TLS connection verifies its peer: the build's own authority is trusted beside the
// system's, and nothing else is.
class TestTls : public QObject {
    Q_OBJECT

private:
    // Sends a GET from the QML engine's XMLHttpRequest and returns the status it ends with
    // (0 when the connection was refused).
    int statusFromQml(const QUrl &url) {
        QQmlEngine engine;
        QJSValue result = engine.newObject();
        result.setProperty(QStringLiteral("status"), -1);
        engine.globalObject().setProperty(QStringLiteral("result"), result);
        engine.evaluate(
            QStringLiteral("var xhr = new XMLHttpRequest();"
                           "xhr.onreadystatechange = function() {"
                           "  if (xhr.readyState === XMLHttpRequest.DONE) result.status = xhr.status; };"
                           "xhr.open('GET', '%1'); xhr.send();")
                .arg(url.toString()));
        QDeadlineTimer deadline(15000);
        while (result.property(QStringLiteral("status")).toInt() == -1 && !deadline.hasExpired())
            QTest::qWait(10);
        return result.property(QStringLiteral("status")).toInt();
    }

    static void serveHello(TestHttpsServer &server) {
        server.server().Get("/hello", [](const httplib::Request &, httplib::Response &response) {
            response.set_content("{\"ok\":true}", "application/json");
        });
    }

private Q_SLOTS:
    void initTestCase() { TlsTrust::install(); }

    void certificateOfTheBuildsAuthorityIsAccepted() {
        TestHttpsServer server(TestCertificates::Kind::IssuedByDevelopmentAuthority);
        serveHello(server);
        QVERIFY(server.start());
        QCOMPARE(statusFromQml(server.url(QStringLiteral("/hello"))), 200);
    }

    void selfSignedAndExpiredCertificatesAreRefused_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("self-signed") << int(TestCertificates::Kind::SelfSigned);
        QTest::newRow("expired") << int(TestCertificates::Kind::Expired);
    }

    void selfSignedAndExpiredCertificatesAreRefused() {
        QFETCH(int, kind);
        TestHttpsServer server(static_cast<TestCertificates::Kind>(kind));
        serveHello(server);
        QVERIFY(server.start());
        QCOMPARE(statusFromQml(server.url(QStringLiteral("/hello"))), 0);
    }

    void systemAuthoritiesStayTrusted() {
        const QList<QSslCertificate> trusted = QSslConfiguration::defaultConfiguration().caCertificates();
        const QList<QSslCertificate> system = QSslConfiguration::systemCaCertificates();
        QVERIFY(trusted.size() == system.size() + 1);
        for (const QSslCertificate &authority : system)
            QVERIFY(trusted.contains(authority));
        QCOMPARE(QSslConfiguration::defaultConfiguration().peerVerifyMode(), QSslSocket::VerifyPeer);
    }
};

QTEST_GUILESS_MAIN(TestTls)
#include "tst_tls.moc"
