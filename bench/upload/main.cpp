// Uploads a 500 MB file through Utility::sendMultipartRequest to an in-process HTTPS server that
// discards what it receives, and prints how far the process's peak resident memory rose, next
// to curl posting the same file to the same server.

#include "ProcessMemory.h"

#include "ServiceConfig.h"
#include "TlsTrust.h"
#include "Utility.h"

#include <httplib.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>

namespace {

constexpr qint64 MiB = 1024 * 1024;
constexpr qint64 fileSize = 500 * 1000 * 1000;

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    TlsTrust::install();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("listing-video.mp4"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !file.resize(fileSize)) {
            std::printf("cannot make the test file\n");
            return 1;
        }
    }

    std::atomic<long long> received{0};
    httplib::SSLServer server(NORVELA_DEVSERVER_CERT, NORVELA_DEVSERVER_KEY);
    server.set_payload_max_length(size_t(2) * 1024 * MiB);
    server.Post(R"(/api/v1/(.*))",
                [&](const httplib::Request &, httplib::Response &res, const httplib::ContentReader &reader) {
                    long long bytes = 0;
                    bool inFile = false;
                    reader(
                        [&](const httplib::MultipartFormData &part) {
                            inFile = !part.filename.empty();
                            return true;
                        },
                        [&](const char *, size_t length) {
                            if (inFile)
                                bytes += (long long)length;
                            return true;
                        });
                    received = bytes;
                    res.set_content(R"({"ok":true})", "application/json");
                });
    const int port = server.bind_to_any_port("127.0.0.1");
    std::thread serverThread([&] { server.listen_after_bind(); });
    while (!server.is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const QString origin = QStringLiteral("https://127.0.0.1:%1").arg(port);
    ServiceConfig::instance()->redirectTo(origin);

    // Warm up the network stack and TLS so that their one-time allocations are not counted.
    {
        Utility warmUp;
        QEventLoop loop;
        QObject::connect(&warmUp, &Utility::requestFinished, &loop, &QEventLoop::quit);
        const QString small = dir.filePath(QStringLiteral("small.jpg"));
        QFile file(small);
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray(1000, 'x'));
        file.close();
        warmUp.sendMultipartRequest(QStringLiteral("warmUp"), QStringLiteral("t"), QStringLiteral("f"), small,
                                    {}, {});
        loop.exec();
    }

    Utility utility;
    QEventLoop loop;
    QString result;
    QObject::connect(&utility, &Utility::requestFinished, &loop, [&](const QString &text) {
        result = text;
        loop.quit();
    });
    ProcessMemory::resetPeak();
    const double before = ProcessMemory::currentMiB();
    QElapsedTimer timer;
    timer.start();
    utility.sendMultipartRequest(QStringLiteral("propertyFiles/addPropertyFileImage"),
                                 QStringLiteral("token"), QStringLiteral("propertyPic"), path,
                                 {QStringLiteral("propertyFileId")}, {QStringLiteral("42")});
    loop.exec();
    const double ourSeconds = timer.nsecsElapsed() / 1e9;
    const double growth = ProcessMemory::peakMiB() - before;
    const bool ourOk = result == QStringLiteral(R"({"ok":true})") && received == fileSize;

    received = 0;
    QProcess curl;
    timer.restart();
    curl.start(QStringLiteral("curl"),
               {QStringLiteral("-s"), QStringLiteral("--cacert"), QStringLiteral(NORVELA_DEVCERT_CA),
                QStringLiteral("-H"), QStringLiteral("Authorization: Bearer token"), QStringLiteral("-F"),
                QStringLiteral("propertyFileId=42"), QStringLiteral("-F"),
                QStringLiteral("propertyPic=@") + path,
                origin + QStringLiteral("/api/v1/propertyFiles/addPropertyFileImage")});
    curl.waitForFinished(-1);
    const double curlSeconds = timer.nsecsElapsed() / 1e9;
    const bool curlOk = curl.exitCode() == 0 && received == fileSize;
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);

    std::printf("multipart upload of a %lld MB file over TLS on loopback\n", fileSize / 1000000);
    std::printf("  Utility::sendMultipartRequest: %6.0f MB/s, peak RSS growth %.1f MiB (goal < 32 MiB) %s\n",
                fileSize / 1e6 / ourSeconds, growth, growth < 32 ? "met" : "MISSED");
    std::printf("  curl -F (baseline):            %6.0f MB/s, curl's own peak RSS %.1f MiB\n",
                fileSize / 1e6 / curlSeconds, children.ru_maxrss / 1024.0);

    server.stop();
    serverThread.join();
    if (!ourOk || !curlOk)
        std::printf("an upload failed: ours %s (%s), curl %s\n", ourOk ? "ok" : "failed", qPrintable(result),
                    curlOk ? "ok" : "failed");
    return ourOk && curlOk ? 0 : 1;
}
