// Downloads a file generated on the fly by an in-process server with Downloader and with curl,
// over plain HTTP and over TLS, and prints the rates side by side together with the peak
// resident memory of the downloading process for a small and a large file.

#include "Downloader.h"
#include "TlsTrust.h"

#include <httplib.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr qint64 MiB = 1024 * 1024;
constexpr qint64 largeSize = 1024 * MiB;
constexpr qint64 smallSize = 128 * MiB;

// Peak resident set of this process since the last reset, in MiB.
double peakRssMiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return -1;
}

void resetPeakRss() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
}

void serveGenerated(httplib::Server &server) {
    static const std::string block = [] {
        std::string data(256 * 1024, '\0');
        for (size_t i = 0; i < data.size(); ++i)
            data[i] = char(i * 131 % 251);
        return data;
    }();
    server.Get(R"(/files/(\d+)\.bin)", [](const httplib::Request &req, httplib::Response &res) {
        const size_t size = std::stoull(req.matches[1]);
        res.set_content_provider(size, "application/octet-stream",
                                 [](size_t offset, size_t length, httplib::DataSink &sink) {
                                     const size_t start = offset % block.size();
                                     const size_t count = std::min(length, block.size() - start);
                                     return sink.write(block.data() + start, count);
                                 });
    });
}

struct Run {
    double seconds = 0;
    double peakMiB = 0;
    bool ok = false;
};

Run withDownloader(const QString &url, qint64 size) {
    Downloader downloader;
    QEventLoop loop;
    Run run;
    QObject::connect(&downloader, &Downloader::downloadError, &loop, [&](QNetworkReply::NetworkError code) {
        run.ok = code == QNetworkReply::NoError;
        loop.quit();
    });
    resetPeakRss();
    QElapsedTimer timer;
    timer.start();
    downloader.downloadUrl(url);
    loop.exec();
    run.seconds = timer.nsecsElapsed() / 1e9;
    run.peakMiB = peakRssMiB();
    run.ok = run.ok && QFile(downloader.getDownloadPath()).size() == size;
    QFile::remove(downloader.getDownloadPath());
    return run;
}

Run withCurl(const QString &url, qint64 size, const QString &output) {
    Run run;
    QProcess curl;
    QElapsedTimer timer;
    timer.start();
    curl.start(QStringLiteral("curl"),
               {QStringLiteral("-s"), QStringLiteral("--cacert"), QStringLiteral(NORVELA_DEVCERT_CA),
                QStringLiteral("-o"), output, url});
    curl.waitForFinished(-1);
    run.seconds = timer.nsecsElapsed() / 1e9;
    run.ok = curl.exitCode() == 0 && QFile(output).size() == size;
    QFile::remove(output);
    return run;
}

constexpr int repetitions = 3;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double rate(qint64 size, const Run &run) {
    return run.seconds > 0 ? size / 1e6 / run.seconds : 0;
}

} // namespace

int main(int argc, char **argv) {
    // In memory where the system offers it, so that the disk's write speed does not stand in
    // for the download's.
    QTemporaryDir home(QDir(QStringLiteral("/dev/shm")).exists()
                           ? QStringLiteral("/dev/shm/norvela-bench-XXXXXX")
                           : QDir::tempPath() + QStringLiteral("/norvela-bench-XXXXXX"));
    qputenv("HOME", QFile::encodeName(home.path()));
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    TlsTrust::install();
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));

    httplib::Server plain;
    httplib::SSLServer secure(NORVELA_DEVSERVER_CERT, NORVELA_DEVSERVER_KEY);
    serveGenerated(plain);
    serveGenerated(secure);
    const int plainPort = plain.bind_to_any_port("127.0.0.1");
    const int securePort = secure.bind_to_any_port("127.0.0.1");
    std::thread plainThread([&] { plain.listen_after_bind(); });
    std::thread secureThread([&] { secure.listen_after_bind(); });
    while (!plain.is_running() || !secure.is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(10));

    // The peak of a download that is eight times larger must not be higher.
    const QString plainBase = QStringLiteral("http://127.0.0.1:%1/files/").arg(plainPort);
    std::vector<double> smallPeaks;
    std::vector<double> largePeaks;
    bool allOk = true;
    for (int i = 0; i < repetitions; ++i) {
        const Run small = withDownloader(plainBase + QStringLiteral("%1.bin").arg(smallSize), smallSize);
        allOk = allOk && small.ok;
        smallPeaks.push_back(small.peakMiB);
    }

    std::printf("Downloader vs curl on loopback, file generated by the server as it is sent, medians of %d\n",
                repetitions);
    std::printf("%-22s %14s %14s %8s %s\n", "", "Downloader", "curl", "ratio", "goal");
    for (const bool tls : {false, true}) {
        // TLS costs the same per byte for both sides; a quarter of the size keeps the run short.
        const qint64 size = tls ? largeSize / 4 : largeSize;
        const QString origin = tls ? QStringLiteral("https://127.0.0.1:%1").arg(securePort)
                                   : QStringLiteral("http://127.0.0.1:%1").arg(plainPort);
        const QString url = origin + QStringLiteral("/files/%1.bin").arg(size);
        // Alternating runs, medians: the machine is shared, and a single pair says little.
        std::vector<double> ourRates;
        std::vector<double> curlRates;
        for (int i = 0; i < repetitions; ++i) {
            const Run ours = withDownloader(url, size);
            const Run theirs = withCurl(url, size, home.filePath(QStringLiteral("curl.bin")));
            allOk = allOk && ours.ok && theirs.ok;
            ourRates.push_back(rate(size, ours));
            curlRates.push_back(rate(size, theirs));
            if (!tls)
                largePeaks.push_back(ours.peakMiB);
        }
        const double ourRate = median(ourRates);
        const double curlRate = median(curlRates);
        const double ratio = ourRate / curlRate;
        const QByteArray label = QStringLiteral("%1, %2 MiB")
                                     .arg(tls ? QStringLiteral("https") : QStringLiteral("http"))
                                     .arg(size / MiB)
                                     .toLatin1();
        std::printf("%-22s %9.0f MB/s %9.0f MB/s %8.2f >= 0.50 %s\n", label.constData(), ourRate, curlRate,
                    ratio, ratio >= 0.5 ? "met" : "MISSED");
    }

    const double growth = median(largePeaks) - median(smallPeaks);
    std::printf("peak RSS of the downloading process (median of %d): %lld MiB file %.1f MiB (%.1f to %.1f), "
                "%lld MiB file %.1f MiB (%.1f to %.1f)\n",
                repetitions, smallSize / MiB, median(smallPeaks),
                *std::min_element(smallPeaks.begin(), smallPeaks.end()),
                *std::max_element(smallPeaks.begin(), smallPeaks.end()), largeSize / MiB, median(largePeaks),
                *std::min_element(largePeaks.begin(), largePeaks.end()),
                *std::max_element(largePeaks.begin(), largePeaks.end()));
    std::printf("growth with size %.1f MiB (goal: none, < 8 MiB) %s\n", growth,
                growth < 8 ? "met" : "MISSED");

    plain.stop();
    secure.stop();
    plainThread.join();
    secureThread.join();
    if (!allOk)
        std::printf("a transfer failed or was incomplete\n");
    return allOk ? 0 : 1;
}
