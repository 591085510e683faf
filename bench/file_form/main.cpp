// Each step of the largest listing form (sale, apartment) built from the schema and laid out, beside
// the schema queries of the same steps in the same run.
//
// The form is the program's own page in a stand-in window with the members it reaches by name.
// A step's work is what the user's choice runs (the deal step, a deal type, a property type, the
// detail and the end sections); "laid out" adds the first frame that shows it, which positions
// every line and draws it (software renderer, offscreen). The baseline runs the same step's schema
// queries alone through the same elements: its sections, their rows and the rows' fields.

#include "Host.h"
#include "ProgramSandbox.h"
#include "ServiceConfig.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QVariant>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int repetitions = 15;
const char *const steps[] = {"deal", "property", "general", "detail", "end"};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// An address where nothing listens: the form's request for the zones fails at once instead of
// reaching whatever serves the default address.
QString closedOrigin() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("https://127.0.0.1:%1").arg(port);
}

double runStep(QObject *window, const char *step) {
    QElapsedTimer timer;
    timer.start();
    QMetaObject::invokeMethod(window, "step", Q_ARG(QVariant, QString::fromLatin1(step)));
    return timer.nsecsElapsed() / 1e6;
}

double runQueries(QObject *window, const char *step) {
    QVariant rows;
    QElapsedTimer timer;
    timer.start();
    QMetaObject::invokeMethod(window, "queries", Q_RETURN_ARG(QVariant, rows),
                              Q_ARG(QVariant, QString::fromLatin1(step)));
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[]) {
    QTemporaryDir work;
    if (!ProgramSandbox::prepare(work))
        return 1;

    QApplication app(argc, argv);
    ProgramSandbox::registerProgram();
    ServiceConfig::instance()->redirectTo(closedOrigin());

    QQmlApplicationEngine engine;
    engine.setOfflineStoragePath(work.path() + QStringLiteral("/offline"));
    Host::publishContextProperties(&engine);
    engine.load(QUrl::fromLocalFile(QStringLiteral(FORM_BENCH_DOCUMENT)));
    if (engine.rootObjects().isEmpty()) {
        std::fprintf(stderr, "the bench document did not load\n");
        return 1;
    }
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
    if (!window)
        return 1;
    // The schema is built, the fonts are loaded and the zones request has failed.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 500)
        app.processEvents(QEventLoop::AllEvents, 50);

    const int stepCount = int(sizeof(steps) / sizeof(steps[0]));
    std::vector<std::vector<double>> built(stepCount), shown(stepCount), queried(stepCount);
    std::vector<double> first(stepCount);
    // One round first, apart: the documents and scripts are compiled on first use.
    for (int round = -1; round < repetitions; ++round) {
        for (int i = 0; i < stepCount; ++i) {
            const double queries = runQueries(window, steps[i]);
            QElapsedTimer timer;
            timer.start();
            runStep(window, steps[i]);
            const double build = timer.nsecsElapsed() / 1e6;
            window->grabWindow();
            const double total = timer.nsecsElapsed() / 1e6;
            app.processEvents();
            if (round < 0) {
                first[i] = total;
                continue;
            }
            queried[i].push_back(queries);
            built[i].push_back(build);
            shown[i].push_back(total);
        }
    }

    std::printf("listing form, sale of an apartment (median of %d rounds, milliseconds)\n", repetitions);
    std::printf("%-10s %16s %12s %22s %14s\n", "step", "schema queries", "built", "built and laid out",
                "first time");
    double formQueries = 0;
    double slowest = 0;
    for (int i = 0; i < stepCount; ++i) {
        const double queries = median(queried[i]);
        const double total = median(shown[i]);
        std::printf("%-10s %16.2f %12.2f %22.2f %14.2f\n", steps[i], queries, median(built[i]), total,
                    first[i]);
        if (i >= 2)
            formQueries += queries;
        slowest = std::max(slowest, total);
    }
    std::printf(
        "all schema queries of the sale-apartment form (general and detail): %.2f ms (goal: within 8 ms)\n",
        formQueries);
    std::printf("slowest step built and laid out: %.2f ms (goal: within 50 ms)\n", slowest);
    return 0;
}
