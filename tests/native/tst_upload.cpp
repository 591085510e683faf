#include "ServiceConfig.h"
#include "TestHttpsServer.h"
#include "TlsTrust.h"
#include "Utility.h"

#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <mutex>
#include <thread>

namespace {

// One part of a multipart body as the server parsed it.
struct Part {
    std::string name;
    std::string filename;
    std::string contentType;
    QByteArray content;
};

struct Received {
    std::string method;
    std::string path;
    std::string authorization;
    std::string contentType;
    std::vector<Part> parts;
};

QByteArray jpegFile(const QString &path) {
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    image.save(path, "JPEG");
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestUpload : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    TestHttpsServer m_server;
    std::mutex m_mutex;
    std::vector<Received> m_received;

    std::vector<Received> received() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_received;
    }

    static QStringList results(const QSignalSpy &spy) {
        QStringList texts;
        for (const QList<QVariant> &call : spy)
            texts << call.at(0).toString();
        return texts;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        TlsTrust::install();
        m_server.server().Post(R"(/api/v1/(.*))", [this](const httplib::Request &req, httplib::Response &res,
                                                         const httplib::ContentReader &reader) {
            Received request{req.method,
                             req.path,
                             req.get_header_value("Authorization"),
                             req.get_header_value("Content-Type"),
                             {}};
            reader(
                [&](const httplib::MultipartFormData &header) {
                    request.parts.push_back(Part{header.name, header.filename, header.content_type, {}});
                    return true;
                },
                [&](const char *data, size_t length) {
                    request.parts.back().content.append(data, int(length));
                    return true;
                });
            if (req.path.find("slow") != std::string::npos)
                std::this_thread::sleep_for(std::chrono::milliseconds(600));
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_received.push_back(request);
            }
            res.set_content(R"({"ok":true,"result":")" + req.path + R"("})", "application/json");
        });
        QVERIFY(m_server.start());
        ServiceConfig::instance()->redirectTo(m_server.origin());
    }

    void init() {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_received.clear();
    }

    void fieldsComeFirstThenTheFile() {
        const QString photo = m_dir.filePath(QStringLiteral("photo.jpg"));
        const QByteArray bytes = jpegFile(photo);
        QVERIFY(!bytes.isEmpty());

        Utility utility;
        QSignalSpy finished(&utility, &Utility::requestFinished);
        utility.sendMultipartRequest(QStringLiteral("officeMan/propertyFiles/addPropertyFileImage"),
                                     QStringLiteral("token-ن"), QStringLiteral("propertyPic"), photo,
                                     {QStringLiteral("propertyFileId"), QStringLiteral("note")},
                                     {QStringLiteral("42"), QStringLiteral("یادداشت")});
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(
            finished.first().at(0).toString(),
            QStringLiteral(R"({"ok":true,"result":"/api/v1/officeMan/propertyFiles/addPropertyFileImage"})"));

        const std::vector<Received> requests = received();
        QCOMPARE(requests.size(), size_t(1));
        const Received &request = requests.front();
        QCOMPARE(request.method, std::string("POST"));
        QCOMPARE(QByteArray::fromStdString(request.authorization), QStringLiteral("Bearer token-ن").toUtf8());
        QVERIFY(QByteArray::fromStdString(request.contentType).startsWith("multipart/form-data; boundary="));

        const std::vector<Part> &parts = request.parts;
        QCOMPARE(parts.size(), size_t(3));
        QCOMPARE(parts[0].name, std::string("propertyFileId"));
        QCOMPARE(parts[0].filename, std::string());
        QCOMPARE(parts[0].contentType, std::string());
        QCOMPARE(parts[0].content, QByteArray("42"));
        QCOMPARE(parts[1].name, std::string("note"));
        QCOMPARE(parts[1].content, QStringLiteral("یادداشت").toUtf8());
        QCOMPARE(parts[2].contentType, std::string("image/jpeg"));
        QCOMPARE(parts[2].name, std::string("propertyPic"));
        QCOMPARE(parts[2].filename, std::string("photo.jpg"));
        QCOMPARE(parts[2].content, bytes);
    }

    void withoutFieldsOnlyTheFileIsSent() {
        const QString photo = m_dir.filePath(QStringLiteral("avatar.jpg"));
        const QByteArray bytes = jpegFile(photo);
        Utility utility;
        QSignalSpy finished(&utility, &Utility::requestFinished);
        utility.sendMultipartRequest(QStringLiteral("updateMyAvatar"), QString(),
                                     QStringLiteral("newAvatarPic"), photo, {}, {});
        QVERIFY(finished.wait(10000));
        const std::vector<Received> requests = received();
        QCOMPARE(requests.size(), size_t(1));
        QCOMPARE(requests.front().path, std::string("/api/v1/updateMyAvatar"));
        // An empty token goes out as it is (the server's parser trims the trailing space).
        QCOMPARE(QByteArray::fromStdString(requests.front().authorization), QByteArray("Bearer"));
        const std::vector<Part> &parts = requests.front().parts;
        QCOMPARE(parts.size(), size_t(1));
        QCOMPARE(parts[0].content, bytes);
    }

    void routeAndKeysGoOutAsGiven() {
        const QString photo = m_dir.filePath(QStringLiteral("q.jpg"));
        jpegFile(photo);
        Utility utility;
        QSignalSpy finished(&utility, &Utility::requestFinished);
        utility.sendMultipartRequest(QStringLiteral("/updateMyAvatar"), QStringLiteral("t"),
                                     QStringLiteral("file"), photo, {QStringLiteral("a\"b")},
                                     {QStringLiteral("v")});
        QVERIFY(finished.wait(10000));
        const std::vector<Received> requests = received();
        QCOMPARE(requests.size(), size_t(1));
        // A route starting with "/" doubles the separator after "v1"; nothing tidies it.
        QCOMPARE(requests.front().path, std::string("/api/v1//updateMyAvatar"));
        const std::vector<Part> &parts = requests.front().parts;
        QCOMPARE(parts.size(), size_t(2));
        // The quote inside the key goes out as it is, unescaped.
        QCOMPARE(parts[0].name, std::string("a\"b"));
        QCOMPARE(parts[0].content, QByteArray("v"));
    }

    void aPersianFileNameTravelsInUtf8() {
        const QString name = QStringLiteral("عکس خانه.png");
        const QString path = m_dir.filePath(name);
        QImage image(4, 4, QImage::Format_ARGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(path, "PNG"));
        Utility utility;
        QSignalSpy finished(&utility, &Utility::requestFinished);
        utility.sendMultipartRequest(QStringLiteral("updateMyAvatar"), QStringLiteral("t"),
                                     QStringLiteral("newAvatarPic"), path, {}, {});
        QVERIFY(finished.wait(10000));
        const std::vector<Received> requests = received();
        QCOMPARE(requests.size(), size_t(1));
        const std::vector<Part> &parts = requests.front().parts;
        QCOMPARE(parts.size(), size_t(1));
        QCOMPARE(parts[0].contentType, std::string("image/png"));
        QCOMPARE(QByteArray::fromStdString(parts[0].filename), name.toUtf8());
    }

    void twoUploadsOnOneObjectKeepTheirOwnResults() {
        const QString photo = m_dir.filePath(QStringLiteral("two.jpg"));
        jpegFile(photo);
        Utility utility;
        QSignalSpy finished(&utility, &Utility::requestFinished);
        // The first finishes first although the second was started last.
        utility.sendMultipartRequest(QStringLiteral("fast"), QStringLiteral("t"), QStringLiteral("f"), photo,
                                     {}, {});
        utility.sendMultipartRequest(QStringLiteral("slow"), QStringLiteral("t"), QStringLiteral("f"), photo,
                                     {}, {});
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, 10000);
        QCOMPARE(results(finished), QStringList({QStringLiteral(R"({"ok":true,"result":"/api/v1/fast"})"),
                                                 QStringLiteral(R"({"ok":true,"result":"/api/v1/slow"})")}));
    }

    void anUnreadableFileIsNotSent() {
        Utility utility;
        QSignalSpy finished(&utility, &Utility::requestFinished);
        utility.sendMultipartRequest(QStringLiteral("updateMyAvatar"), QStringLiteral("t"),
                                     QStringLiteral("newAvatarPic"),
                                     m_dir.filePath(QStringLiteral("gone.jpg")), {}, {});
        QVERIFY(finished.wait(10000));
        QTest::qWait(200);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!finished.first().at(0).toString().isEmpty());
        QVERIFY(!finished.first().at(0).toString().startsWith(QLatin1Char('{')));
        QCOMPARE(received().size(), size_t(0));
    }

    void withTheNetworkDownTheErrorArrivesOnce() {
        const QString photo = m_dir.filePath(QStringLiteral("down.jpg"));
        jpegFile(photo);
        QString deadOrigin;
        {
            TestHttpsServer gone;
            QVERIFY(gone.start());
            deadOrigin = gone.origin();
        }
        ServiceConfig::instance()->redirectTo(deadOrigin);
        Utility utility;
        QSignalSpy finished(&utility, &Utility::requestFinished);
        utility.sendMultipartRequest(QStringLiteral("updateMyAvatar"), QStringLiteral("t"),
                                     QStringLiteral("newAvatarPic"), photo, {}, {});
        const bool arrived = finished.wait(10000);
        ServiceConfig::instance()->redirectTo(m_server.origin());
        QVERIFY(arrived);
        QTest::qWait(200);
        QCOMPARE(finished.count(), 1);
        QVERIFY2(finished.first().at(0).toString().contains(QStringLiteral("refused"), Qt::CaseInsensitive),
                 qPrintable(finished.first().at(0).toString()));
    }

    void onlyCertificatesOfTheTrustedAuthorityAreAccepted_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("self-signed") << int(TestCertificates::Kind::SelfSigned);
        QTest::newRow("expired") << int(TestCertificates::Kind::Expired);
    }

    void onlyCertificatesOfTheTrustedAuthorityAreAccepted() {
        QFETCH(int, kind);
        TestHttpsServer untrusted{TestCertificates::Kind(kind)};
        bool reached = false;
        untrusted.server().Post(R"(/api/v1/(.*))",
                                [&reached](const httplib::Request &, httplib::Response &res) {
                                    reached = true;
                                    res.set_content("{}", "application/json");
                                });
        QVERIFY(untrusted.start());
        const QString photo = m_dir.filePath(QStringLiteral("tls.jpg"));
        jpegFile(photo);
        ServiceConfig::instance()->redirectTo(untrusted.origin());
        Utility utility;
        QSignalSpy finished(&utility, &Utility::requestFinished);
        utility.sendMultipartRequest(QStringLiteral("updateMyAvatar"), QStringLiteral("t"),
                                     QStringLiteral("newAvatarPic"), photo, {}, {});
        const bool arrived = finished.wait(10000);
        ServiceConfig::instance()->redirectTo(m_server.origin());
        QVERIFY(arrived);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!finished.first().at(0).toString().startsWith(QLatin1Char('{')));
        QVERIFY(!reached);
    }

    void compressImageChangesNothing() {
        const QString photo = m_dir.filePath(QStringLiteral("same.jpg"));
        const QByteArray bytes = jpegFile(photo);
        QCOMPARE(Utility().compressImage(photo), photo);
        QCOMPARE(Utility().compressImage(QStringLiteral("/no/such file.png")),
                 QStringLiteral("/no/such file.png"));
        QFile file(photo);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
    }
};

QTEST_GUILESS_MAIN(TestUpload)
#include "tst_upload.moc"
