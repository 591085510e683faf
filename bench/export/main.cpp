// 10,000 listings exported from the stand-in service through the export dialog, against
// libxlsxwriter writing the very same cells directly; both times and their ratio.
//
// The export runs the program's own documents: the dialog asks the service for pages of 100
// listings through the request layer, lays out each deal/property pair from the schema database
// and writes cell by cell through the Excel class. The baseline takes the cells of the workbook
// the export wrote (read back with openpyxl, untimed) and hands them to libxlsxwriter with the
// same options the Excel class uses.
//
// Two further figures put the ratio in proportion: the same pages fetched by a plain C++ client
// (the service's share), and the script engine's JSON.parse of those replies (what reading them
// in the program's documents costs before a single cell is written).

#include "ExportRun.h"
#include "Host.h"
#include "ProgramSandbox.h"
#include "SeededService.h"
#include "ServiceConfig.h"
#include "TlsTrust.h"

#include <xlsxwriter.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJSEngine>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int listingCount = 10000;
constexpr int baselineRepetitions = 3;
constexpr int exportTimeoutMs = 300000;

struct Cell {
    int row;
    int column;
    std::string text;
};

struct Sheet {
    std::string name;
    std::vector<Cell> cells;
};

// The cells of a workbook, by openpyxl, as JSON: [{name, cells: [[row, column, text]…]}].
bool readCells(const QString &workbook, const QString &jsonPath, std::vector<Sheet> &sheets) {
    static const char *script = R"(
import json, sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1], read_only=True)
out = []
for ws in book.worksheets:
    cells = []
    for row in ws.iter_rows():
        for cell in row:
            if cell.value is not None and cell.value != "":
                cells.append([cell.row, cell.column, str(cell.value)])
    out.append({"name": ws.title, "cells": cells})
with open(sys.argv[2], "w", encoding="utf-8") as f:
    json.dump(out, f, ensure_ascii=False)
)";
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QString::fromUtf8(script), workbook, jsonPath});
    if (!python.waitForFinished(120000) || python.exitCode() != 0) {
        std::fprintf(stderr, "reading the workbook back failed: %s\n",
                     python.readAllStandardError().constData());
        return false;
    }
    QFile file(jsonPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonArray all = QJsonDocument::fromJson(file.readAll()).array();
    for (const QJsonValue &sheetValue : all) {
        const QJsonObject object = sheetValue.toObject();
        Sheet sheet;
        sheet.name = object.value(QStringLiteral("name")).toString().toStdString();
        for (const QJsonValue &cellValue : object.value(QStringLiteral("cells")).toArray()) {
            const QJsonArray cell = cellValue.toArray();
            sheet.cells.push_back(
                {cell.at(0).toInt(), cell.at(1).toInt(), cell.at(2).toString().toStdString()});
        }
        sheets.push_back(std::move(sheet));
    }
    return !sheets.empty();
}

// libxlsxwriter on its own, with the options the Excel class uses.
bool writeDirectly(const std::vector<Sheet> &sheets, const std::string &path, const std::string &tempDir) {
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = const_cast<char *>(tempDir.c_str());
    lxw_workbook *workbook = workbook_new_opt(path.c_str(), &options);
    if (!workbook)
        return false;
    for (const Sheet &sheet : sheets) {
        lxw_worksheet *worksheet = workbook_add_worksheet(workbook, sheet.name.c_str());
        if (!worksheet) {
            workbook_close(workbook);
            return false;
        }
        for (const Cell &cell : sheet.cells)
            worksheet_write_string(worksheet, lxw_row_t(cell.row - 1), lxw_col_t(cell.column - 1),
                                   cell.text.c_str(), nullptr);
    }
    return workbook_close(workbook) == LXW_NO_ERROR;
}

