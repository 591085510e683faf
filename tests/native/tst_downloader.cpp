#include "Downloader.h"
#include "QmlTypes.h"
#include "TestHttpsServer.h"
#include "TlsTrust.h"

#include <QDir>
#include <QFile>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

namespace {

std::string bodyOf(size_t size) {
    std::string body(size, '\0');
    for (size_t i = 0; i < size; ++i)
        body[i] = char('a' + i % 26);
    return body;
}

// Everything a downloader says, in order, as short texts.
struct Recorder {
    QStringList events;
    QList<qint64> speeds;

    explicit Recorder(Downloader &downloader) {
        QObject::connect(&downloader, &Downloader::progress, [this](qint64 received, qint64 total) {
            events << QStringLiteral("progress %1/%2").arg(received).arg(total);
        });
        QObject::connect(&downloader, &Downloader::speed, [this](qint64 speed) {
            speeds << speed;
            events << QStringLiteral("speed");
        });
        QObject::connect(&downloader, &Downloader::downloaded,
                         [this] { events << QStringLiteral("downloaded"); });
        QObject::connect(&downloader, &Downloader::downloadError, [this](QNetworkReply::NetworkError code) {
            events << QStringLiteral("error %1").arg(int(code));
        });
    }
    QStringList without(const QString &prefix) const {
        QStringList kept;
        for (const QString &event : events)
            if (!event.startsWith(prefix))
                kept << event;
        return kept;
    }
    bool finished() const { return !events.isEmpty() && events.last().startsWith(QStringLiteral("error")); }
};

QByteArray contentOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestDownloader : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_home;
    TestHttpsServer m_server;
    std::atomic<int> m_photoRequests{0};
    std::atomic<int> m_anyRequests{0};
    std::atomic<bool> m_releaseSlow{false};

