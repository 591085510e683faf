// 5,000 listings of the stand-in service paged into the program's file list, 20 at a time as a
// user scrolls: for each page, the time from its reply being complete to its rows being laid out,
// beside the script engine's JSON.parse of that same reply (the least any page of the list costs
// before a single row exists), and the process's peak memory after 1,000 and after 5,000 rows.
//
// The list runs the program's own documents: the request layer, the schema database for the deal
// and property titles, the paging pattern, the row preparation and the row delegate. Each page is
// asked for once the rows of the one before are laid out, so the pages never overlap.

#include "Host.h"
#include "ListRun.h"
#include "ProcessMemory.h"
#include "ProgramSandbox.h"
#include "SeededService.h"
#include "ServiceConfig.h"
#include "TlsTrust.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJSEngine>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A few of the generated listings are deleted and never listed: enough to show 5,000.
constexpr int listingCount = 5200;
constexpr int rowsWanted = 5000;
constexpr int runTimeoutMs = 600000;

// The script engine's JSON.parse of each reply on its own, in milliseconds.
std::vector<double> parseInEngine(const QStringList &replies) {
    QJSEngine engine;
    QJSValue parse =
        engine.evaluate(QStringLiteral("(function (text) { return JSON.parse(text).ok === true })"));
    std::vector<double> times;
    for (const QString &text : replies) {
        QElapsedTimer timer;
        timer.start();
        const bool ok = parse.call({text}).toBool();
        times.push_back(ok ? timer.nsecsElapsed() / 1e6 : -1);
    }
    return times;
}

double percentile(std::vector<double> values, double share) {
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(at, values.size() - 1)];
}

void printRow(const char *what, const std::vector<double> &values) {
    std::printf("  %-34s p50 %6.2f   p90 %6.2f   max %6.2f\n", what, percentile(values, 0.5),
                percentile(values, 0.9), percentile(values, 1.0));
}

} // namespace

int main(int argc, char *argv[]) {
    // One thread draws and lays out, so "laid out" is told on the thread that did it.
    qputenv("QSG_RENDER_LOOP", "basic");
    QTemporaryDir work;
    if (!ProgramSandbox::prepare(work))
        return 1;

    TlsTrust::install();
    QApplication app(argc, argv);
    ProgramSandbox::registerProgram();

    const auto service = startSeededService(listingCount);
    if (!service)
        return 1;

    ListRun run;
    TimedNetworkFactory network(&run);
    int exitCode = 0;
    double runSeconds = 0;
    {
        QQmlApplicationEngine engine;
        engine.setNetworkAccessManagerFactory(&network);
        engine.setOfflineStoragePath(work.path() + QStringLiteral("/offline"));
        Host::publishContextProperties(&engine);
        engine.rootContext()->setContextProperty(QStringLiteral("listRun"), &run);
        // Another document may be named for profiling a changed copy of the list.
        const QString document =
            argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(FILE_LIST_BENCH_DOCUMENT);
        engine.load(QUrl::fromLocalFile(document));
        auto *window = engine.rootObjects().isEmpty()
                           ? nullptr
                           : qobject_cast<QQuickWindow *>(engine.rootObjects().first());
        if (!window) {
            std::fprintf(stderr, "the bench document did not load\n");
            return 1;
        }
        run.watch(window);
        QTimer::singleShot(runTimeoutMs, &run, [&run] {
            run.fail(QStringLiteral("the list did not reach %1 rows within %2 s")
                         .arg(rowsWanted)
                         .arg(runTimeoutMs / 1000));
        });
        QElapsedTimer running;
        running.start();
        exitCode = app.exec();
        runSeconds = running.elapsed() / 1000.0;
    }
    service->stop();
    if (exitCode != 0 || !run.succeeded()) {
        std::fprintf(stderr, "the file list run failed: %s\n", qPrintable(run.failure()));
        return 1;
    }

    const std::vector<double> parsing = parseInEngine(run.replies());
    const std::vector<double> layout(run.layoutTimes().cbegin(), run.layoutTimes().cend());
    // Per page: what the list adds after the least any reader of the reply pays.
    std::vector<double> beyond;
    for (std::size_t i = 0; i < layout.size() && i < parsing.size(); ++i)
        beyond.push_back(layout[i] - parsing[i]);

    std::printf("%d pages of 20 taken in and laid out in %.1f s (the service's time included)\n",
                static_cast<int>(layout.size()), runSeconds);
    std::printf("per page, in ms:\n");
    printRow("reply complete -> rows laid out", layout);
    printRow("JSON.parse of the same reply", parsing);
    printRow("laid out after the parse", beyond);
    std::printf("  goal: rows laid out within one frame (16 ms) of the parsed reply: %s\n",
                percentile(beyond, 0.9) <= 16.0 ? "met (p90)" : "NOT met (p90)");
    const double ratio = run.peakAt5000() / run.peakAt1000();
    std::printf(
        "peak memory: %.1f MiB after 1,000 rows, %.1f MiB after 5,000 rows: %.2f times (goal at most 1.5: %s)\n",
        run.peakAt1000(), run.peakAt5000(), ratio, ratio <= 1.5 ? "met" : "NOT met");
    return 0;
}