// One POST answered synchronously; the reply's `result`, or an empty object. `text` receives
// the reply as it came.
QJsonObject post(QNetworkAccessManager &network, const QString &url, const QByteArray &contentType,
                 const QByteArray &body, const QString &token = {}, QByteArray *text = nullptr) {
    QNetworkRequest request{QUrl(url)};
    request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    if (!token.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + token.toUtf8());
    QNetworkReply *reply = network.post(request, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    const QByteArray received = reply->readAll();
    reply->deleteLater();
    if (text)
        *text = received;
    const QJsonObject envelope = QJsonDocument::fromJson(received).object();
    return envelope.value(QStringLiteral("ok")).toBool() ? envelope.value(QStringLiteral("result")).toObject()
                                                         : QJsonObject{};
}

// The script engine's JSON.parse over the same replies, as the request layer parses every page:
// what any export that reads the replies in the program's documents pays at least. Milliseconds,
// or −1.
double parseInEngine(const QStringList &replies) {
    QJSEngine engine;
    QJSValue parse =
        engine.evaluate(QStringLiteral("(function (text) { return JSON.parse(text).ok === true })"));
    QElapsedTimer timer;
    timer.start();
    for (const QString &text : replies) {
        if (!parse.call({text}).toBool())
            return -1;
    }
    return timer.nsecsElapsed() / 1e6;
}

// What any client of the service waits for: the export's requests, one after another on one
// connection, each reply read and parsed, nothing written. Returns milliseconds, or −1.
double fetchPagesOnly(const QString &apiBase, int &listings, int &pages, QStringList &replies) {
    QNetworkAccessManager network;
    const QByteArray form =
        "platform=desktop&os=linux&deviceId=export-bench-floor&osVersion=bench&appVersion=2.1.0.0"
        "&username=09151234567";
    post(network, apiBase + QStringLiteral("v1/login/officeMan"), "application/x-www-form-urlencoded", form);
    const QString token = post(network, apiBase + QStringLiteral("v1/login/officeMan"),
                               "application/x-www-form-urlencoded", form + "&verificationCode=1234")
                              .value(QStringLiteral("token"))
                              .toObject()
                              .value(QStringLiteral("token"))
                              .toString();
    if (token.isEmpty())
        return -1;
    listings = 0;
    pages = 0;
    QElapsedTimer timer;
    timer.start();
    for (int page = 1;; ++page) {
        const QByteArray body =
            QStringLiteral("{\"page\":%1,\"count\":100,\"condition\":true,\"searchOperator\":\"and\","
                           "\"sortBy\":\"fileDateUnix\",\"sortDirection\":-1,\"systemFile\":false}")
                .arg(page)
                .toUtf8();
        QByteArray text;
        const QJsonObject result =
            post(network, apiBase + QStringLiteral("v2/officeMan/propertyFiles/searchMyPropertyFiles"),
                 "application/json", body, token, &text);
        replies << QString::fromUtf8(text);
        const QJsonArray data =
            result.value(QStringLiteral("propertyFiles")).toObject().value(QStringLiteral("data")).toArray();
        if (result.isEmpty())
            return -1;
        ++pages;
        if (data.isEmpty())
            break;
        listings += data.size();
    }
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[]) {
    QTemporaryDir work;
    if (!ProgramSandbox::prepare(work))
        return 1;

    TlsTrust::install();
    QApplication app(argc, argv);
    ProgramSandbox::registerProgram();

    const auto service = startSeededService(listingCount);
    if (!service)
        return 1;

    const QString exported = work.path() + QStringLiteral("/export.xlsx");
    ExportRun run(exported);
    int exitCode = 0;
    {
        QQmlApplicationEngine engine;
        engine.setOfflineStoragePath(work.path() + QStringLiteral("/offline"));
        Host::publishContextProperties(&engine);
        engine.rootContext()->setContextProperty(QStringLiteral("exportRun"), &run);
        // Another document may be named for profiling a changed copy of the dialog.
        const QString document =
            argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(EXPORT_BENCH_DOCUMENT);
        engine.load(QUrl::fromLocalFile(document));
        if (engine.rootObjects().isEmpty()) {
            std::fprintf(stderr, "the bench document did not load\n");
            return 1;
        }
        // An export that never ends is a failure, not a hang.
        QTimer::singleShot(exportTimeoutMs, &run, [&run] {
            run.fail(QStringLiteral("the export did not finish within %1 s").arg(exportTimeoutMs / 1000));
        });
        exitCode = app.exec();
    }
    int floorListings = 0;
    int floorPages = 0;
    QStringList replies;
    const double floor = exitCode == 0 ? fetchPagesOnly(ServiceConfig::instance()->apiBaseUrl(),
                                                        floorListings, floorPages, replies)
                                       : -1;
    const double parsing = floor >= 0 ? parseInEngine(replies) : -1;
    service->stop();
    if (exitCode != 0 || !run.succeeded()) {
        std::fprintf(stderr, "export failed: %s\n", qPrintable(run.failure()));
        return 1;
    }

    std::vector<Sheet> sheets;
    if (!readCells(exported, work.path() + QStringLiteral("/cells.json"), sheets))
        return 1;
    size_t cellCount = 0;
    for (const Sheet &sheet : sheets)
        cellCount += sheet.cells.size();

    std::vector<double> times;
    const std::string direct = QString(work.path() + QStringLiteral("/direct.xlsx")).toStdString();
    const std::string tempDir = QDir::tempPath().toStdString();
    for (int i = 0; i < baselineRepetitions; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!writeDirectly(sheets, direct, tempDir)) {
            std::fprintf(stderr, "libxlsxwriter could not write %s\n", direct.c_str());
            return 1;
        }
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    const double baseline = times[times.size() / 2];

    std::printf(
        "exported listings:                      %d in %zu sheets, %zu non-empty cells (%.1f MB file)\n",
        run.files(), sheets.size(), cellCount, QFileInfo(exported).size() / 1e6);
    std::printf("export through ExcelDialog (service):   %10.1f ms\n", run.milliseconds());
    std::printf("baseline: libxlsxwriter, same cells:    %10.1f ms (median of %d)\n", baseline,
                baselineRepetitions);
    std::printf("ratio:                                  %10.2f x (goal: at most 5 x)\n",
                run.milliseconds() / baseline);
    std::printf("the window's thread busy during the export:%7.1f ms (%.2f x baseline)\n",
                run.threadMilliseconds(), run.threadMilliseconds() / baseline);
    if (floor >= 0) {
        std::printf(
            "of which the service's share: the same %d pages (%d listings) fetched and parsed by a plain\n"
            "  C++ client, one after another:        %10.1f ms\n",
            floorPages, floorListings, floor);
        std::printf("export beyond that, against baseline:   %10.2f x\n",
                    (run.milliseconds() - floor) / baseline);
    }
    if (parsing >= 0)
        std::printf("the script engine's JSON.parse of those replies alone:\n"
                    "                                        %10.1f ms (%.2f x baseline)\n",
                    parsing, parsing / baseline);
    return run.files() > 0 ? 0 : 1;
}
