#include "Excel.h"
#include "QmlTypes.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// The workbook as another reader sees it: sheet titles in order, and every non-empty cell as
// "row,column" → [value, type].
struct Workbook {
    QStringList sheets;
    QMap<QString, QMap<QString, QJsonArray>> cells;
    QString cell(const QString &sheet, int row, int column) const {
        return cells.value(sheet).value(QStringLiteral("%1,%2").arg(row).arg(column)).at(0).toString();
    }
    QString type(const QString &sheet, int row, int column) const {
        return cells.value(sheet).value(QStringLiteral("%1,%2").arg(row).arg(column)).at(1).toString();
    }
    int cellCount(const QString &sheet) const { return cells.value(sheet).size(); }
};

const char *const readerScript = R"(
import json, sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
out = {"sheets": book.sheetnames, "cells": {}}
for sheet in book.worksheets:
    cells = {}
    # Only the cells the file holds; walking the whole grid up to a far corner takes minutes.
    for (row, column), cell in sorted(sheet._cells.items()):
        if cell.value is not None:
            cells["%d,%d" % (row, column)] = [cell.value if isinstance(cell.value, str) else repr(cell.value), cell.data_type]
    out["cells"][sheet.title] = cells
sys.stdout.buffer.write(json.dumps(out, ensure_ascii=False).encode("utf-8"))
)";

bool readWorkbook(const QString &path, Workbook &book) {
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QString::fromUtf8(readerScript), path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        qWarning() << "openpyxl could not read" << path << python.readAllStandardError();
        return false;
    }
    const QJsonObject root = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    for (const QJsonValue &name : root.value(QStringLiteral("sheets")).toArray())
        book.sheets << name.toString();
    const QJsonObject sheets = root.value(QStringLiteral("cells")).toObject();
    for (auto sheet = sheets.begin(); sheet != sheets.end(); ++sheet) {
        const QJsonObject cells = sheet.value().toObject();
        for (auto cell = cells.begin(); cell != cells.end(); ++cell)
            book.cells[sheet.key()][cell.key()] = cell.value().toArray();
    }
    return true;
}

} // namespace

class TestExcel : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void cellsAreTextAtOneBasedCoordinatesInTheCurrentSheet() {
        Excel excel;
        QVERIFY(excel.addSheet(QStringLiteral("فروش - آپارتمان")));
        // Header straight after addSheet, without selectSheet.
        excel.writeToCell(1, 1, QStringLiteral("متراژ"));
        excel.writeToCell(1, 2, QStringLiteral("قیمت"));
        QVERIFY(excel.addSheet(QStringLiteral("اجاره - ویلا")));
        excel.writeToCell(1, 1, QStringLiteral("ودیعه"));
        QVERIFY(excel.selectSheet(QStringLiteral("فروش - آپارتمان")));
        excel.writeToCell(2, 1, QStringLiteral("12"));
        excel.writeToCell(2, 2, QStringLiteral("3.5"));
        excel.writeToCell(3, 3, QStringLiteral("old"));
        excel.writeToCell(3, 3, QStringLiteral("new"));
        QVERIFY(excel.saveFile(path(QStringLiteral("cells.xlsx"))));

