#pragma once

#include <QObject>
#include <QString>

#include <map>
#include <vector>

// Builds an .xlsx workbook cell by cell for QML and writes it out in one go. Every value is
// text; coordinates are 1-based as in the spreadsheet itself.
class Excel : public QObject {
    Q_OBJECT

public:
    explicit Excel(QObject *parent = nullptr);
    ~Excel() override;

    // Excel's own naming rules: 1 to 31 characters, none of []:*?/\, no apostrophe at either
    // end, and not the reserved "History".
    static bool isAcceptableSheetName(const QString &title);

public Q_SLOTS:
    // Appends a sheet and makes it current. Refused (false, nothing added) for a name Excel
    // would refuse or that another sheet has already, compared without regard to case.
    bool addSheet(const QString &title);
    // Makes an existing sheet current; an unknown name changes nothing (false).
    bool selectSheet(const QString &title);
    // Writes text into a cell of the current sheet, replacing what was there. Without a
    // current sheet, or outside the sheet's bounds, nothing is written.
    void writeToCell(int row, int column, const QString &value);
    // Writes the workbook to `path` (a local path or a file URL), replacing any file there,
    // and then starts a new, empty workbook. When the file cannot be written, returns false
    // and keeps the workbook as it is, so the caller can choose another place.
    bool saveFile(const QString &path);
    void clear();

private:
    struct Sheet {
        QString title;
        // Row number → cells of that row, indexed by column number − 1.
        std::map<int, std::vector<QString>> rows;
    };

    int indexOfSheet(const QString &title) const;
    bool writeWorkbook(const QString &fileName) const;

    std::vector<Sheet> m_sheets;
    int m_current = -1;
};
