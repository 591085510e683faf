#include "DownloadManager.h"
#include "TestHttpsServer.h"
#include "TlsTrust.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>

namespace {

constexpr size_t fileSize = 1000;

char byteAt(uint64_t offset) {
    return char('A' + offset % 23);
}

std::string slice(uint64_t offset, size_t length) {
    std::string data(length, '\0');
    for (size_t i = 0; i < length; ++i)
        data[i] = byteAt(offset + i);
    return data;
}

QByteArray contentOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &data) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(data), qint64(data.size()));
}

QStringList captured;
QtMessageHandler previousHandler = nullptr;

void capture(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    captured << message;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

class TestDownloadManager : public QObject {
    Q_OBJECT

private:
    TestHttpsServer m_server;
    QTemporaryDir m_dir;
    std::mutex m_mutex;
    std::vector<std::string> m_ranges; // the Range header of every GET, "" when absent
    std::atomic<int> m_breakNext{0};

    QString target(const QString &name) const { return m_dir.filePath(name); }
    QUrl url(const QString &path) const { return m_server.url(path); }
    QStringList ranges() {
        std::lock_guard<std::mutex> lock(m_mutex);
        QStringList list;
        for (const std::string &range : m_ranges)
            list << QString::fromStdString(range);
        return list;
    }

    void serve(const char *pattern, bool acceptRanges, uint64_t size, int pauseMs, size_t piece) {
        m_server.server().Get(pattern, [=](const httplib::Request &req, httplib::Response &res) {
            if (req.method == "GET") {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_ranges.push_back(req.get_header_value("Range"));
            }
            res.set_header("Accept-Ranges", acceptRanges ? "bytes" : "none");
            if (!acceptRanges)
                res.status = 200; // and no ranges applied
            const bool breaks = req.method == "GET" && m_breakNext > 0 && m_breakNext-- > 0;
            res.set_content_provider(size, "application/octet-stream",
                                     [=](size_t offset, size_t length, httplib::DataSink &sink) {
                                         if (breaks && offset >= 400)
                                             return false; // the connection drops mid-body
                                         if (pauseMs > 0)
                                             std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
                                         size_t count = std::min(length, piece);
                                         if (breaks)
                                             count = std::min(count, 400 - offset);
                                         const std::string data = slice(offset, count);
                                         return sink.write(data.data(), data.size());
                                     });
        });
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        TlsTrust::install();
        previousHandler = qInstallMessageHandler(capture);
        serve("/ranged.bin", true, fileSize, 0, fileSize);
        serve("/plain.bin", false, fileSize, 0, fileSize);
        serve("/paced.bin", true, fileSize, 150, 100);
        serve("/stall.bin", true, fileSize, 700, 500);
        serve("/huge.bin", true, (uint64_t(3) << 30) + 10, 0, 1 << 16);
        m_server.server().Get("/missing.bin", [](const httplib::Request &, httplib::Response &res) {
            res.status = 404;
            res.set_content("not here", "text/plain");
        });
        QVERIFY(m_server.start());
    }

    void init() {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_ranges.clear();
        captured.clear();
        m_breakNext = 0;
    }

    void resumesFromThePartFileWithARange() {
        const QString file = target(QStringLiteral("resumed.bin"));
        writeFile(file + QStringLiteral(".part"), QByteArray::fromStdString(slice(0, 400)));
        writeFile(file, "left from an earlier download");

        DownloadManager manager;
        QSignalSpy lines(&manager, &DownloadManager::addLine);
        QSignalSpy progress(&manager, &DownloadManager::progress);
        QSignalSpy complete(&manager, &DownloadManager::downloadComplete);
        QSignalSpy failed(&manager, &DownloadManager::downloadFailed);
        manager.download(url(QStringLiteral("/ranged.bin")), file);
        QVERIFY(complete.wait(10000));

        QStringList headerLines;
        for (const QList<QVariant> &line : qAsConst(lines))
            headerLines << line.at(0).toString();
        QVERIFY2(headerLines.contains(QStringLiteral("Accept-Ranges = bytes")),
                 qPrintable(headerLines.join(QLatin1Char(','))));
        QVERIFY(headerLines.contains(QStringLiteral("Content-Length = 1000")));
        QCOMPARE(ranges(), QStringList({QStringLiteral("bytes=400-999")}));
        QCOMPARE(contentOf(file), QByteArray::fromStdString(slice(0, fileSize)));
        QVERIFY(!QFile::exists(file + QStringLiteral(".part")));
        QCOMPARE(failed.count(), 0);
        QVERIFY(progress.count() >= 1);
        QCOMPARE(progress.last().at(0).toInt(), 100);
        for (const QList<QVariant> &value : qAsConst(progress))
            QVERIFY(value.at(0).toInt() >= 40);
    }

    void progressCountsTheResumedPart() {
        const QString file = target(QStringLiteral("paced.bin"));
        writeFile(file + QStringLiteral(".part"), QByteArray::fromStdString(slice(0, 400)));
        DownloadManager manager;
        QSignalSpy progress(&manager, &DownloadManager::progress);
        QSignalSpy complete(&manager, &DownloadManager::downloadComplete);
        manager.download(url(QStringLiteral("/paced.bin")), file);
        QVERIFY(complete.wait(10000));
        QCOMPARE(contentOf(file), QByteArray::fromStdString(slice(0, fileSize)));
        // 100 bytes every 150 ms after the first 400: every notice lies between 40 and 100 and
        // there are several of them.
        QVERIFY(progress.count() >= 2);
        QVERIFY(progress.first().at(0).toInt() >= 40 && progress.first().at(0).toInt() < 100);
        QCOMPARE(progress.last().at(0).toInt(), 100);
    }

    void withoutRangesThePartFileStartsOver() {
        const QString file = target(QStringLiteral("plain.bin"));
        writeFile(file + QStringLiteral(".part"), QByteArray(300, 'x'));
        DownloadManager manager;
        QSignalSpy complete(&manager, &DownloadManager::downloadComplete);
        manager.download(url(QStringLiteral("/plain.bin")), file);
        QVERIFY(complete.wait(10000));
        QCOMPARE(ranges(), QStringList({QString()}));
        QCOMPARE(contentOf(file), QByteArray::fromStdString(slice(0, fileSize)));
    }

    void aBrokenTransferKeepsThePartForALaterResume() {
        const QString file = target(QStringLiteral("broken.bin"));
        m_breakNext = 1;
        DownloadManager manager;
        QSignalSpy complete(&manager, &DownloadManager::downloadComplete);
        QSignalSpy failed(&manager, &DownloadManager::downloadFailed);
        manager.download(url(QStringLiteral("/ranged.bin")), file);
        QVERIFY(failed.wait(10000));
        QCOMPARE(failed.count(), 1);
        QVERIFY(!failed.first().at(0).toString().isEmpty());
        QCOMPARE(complete.count(), 0);
        QVERIFY(!QFile::exists(file));
        QCOMPARE(contentOf(file + QStringLiteral(".part")), QByteArray::fromStdString(slice(0, 400)));

        // Resuming on the same object asks for the rest only.
        manager.resume();
        QVERIFY(complete.wait(10000));
        QCOMPARE(ranges(), QStringList({QStringLiteral("bytes=0-999"), QStringLiteral("bytes=400-999")}));
        QCOMPARE(contentOf(file), QByteArray::fromStdString(slice(0, fileSize)));
        QVERIFY(!QFile::exists(file + QStringLiteral(".part")));
    }

    void aFreshStartAfterAFailureResumesToo() {
        const QString file = target(QStringLiteral("restarted.bin"));
        m_breakNext = 1;
        {
            DownloadManager first;
            QSignalSpy failed(&first, &DownloadManager::downloadFailed);
            first.download(url(QStringLiteral("/ranged.bin")), file);
            QVERIFY(failed.wait(10000));
        }
        DownloadManager second;
        QSignalSpy complete(&second, &DownloadManager::downloadComplete);
        second.download(url(QStringLiteral("/ranged.bin")), file);
        QVERIFY(complete.wait(10000));
        QCOMPARE(ranges().last(), QStringLiteral("bytes=400-999"));
        QCOMPARE(contentOf(file), QByteArray::fromStdString(slice(0, fileSize)));
    }

    void anErrorPageNeverBecomesTheFile() {
        const QString file = target(QStringLiteral("missing.bin"));
        DownloadManager manager;
        QSignalSpy complete(&manager, &DownloadManager::downloadComplete);
        QSignalSpy failed(&manager, &DownloadManager::downloadFailed);
        manager.download(url(QStringLiteral("/missing.bin")), file);
        QVERIFY(failed.wait(10000));
        QCOMPARE(complete.count(), 0);
        QVERIFY(!QFile::exists(file));
        QCOMPARE(contentOf(file + QStringLiteral(".part")), QByteArray());
    }

    void pauseAndResumeContinueWhereTheFileEnds() {
        const QString file = target(QStringLiteral("paused.bin"));
        DownloadManager manager;
        QSignalSpy complete(&manager, &DownloadManager::downloadComplete);
        manager.download(url(QStringLiteral("/paced.bin")), file);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(file + QStringLiteral(".part")).size() >= 200, 10000);
        manager.pause();
        captured.clear();
        manager.pause();
        QCOMPARE(captured, QStringList({QStringLiteral("pause() = 0")}));
        const qint64 kept = QFileInfo(file + QStringLiteral(".part")).size();
        QVERIFY(kept >= 200 && kept < qint64(fileSize));
        QTest::qWait(400);
        QCOMPARE(QFileInfo(file + QStringLiteral(".part")).size(), kept);
        QCOMPARE(complete.count(), 0);

        manager.resume();
        QVERIFY(complete.wait(10000));
        QCOMPARE(ranges().last(), QStringLiteral("bytes=%1-999").arg(kept));
        QCOMPARE(contentOf(file), QByteArray::fromStdString(slice(0, fileSize)));
    }

    void aPartThatIsAlreadyCompleteNeedsNoTransfer() {
        const QString file = target(QStringLiteral("whole.bin"));
        writeFile(file + QStringLiteral(".part"), QByteArray::fromStdString(slice(0, fileSize)));
        DownloadManager manager;
        QSignalSpy complete(&manager, &DownloadManager::downloadComplete);
        QSignalSpy failed(&manager, &DownloadManager::downloadFailed);
        manager.download(url(QStringLiteral("/ranged.bin")), file);
        QVERIFY(complete.wait(10000));
        QCOMPARE(failed.count(), 0);
        QVERIFY(ranges().isEmpty());
        QCOMPARE(contentOf(file), QByteArray::fromStdString(slice(0, fileSize)));
    }

    void aStallIsLoggedWithoutGivingUp() {
        DownloadManager manager;
        QCOMPARE(manager.stallTimeout(), 5000);
        manager.setStallTimeout(200);
        const QString file = target(QStringLiteral("stall.bin"));
        QSignalSpy complete(&manager, &DownloadManager::downloadComplete);
        manager.download(url(QStringLiteral("/stall.bin")), file);
        QVERIFY(complete.wait(10000));
        QVERIFY2(captured.contains(QStringLiteral("timeout")), qPrintable(captured.join(QLatin1Char('|'))));
        QCOMPARE(contentOf(file), QByteArray::fromStdString(slice(0, fileSize)));
    }

    void offsetsBeyondFourGigabytesStayExact() {
        const qint64 offset = qint64(3) << 30;
        const QString file = target(QStringLiteral("huge.bin"));
        {
            QFile part(file + QStringLiteral(".part"));
            QVERIFY(part.open(QIODevice::WriteOnly));
            QVERIFY(part.resize(offset)); // sparse: no disk space is used
        }
        DownloadManager manager;
        QSignalSpy complete(&manager, &DownloadManager::downloadComplete);
        QSignalSpy progress(&manager, &DownloadManager::progress);
        manager.download(url(QStringLiteral("/huge.bin")), file);
        QVERIFY(complete.wait(20000));
        QCOMPARE(ranges(), QStringList({QStringLiteral("bytes=%1-%2").arg(offset).arg(offset + 9)}));
        QCOMPARE(QFileInfo(file).size(), offset + 10);
        QFile result(file);
        QVERIFY(result.open(QIODevice::ReadOnly));
        QVERIFY(result.seek(offset));
        QCOMPARE(result.readAll(), QByteArray::fromStdString(slice(uint64_t(offset), 10)));
        QCOMPARE(progress.last().at(0).toInt(), 100);
        result.close();
        QFile::remove(file);
    }
};

QTEST_GUILESS_MAIN(TestDownloadManager)
#include "tst_downloadmanager.moc"
