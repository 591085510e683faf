#include "Excel.h"

#include "Utility.h"
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <cstdio>

namespace {

constexpr int maxSheetNameLength = 31;
constexpr int maxRows = 1048576;
constexpr int maxColumns = 16384;
constexpr int maxCellTextLength = 32767;

} // namespace

Excel::Excel(QObject *parent)
    : QObject(parent) {
    clear();
}

Excel::~Excel() = default;

bool Excel::isAcceptableSheetName(const QString &title) {
    if (title.isEmpty() || title.size() > maxSheetNameLength)
        return false;
    static const QString forbidden = QStringLiteral("[]:*?/\\");
    for (const QChar c : title) {
        if (forbidden.contains(c))
            return false;
    }
    if (title.startsWith(QLatin1Char('\'')) || title.endsWith(QLatin1Char('\'')))
        return false;
    return title.compare(QLatin1String("History"), Qt::CaseInsensitive) != 0;
}

int Excel::indexOfSheet(const QString &title) const {
    for (size_t i = 0; i < m_sheets.size(); ++i) {
        // Excel refuses names that differ only in case.
        if (m_sheets[i].title.compare(title, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

bool Excel::addSheet(const QString &title) {
    if (!isAcceptableSheetName(title) || indexOfSheet(title) >= 0) {
        qDebug() << "Excel: sheet name refused:" << title;
        return false;
    }
    m_sheets.push_back(Sheet{title, {}});
    m_current = int(m_sheets.size()) - 1;
    return true;
}

bool Excel::selectSheet(const QString &title) {
    const int index = indexOfSheet(title);
    if (index < 0)
        return false;
    m_current = index;
    return true;
}

void Excel::writeToCell(int row, int column, const QString &value) {
    if (m_current < 0 || row < 1 || row > maxRows || column < 1 || column > maxColumns)
        return;
    std::vector<QString> &cells = m_sheets[size_t(m_current)].rows[row];
    if (cells.size() < size_t(column))
        cells.resize(size_t(column));
    QString text = value;
    if (text.size() > maxCellTextLength) {
        // Excel stores no more; cut before a surrogate pair rather than through it.
        int length = maxCellTextLength;
        if (text.at(length - 1).isHighSurrogate())
            --length;
        text.truncate(length);
    }
    cells[size_t(column) - 1] = text;
}

bool Excel::writeWorkbook(const QString &fileName) const {
    const QByteArray encodedName = QFile::encodeName(fileName);
    const QByteArray tempDir = QFile::encodeName(QDir::tempPath());
    lxw_workbook_options options{};
    // Rows leave memory as soon as they are written; they are handed over in order anyway.
    options.constant_memory = LXW_TRUE;
    options.tmpdir = const_cast<char *>(tempDir.constData());
    lxw_workbook *workbook = workbook_new_opt(encodedName.constData(), &options);
    if (!workbook)
        return false;

    bool complete = true;
    for (const Sheet &sheet : m_sheets) {
        lxw_worksheet *worksheet = workbook_add_worksheet(workbook, sheet.title.toUtf8().constData());
        if (!worksheet) {
            complete = false;
            break;
        }
        for (const auto &row : sheet.rows) {
            for (size_t column = 0; column < row.second.size(); ++column) {
                const QString &text = row.second[column];
                if (text.isEmpty())
                    continue;
                if (worksheet_write_string(worksheet, lxw_row_t(row.first - 1), lxw_col_t(column),
                                           text.toUtf8().constData(), nullptr) != LXW_NO_ERROR)
                    complete = false;
            }
        }
    }
    // Closing writes the file and frees the workbook in every case.
    const lxw_error closed = workbook_close(workbook);
    if (closed != LXW_NO_ERROR)
        qDebug() << "Excel: cannot write" << fileName << lxw_strerror(closed);
    return complete && closed == LXW_NO_ERROR;
}

bool Excel::saveFile(const QString &path) {
    const QString target = Utility::localPathOf(path);
    if (target.isEmpty() || QFileInfo(target).isDir())
        return false;

    // Written beside the target and moved over it only when complete, so a failed save leaves
    // an earlier file at that place intact.
    QTemporaryFile staging(QFileInfo(target).absolutePath() + QStringLiteral("/.xlsx-XXXXXX"));
    if (!staging.open()) {
        qDebug() << "Excel: cannot write in the folder of" << target << staging.errorString();
        return false;
    }
    staging.close();
    if (!writeWorkbook(staging.fileName()))
        return false;
    QFile::setPermissions(staging.fileName(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (std::rename(QFile::encodeName(staging.fileName()).constData(),
                    QFile::encodeName(target).constData()) != 0) {
        qDebug() << "Excel: cannot move the workbook to" << target;
        return false;
    }
    staging.setAutoRemove(false);
    clear();
    return true;
}

void Excel::clear() {
    m_sheets.clear();
    m_current = -1;
}
