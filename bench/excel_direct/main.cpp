// 10,000 rows × 40 Persian text cells in one sheet, written through the Excel class (as the export
// dialog does, cell by cell) and through libxlsxwriter directly; medians of three runs each.

#include "ProcessMemory.h"

#include "Excel.h"

#include <xlsxwriter.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int rows = 10000;
constexpr int columns = 40;
constexpr int repetitions = 3;

const QStringList words = {QStringLiteral("آپارتمان"), QStringLiteral("فروش"),   QStringLiteral("متری"),
                           QStringLiteral("خیابان"),   QStringLiteral("ولیعصر"), QStringLiteral("پارکینگ"),
                           QStringLiteral("آسانسور"),  QStringLiteral("انباری"), QStringLiteral("بالکن")};

QString cellText(int row, int column) {
    return words[(row + column) % words.size()] + QLatin1Char(' ') + QString::number(row * columns + column) +
           QLatin1Char(' ') + words[(row * 7 + column) % words.size()];
}

struct Figure {
    double seconds;
    double peakGrowthMiB;
};

Figure measure(const std::function<void()> &work) {
    std::vector<double> times;
    double growth = 0;
    for (int i = 0; i < repetitions; ++i) {
        ProcessMemory::resetPeak();
        const double before = ProcessMemory::currentMiB();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e9);
        growth = std::max(growth, ProcessMemory::peakMiB() - before);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], growth};
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("export.xlsx"));

    std::vector<QString> texts;
    std::vector<std::string> utf8;
    texts.reserve(size_t(rows) * columns);
    utf8.reserve(size_t(rows) * columns);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            texts.push_back(cellText(row, column));
            utf8.push_back(texts.back().toUtf8().toStdString());
        }
    }
    const QByteArray encodedPath = QFile::encodeName(path);
    bool ok = true;

    const Figure throughClass = measure([&] {
        Excel excel;
        excel.addSheet(QStringLiteral("فروش - آپارتمان"));
        for (int row = 0; row < rows; ++row)
            for (int column = 0; column < columns; ++column) {
                // A fresh string per call, as each call from QML brings one.
                const QString &text = texts[size_t(row) * columns + size_t(column)];
                excel.writeToCell(row + 1, column + 1, QString(text.constData(), text.size()));
            }
        ok = excel.saveFile(path) && ok;
    });
    const qint64 classSize = QFile(path).size();

    auto direct = [&](bool constantMemory) {
        lxw_workbook_options options{};
        options.constant_memory = constantMemory ? LXW_TRUE : LXW_FALSE;
        lxw_workbook *workbook = workbook_new_opt(encodedPath.constData(), &options);
        lxw_worksheet *sheet = workbook_add_worksheet(workbook, "فروش - آپارتمان");
        for (int row = 0; row < rows; ++row)
            for (int column = 0; column < columns; ++column)
                worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(column),
                                       utf8[size_t(row) * columns + size_t(column)].c_str(), nullptr);
        ok = workbook_close(workbook) == LXW_NO_ERROR && ok;
    };
    const Figure directShared = measure([&] { direct(false); });
    const Figure directConstant = measure([&] { direct(true); });

    std::printf("%d rows x %d Persian text cells, one sheet, median of %d runs\n", rows, columns,
                repetitions);
    std::printf(
        "  Excel class (cell by cell, then saveFile): %6.3f s, peak RSS growth %6.1f MiB, %lld bytes\n",
        throughClass.seconds, throughClass.peakGrowthMiB, classSize);
    std::printf("  libxlsxwriter directly:                    %6.3f s, peak RSS growth %6.1f MiB\n",
                directShared.seconds, directShared.peakGrowthMiB);
    std::printf("  libxlsxwriter directly, constant_memory:   %6.3f s, peak RSS growth %6.1f MiB\n",
                directConstant.seconds, directConstant.peakGrowthMiB);
    std::printf("  ratio class / direct: %.2f (the export through the dialog aims at <= 5)\n",
                throughClass.seconds / directShared.seconds);
    if (!ok)
        std::printf("a workbook could not be written\n");
    return ok ? 0 : 1;
}