    QString pictures() const { return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation); }
    QString cache() const { return QStandardPaths::writableLocation(QStandardPaths::CacheLocation); }
    QString url(const QString &path) const { return m_server.origin() + path; }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_home.isValid());
        qputenv("HOME", QFile::encodeName(m_home.path()));
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Norvela"));
        QCoreApplication::setApplicationName(QStringLiteral("Norvela"));
        TlsTrust::install();
        QVERIFY(pictures().startsWith(m_home.path()));
        QVERIFY(cache().startsWith(m_home.path()));
        QVERIFY(QDir().mkpath(pictures()));
        QVERIFY(QDir().mkpath(cache()));

        auto &server = m_server.server();
        server.set_pre_routing_handler([this](const httplib::Request &, httplib::Response &) {
            ++m_anyRequests;
            return httplib::Server::HandlerResponse::Unhandled;
        });
        server.Get("/a/b/photo.jpg", [this](const httplib::Request &, httplib::Response &res) {
            ++m_photoRequests;
            res.set_content(bodyOf(5000), "image/jpeg");
        });
        server.Get("/missing.jpg", [](const httplib::Request &, httplib::Response &res) {
            res.status = 404;
            res.set_content("no such file", "text/plain");
        });
        // Announces 10000 bytes and breaks the connection after 4000.
        server.Get("/broken.bin", [](const httplib::Request &, httplib::Response &res) {
            res.set_content_provider(10000, "application/octet-stream",
                                     [](size_t offset, size_t, httplib::DataSink &sink) {
                                         if (offset >= 4000)
                                             return false;
                                         const std::string part = bodyOf(4000);
                                         sink.write(part.data(), part.size());
                                         return true;
                                     });
        });
        // Three chunks of 10 KiB with pauses between them (under any name /paced*.bin).
        server.Get(R"(/paced\w*\.bin)", [](const httplib::Request &, httplib::Response &res) {
            res.set_chunked_content_provider(
                "application/octet-stream", [](size_t offset, httplib::DataSink &sink) {
                    if (offset >= 3 * 10240) {
                        sink.done();
                        return true;
                    }
                    if (offset > 0)
                        std::this_thread::sleep_for(std::chrono::milliseconds(300));
                    const std::string chunk = bodyOf(10240);
                    return sink.write(chunk.data(), chunk.size());
                });
        });
        // One chunk, then nothing until the test releases it (or 15 s pass).
        server.Get("/stalled.bin", [this](const httplib::Request &, httplib::Response &res) {
            res.set_chunked_content_provider(
                "application/octet-stream", [this](size_t offset, httplib::DataSink &sink) {
                    if (offset > 0) {
                        for (int i = 0; i < 1500 && !m_releaseSlow; ++i)
                            std::this_thread::sleep_for(std::chrono::milliseconds(10));
                        sink.done();
                        return true;
                    }
                    const std::string chunk = bodyOf(1000);
                    return sink.write(chunk.data(), chunk.size());
                });
        });
        server.Get(R"(/dl/(.*))", [](const httplib::Request &, httplib::Response &res) {
            res.set_content("named", "application/octet-stream");
        });
        QVERIFY(m_server.start());
    }

    void init() {
        QDir(pictures() + QStringLiteral("/norvela")).removeRecursively();
        QDir(cache() + QStringLiteral("/norvela")).removeRecursively();
    }

    void successSavesUnderTheLastPathSegmentAndSignalsInOrder() {
        Downloader downloader;
        Recorder recorder(downloader);
        downloader.downloadUrl(url(QStringLiteral("/a/b/photo.jpg?size=large#top")));
        QTRY_VERIFY_WITH_TIMEOUT(recorder.finished(), 10000);

        const QString expected = pictures() + QStringLiteral("/norvela/photo.jpg");
        QCOMPARE(downloader.getDownloadPath(), expected);
        QCOMPARE(contentOf(expected), QByteArray::fromStdString(bodyOf(5000)));

        const QStringList events = recorder.without(QStringLiteral("speed"));
        QVERIFY(events.size() >= 3);
        QCOMPARE(events.last(), QStringLiteral("error 0"));
        QCOMPARE(events.at(events.size() - 2), QStringLiteral("downloaded"));
        QCOMPARE(events.at(events.size() - 3), QStringLiteral("progress 5000/5000"));
        for (int i = 0; i < events.size() - 2; ++i)
            QVERIFY2(events.at(i).startsWith(QStringLiteral("progress")), qPrintable(events.at(i)));
    }

    void qmlDeclaresItAndHearsErrorsAsNumbers() {
        QmlTypes::registerAll();
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(R"(
            import QtQml 2.15
            import AppDownloader 1.0
            Downloader {
                property var heard: []
                onDownloaded: heard.push("downloaded")
                onDownloadError: heard.push(typeof error + " " + error)
            })",
                          QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QVERIFY(QMetaObject::invokeMethod(object.get(), "downloadUrl",
                                          Q_ARG(QString, url(QStringLiteral("/missing.jpg")))));
        QTRY_COMPARE_WITH_TIMEOUT(object->property("heard").toStringList().size(), 2, 10000);
        QCOMPARE(object->property("heard").toStringList(),
                 QStringList({QStringLiteral("number 203"), QStringLiteral("number 203")}));
    }

    void anEncodedSeparatorCannotLeaveTheFolder_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("served"); // the test server refuses some of these paths itself
        QTest::newRow("encoded parent steps")
            << QStringLiteral("/dl/..%2F..%2Fx") << QStringLiteral(".._.._x") << true;
        QTest::newRow("encoded backslashes")
            << QStringLiteral("/dl/..%5C..%5Cy") << QStringLiteral(".._.._y") << true;
        QTest::newRow("encoded dot dot")
            << QStringLiteral("/dl/%2E%2E") << QStringLiteral("download") << false;
        QTest::newRow("trailing slash") << QStringLiteral("/dl/") << QStringLiteral("download") << true;
        QTest::newRow("control character")
            << QStringLiteral("/dl/a%0Ab.jpg") << QStringLiteral("ab.jpg") << false;
        QTest::newRow("Persian and spaces")
            << QStringLiteral("/dl/%D8%B9%DA%A9%D8%B3%20%DB%B1.jpg") << QStringLiteral("عکس ۱.jpg") << true;
        QTest::newRow("too long for a file system")
            << QStringLiteral("/dl/") + QString(200, QChar(0x0634)) + QStringLiteral(".jpg")
            << QString(125, QChar(0x0634)) + QStringLiteral(".jpg") << true;
    }

    void anEncodedSeparatorCannotLeaveTheFolder() {
        QFETCH(QString, path);
        QFETCH(QString, fileName);
        QFETCH(bool, served);
        Downloader downloader;
        Recorder recorder(downloader);
        downloader.downloadUrl(url(path));
        QTRY_VERIFY_WITH_TIMEOUT(recorder.finished(), 10000);

        const QString folder = pictures() + QStringLiteral("/norvela/");
        QCOMPARE(downloader.getDownloadPath(), folder + fileName);
        QCOMPARE(QFileInfo(downloader.getDownloadPath()).absolutePath() + QLatin1Char('/'), folder);
        if (served) {
            QCOMPARE(recorder.events.last(), QStringLiteral("error 0"));
            QCOMPARE(contentOf(downloader.getDownloadPath()), QByteArray("named"));
        }
        QCOMPARE(QDir(pictures()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({QStringLiteral("norvela")}));
        QVERIFY(!QFile::exists(pictures() + QStringLiteral("/x")));
        QVERIFY(!QFile::exists(m_home.filePath(QStringLiteral("x"))));
        QVERIFY(!QFile::exists(m_home.filePath(QStringLiteral(".qttest/x"))));
    }

    void aBrokenBodyLeavesNoFileAndReportsTheErrorTwice() {
        Downloader downloader;
        Recorder recorder(downloader);
        downloader.downloadUrl(url(QStringLiteral("/broken.bin")));
        QTRY_VERIFY_WITH_TIMEOUT(recorder.finished(), 10000);
        const QStringList errors = recorder.events.filter(QStringLiteral("error"));
        QCOMPARE(errors.size(), 2);
        QCOMPARE(errors.at(0), errors.at(1));
        QVERIFY(errors.at(0) != QStringLiteral("error 0"));
        QVERIFY(!recorder.events.contains(QStringLiteral("downloaded")));
        QVERIFY(!QFile::exists(downloader.getDownloadPath()));
    }

    void anHttpErrorIsAFailure() {
        Downloader downloader;
        Recorder recorder(downloader);
        downloader.downloadUrl(url(QStringLiteral("/missing.jpg")));
        QTRY_VERIFY_WITH_TIMEOUT(recorder.finished(), 10000);
        const QString notFound = QStringLiteral("error %1").arg(int(QNetworkReply::ContentNotFoundError));
        QCOMPARE(recorder.events.filter(QStringLiteral("error")), QStringList({notFound, notFound}));
        QVERIFY(!recorder.events.contains(QStringLiteral("downloaded")));
        QVERIFY(!QFile::exists(downloader.getDownloadPath()));
    }

    void anImageAlreadyCachedIsNotFetched() {
        QVERIFY(QDir(cache()).mkpath(QStringLiteral("norvela")));
        QFile cached(cache() + QStringLiteral("/norvela/photo.jpg"));
        QVERIFY(cached.open(QIODevice::WriteOnly));
        cached.write("cached");
        cached.close();

        const int before = m_photoRequests;
        Downloader downloader;
        Recorder recorder(downloader);
        downloader.setCacheImage(true);
        downloader.downloadUrl(url(QStringLiteral("/a/b/photo.jpg")));
        QCOMPARE(recorder.events, QStringList({QStringLiteral("downloaded")}));
        QCOMPARE(downloader.getDownloadPath(), cached.fileName());
        QCOMPARE(contentOf(cached.fileName()), QByteArray("cached"));
        QCOMPARE(int(m_photoRequests), before);
    }

    void theCacheFlagReportsTheSizeUnlessForced() {
        QVERIFY(QDir(cache()).mkpath(QStringLiteral("norvela")));
        const QString path = cache() + QStringLiteral("/norvela/photo.jpg");
        QFile cached(path);
        QVERIFY(cached.open(QIODevice::WriteOnly));
        cached.write("123456");
        cached.close();

        const int before = m_photoRequests;
        Downloader downloader;
        Recorder recorder(downloader);
        downloader.setCache(true);
        downloader.downloadUrl(url(QStringLiteral("/a/b/photo.jpg")));
        QCOMPARE(recorder.events, QStringList({QStringLiteral("progress 6/6")}));
        QCOMPARE(int(m_photoRequests), before);

        downloader.setForce(true);
        downloader.downloadUrl(url(QStringLiteral("/a/b/photo.jpg")));
        QTRY_VERIFY_WITH_TIMEOUT(recorder.finished(), 10000);
        QCOMPARE(int(m_photoRequests), before + 1);
        QCOMPARE(contentOf(path).size(), 5000);
    }

    void anEmptyLeftoverIsNeverACacheHit() {
        QVERIFY(QDir(cache()).mkpath(QStringLiteral("norvela")));
        const QString path = cache() + QStringLiteral("/norvela/photo.jpg");
        QFile empty(path);
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();

        const int before = m_photoRequests;
        Downloader downloader;
        Recorder recorder(downloader);
        downloader.setCacheImage(true);
        downloader.downloadUrl(url(QStringLiteral("/a/b/photo.jpg")));
        QTRY_VERIFY_WITH_TIMEOUT(recorder.finished(), 10000);
        QCOMPARE(int(m_photoRequests), before + 1);
        QCOMPARE(recorder.without(QStringLiteral("speed"))
                     .mid(recorder.without(QStringLiteral("speed")).size() - 2),
                 QStringList({QStringLiteral("downloaded"), QStringLiteral("error 0")}));
        QCOMPARE(contentOf(path).size(), 5000);
    }

    void speedIsReportedPerIntervalInKibibytes() {
        Downloader downloader;
        Recorder recorder(downloader);
        downloader.downloadUrl(url(QStringLiteral("/paced.bin")));
        QTRY_VERIFY_WITH_TIMEOUT(recorder.finished(), 10000);
        QCOMPARE(recorder.events.last(), QStringLiteral("error 0"));
        // Chunks 300 ms apart: the second and third arrival each report the chunk before them,
        // 10 KiB over at least 200 ms, so never more than 50 KiB/s.
        QVERIFY2(recorder.speeds.size() >= 2, qPrintable(recorder.events.join(QLatin1Char(','))));
        for (const qint64 speed : qAsConst(recorder.speeds))
            QVERIFY2(speed >= 0 && speed <= 50, qPrintable(QString::number(speed)));
        QVERIFY(recorder.speeds.last() > 0);

        // Data arriving within 200 ms of the last report produces no report of its own.
        Recorder quick(downloader);
        downloader.downloadUrl(url(QStringLiteral("/a/b/photo.jpg")));
        QTRY_VERIFY_WITH_TIMEOUT(quick.finished(), 10000);
        QVERIFY(quick.speeds.size() <= 1);
    }

    // Two downloads side by side: each reports its own speed over its own interval, never one
    // measured from the other's last report.
    void simultaneousDownloadsReportTheirOwnSpeed() {
        Downloader first;
        Downloader second;
        Recorder firstRecorder(first);
        Recorder secondRecorder(second);
        first.downloadUrl(url(QStringLiteral("/paced.bin")));
        second.downloadUrl(url(QStringLiteral("/paced2.bin")));
        QTRY_VERIFY_WITH_TIMEOUT(firstRecorder.finished() && secondRecorder.finished(), 10000);
        for (const Recorder *recorder : {&firstRecorder, &secondRecorder}) {
            const QString events = recorder->events.join(QLatin1Char(','));
            QCOMPARE(recorder->events.last(), QStringLiteral("error 0"));
            QVERIFY2(recorder->speeds.size() >= 2, qPrintable(events));
            for (const qint64 speed : recorder->speeds)
                QVERIFY2(speed >= 0 && speed <= 50,
                         qPrintable(events + QStringLiteral(" speed ") + QString::number(speed)));
        }
        QCOMPARE(QFileInfo(second.getDownloadPath()).size(), qint64(3 * 10240));
    }

    void aNewDownloadAbandonsTheRunningOne() {
        m_releaseSlow = false;
        Downloader downloader;
        Recorder recorder(downloader);
        downloader.downloadUrl(url(QStringLiteral("/stalled.bin")));
        // Progress notices are throttled by the network stack; the bytes on disk are not.
        QTRY_COMPARE_WITH_TIMEOUT(QFileInfo(downloader.getDownloadPath()).size(), qint64(1000), 10000);
        const QString abandoned = downloader.getDownloadPath();

        recorder.events.clear();
        downloader.downloadUrl(url(QStringLiteral("/a/b/photo.jpg")));
        QTRY_VERIFY_WITH_TIMEOUT(recorder.finished(), 10000);
        m_releaseSlow = true;
        QTest::qWait(200);
        // Nothing from the first reply: no size of its own, no second completion.
        for (const QString &event : recorder.without(QStringLiteral("speed")))
            QVERIFY2(event.contains(QStringLiteral("5000")) || event == QStringLiteral("downloaded") ||
                         event == QStringLiteral("error 0"),
                     qPrintable(event));
        QCOMPARE(recorder.events.count(QStringLiteral("downloaded")), 1);
        QVERIFY(!QFile::exists(abandoned));
        QCOMPARE(contentOf(downloader.getDownloadPath()).size(), 5000);
    }

    void destroyingTheDownloaderMidwayLeavesNoHalfFile() {
        m_releaseSlow = false;
        QString path;
        {
            Downloader downloader;
            Recorder recorder(downloader);
            downloader.downloadUrl(url(QStringLiteral("/stalled.bin")));
            // Progress notices are throttled by the network stack; the bytes on disk are not.
            QTRY_COMPARE_WITH_TIMEOUT(QFileInfo(downloader.getDownloadPath()).size(), qint64(1000), 10000);
            path = downloader.getDownloadPath();
        }
        m_releaseSlow = true;
        QVERIFY(!QFile::exists(path));
    }

    void aMissingBaseFolderStopsSilently() {
        const QByteArray home = qgetenv("HOME");
        QTemporaryDir bare;
        qputenv("HOME", QFile::encodeName(bare.path()));
        const int before = m_anyRequests;
        Downloader downloader;
        Recorder recorder(downloader);
        downloader.downloadUrl(url(QStringLiteral("/a/b/photo.jpg")));
        QCoreApplication::processEvents();
        qputenv("HOME", home);
        QCOMPARE(downloader.getDownloadPath(), bare.path() + QStringLiteral("/Pictures/norvela/photo.jpg"));
        QVERIFY(recorder.events.isEmpty());
        QCOMPARE(int(m_anyRequests), before);
        QVERIFY(!QFile::exists(bare.path() + QStringLiteral("/Pictures")));
    }

    void untrustedCertificatesAreRefused_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("self-signed") << int(TestCertificates::Kind::SelfSigned);
        QTest::newRow("expired") << int(TestCertificates::Kind::Expired);
    }

    void untrustedCertificatesAreRefused() {
        QFETCH(int, kind);
        TestHttpsServer untrusted{TestCertificates::Kind(kind)};
        untrusted.server().Get("/photo.jpg", [](const httplib::Request &, httplib::Response &res) {
            res.set_content("secret", "image/jpeg");
        });
        QVERIFY(untrusted.start());
        Downloader downloader;
        Recorder recorder(downloader);
        downloader.downloadUrl(untrusted.origin() + QStringLiteral("/photo.jpg"));
        QTRY_VERIFY_WITH_TIMEOUT(recorder.finished(), 10000);
        const QString tls = QStringLiteral("error %1").arg(int(QNetworkReply::SslHandshakeFailedError));
        QCOMPARE(recorder.events.filter(QStringLiteral("error")), QStringList({tls, tls}));
        QVERIFY(!QFile::exists(downloader.getDownloadPath()));
    }
};

QTEST_GUILESS_MAIN(TestDownloader)
#include "tst_downloader.moc"