        Workbook book;
        QVERIFY(readWorkbook(path(QStringLiteral("cells.xlsx")), book));
        const QString sale = QStringLiteral("فروش - آپارتمان");
        const QString rent = QStringLiteral("اجاره - ویلا");
        QCOMPARE(book.sheets, QStringList({sale, rent}));
        QCOMPARE(book.cell(sale, 1, 1), QStringLiteral("متراژ"));
        QCOMPARE(book.cell(sale, 1, 2), QStringLiteral("قیمت"));
        QCOMPARE(book.cell(rent, 1, 1), QStringLiteral("ودیعه"));
        QCOMPARE(book.cellCount(rent), 1);
        // Digits stay text: a spreadsheet must not turn a phone number or a code into a number.
        QCOMPARE(book.cell(sale, 2, 1), QStringLiteral("12"));
        QCOMPARE(book.type(sale, 2, 1), QStringLiteral("s"));
        QCOMPARE(book.type(sale, 2, 2), QStringLiteral("s"));
        QCOMPARE(book.cell(sale, 3, 3), QStringLiteral("new"));
        QCOMPARE(book.cellCount(sale), 5);
    }

    void qmlBuildsAWorkbookThroughTheSlots() {
        QmlTypes::registerAll();
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(R"(
            import QtQml 2.15
            import AppExcel 1.0
            Excel {
                function run(path) {
                    addSheet("خرید - زمین")
                    writeToCell(1, 1, "عنوان")
                    writeToCell(2, 1, 12)
                    return saveFile(path)
                }
            })",
                          QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QVariant saved;
        const QString file = path(QStringLiteral("qml.xlsx"));
        QVERIFY(QMetaObject::invokeMethod(object.get(), "run", Q_RETURN_ARG(QVariant, saved),
                                          Q_ARG(QVariant, QUrl::fromLocalFile(file).toString())));
        QCOMPARE(saved.toBool(), true);
        Workbook book;
        QVERIFY(readWorkbook(file, book));
        QCOMPARE(book.cell(QStringLiteral("خرید - زمین"), 1, 1), QStringLiteral("عنوان"));
        QCOMPARE(book.cell(QStringLiteral("خرید - زمین"), 2, 1), QStringLiteral("12"));
        QCOMPARE(book.type(QStringLiteral("خرید - زمین"), 2, 1), QStringLiteral("s"));
    }

    void sheetNamesFollowExcelsRules() {
        struct Case {
            QString title;
            bool accepted;
        };
        const QList<Case> cases = {
            {QString(31, QLatin1Char('a')), true}, {QString(32, QLatin1Char('b')), false},
            {QString(31, QChar(0x0634)), true},    {QString(), false},
            {QStringLiteral("a[b"), false},        {QStringLiteral("a]b"), false},
            {QStringLiteral("a:b"), false},        {QStringLiteral("a*b"), false},
            {QStringLiteral("a?b"), false},        {QStringLiteral("a/b"), false},
            {QStringLiteral("a\\b"), false},       {QStringLiteral("'quoted"), false},
            {QStringLiteral("quoted'"), false},    {QStringLiteral("history"), false},
            {QStringLiteral("فروش - زمین"), true},
        };
        Excel excel;
        QVERIFY(excel.addSheet(QStringLiteral("first")));
        QStringList expectedSheets = {QStringLiteral("first")};
        QString current = QStringLiteral("first");
        QMap<QString, int> rowsIn;
        rowsIn[current] = 0;
        QList<QPair<QString, int>> written; // sheet, row of each marker
        for (const Case &c : cases) {
            QCOMPARE(excel.addSheet(c.title), c.accepted);
            if (c.accepted) {
                expectedSheets << c.title;
                current = c.title;
            }
            // A refused sheet leaves the earlier one current: the marker lands there.
            const int row = ++rowsIn[current];
            excel.writeToCell(row, 1, QStringLiteral("after ") + c.title);
            written << qMakePair(current, row);
        }
        const QString file = path(QStringLiteral("names.xlsx"));
        QVERIFY(excel.saveFile(file));
        Workbook book;
        QVERIFY(readWorkbook(file, book));
        QCOMPARE(book.sheets, expectedSheets);
        for (int i = 0; i < cases.size(); ++i)
            QCOMPARE(book.cell(written[i].first, written[i].second, 1),
                     QStringLiteral("after ") + cases[i].title);
    }

    void duplicateSheetIsRefusedAndSelectReturnsToIt() {
        Excel excel;
        QVERIFY(excel.addSheet(QStringLiteral("Sale")));
        QVERIFY(excel.addSheet(QStringLiteral("Rent")));
        QVERIFY(!excel.addSheet(QStringLiteral("Sale")));
        QVERIFY(!excel.addSheet(QStringLiteral("SALE")));
        excel.writeToCell(1, 1, QStringLiteral("still rent"));
        QVERIFY(!excel.selectSheet(QStringLiteral("Unknown")));
        excel.writeToCell(2, 1, QStringLiteral("also rent"));
        QVERIFY(excel.selectSheet(QStringLiteral("Sale")));
        excel.writeToCell(1, 1, QStringLiteral("sale"));
        const QString file = path(QStringLiteral("dup.xlsx"));
        QVERIFY(excel.saveFile(file));
        Workbook book;
        QVERIFY(readWorkbook(file, book));
        QCOMPARE(book.sheets, QStringList({QStringLiteral("Sale"), QStringLiteral("Rent")}));
        QCOMPARE(book.cell(QStringLiteral("Rent"), 1, 1), QStringLiteral("still rent"));
        QCOMPARE(book.cell(QStringLiteral("Rent"), 2, 1), QStringLiteral("also rent"));
        QCOMPARE(book.cell(QStringLiteral("Sale"), 1, 1), QStringLiteral("sale"));
    }

    void writesWithoutSheetOrOutsideTheGridAreDropped() {
        Excel excel;
        excel.writeToCell(1, 1, QStringLiteral("nowhere"));
        QVERIFY(excel.addSheet(QStringLiteral("s")));
        excel.writeToCell(0, 1, QStringLiteral("row 0"));
        excel.writeToCell(1, 0, QStringLiteral("column 0"));
        excel.writeToCell(-3, 2, QStringLiteral("negative"));
        excel.writeToCell(1048577, 1, QStringLiteral("beyond the last row"));
        excel.writeToCell(1, 16385, QStringLiteral("beyond the last column"));
        excel.writeToCell(1048576, 16384, QStringLiteral("last cell"));
        const QString file = path(QStringLiteral("grid.xlsx"));
        QVERIFY(excel.saveFile(file));
        Workbook book;
        QVERIFY(readWorkbook(file, book));
        QCOMPARE(book.sheets, QStringList({QStringLiteral("s")}));
        QCOMPARE(book.cellCount(QStringLiteral("s")), 1);
        QCOMPARE(book.cell(QStringLiteral("s"), 1048576, 16384), QStringLiteral("last cell"));
    }

    void saveStartsANewWorkbookAndClearDropsTheData() {
        Excel excel;
        QVERIFY(excel.addSheet(QStringLiteral("data")));
        excel.writeToCell(1, 1, QStringLiteral("v"));
        QVERIFY(excel.saveFile(path(QStringLiteral("first.xlsx"))));
        QVERIFY(excel.saveFile(path(QStringLiteral("second.xlsx"))));
        Workbook second;
        QVERIFY(readWorkbook(path(QStringLiteral("second.xlsx")), second));
        QVERIFY(!second.sheets.contains(QStringLiteral("data")));
        QCOMPARE(second.cells.value(second.sheets.value(0)).size(), 0);

        QVERIFY(excel.addSheet(QStringLiteral("data")));
        excel.writeToCell(1, 1, QStringLiteral("dropped"));
        excel.clear();
        // After clear the old sheet name is free again and no cell survives.
        QVERIFY(excel.addSheet(QStringLiteral("data")));
        QVERIFY(excel.saveFile(path(QStringLiteral("cleared.xlsx"))));
        Workbook cleared;
        QVERIFY(readWorkbook(path(QStringLiteral("cleared.xlsx")), cleared));
        QCOMPARE(cleared.sheets, QStringList({QStringLiteral("data")}));
        QCOMPARE(cleared.cellCount(QStringLiteral("data")), 0);
    }

    void aFailedSaveKeepsTheWorkbookForAnotherPlace() {
        Excel excel;
        QVERIFY(excel.addSheet(QStringLiteral("kept")));
        excel.writeToCell(1, 1, QStringLiteral("مقدار"));
        const QString missingFolder = path(QStringLiteral("no/such/folder/out.xlsx"));
        QVERIFY(!excel.saveFile(missingFolder));
        QVERIFY(!QFile::exists(missingFolder));
        QVERIFY(!excel.saveFile(m_dir.path())); // a folder is not a file
        QVERIFY(!excel.saveFile(QString()));

        const QString elsewhere = path(QStringLiteral("رونوشت با فاصله.xlsx"));
        QVERIFY(excel.saveFile(QUrl::fromLocalFile(elsewhere).toString()));
        Workbook book;
        QVERIFY(readWorkbook(elsewhere, book));
        QCOMPARE(book.cell(QStringLiteral("kept"), 1, 1), QStringLiteral("مقدار"));
    }

    void aFailedSaveLeavesAnEarlierFileIntact() {
        QTemporaryDir readOnly;
        QVERIFY(readOnly.isValid());
        const QString file = readOnly.filePath(QStringLiteral("earlier.xlsx"));
        {
            Excel excel;
            QVERIFY(excel.addSheet(QStringLiteral("earlier")));
            QVERIFY(excel.saveFile(file));
        }
        QFile::setPermissions(readOnly.path(), QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(readOnly.path()).isWritable())
            QSKIP("running with rights that ignore folder permissions");
        Excel excel;
        QVERIFY(excel.addSheet(QStringLiteral("later")));
        const bool saved = excel.saveFile(file);
        QFile::setPermissions(readOnly.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!saved);
        Workbook book;
        QVERIFY(readWorkbook(file, book));
        QCOMPARE(book.sheets, QStringList({QStringLiteral("earlier")}));
    }

    void savingReplacesAnExistingFile() {
        const QString file = path(QStringLiteral("replaced.xlsx"));
        {
            QFile old(file);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("not a workbook");
        }
        Excel excel;
        QVERIFY(excel.addSheet(QStringLiteral("new")));
        QVERIFY(excel.saveFile(file));
        Workbook book;
        QVERIFY(readWorkbook(file, book));
        QCOMPARE(book.sheets, QStringList({QStringLiteral("new")}));
        QVERIFY(QFileInfo(file).permissions() & QFile::ReadOther);
    }
};

QTEST_GUILESS_MAIN(TestExcel)
#include "tst_excel.moc"
