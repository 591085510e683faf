#pragma once

#include <QObject>
#include <QString>

// The bench document's line back to the host: where to save, and how the export went.
class ExportRun : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString outputPath READ outputPath CONSTANT)

public:
    explicit ExportRun(const QString &outputPath, QObject *parent = nullptr);

    QString outputPath() const { return m_outputPath; }
    bool succeeded() const { return m_succeeded; }
    double milliseconds() const { return m_milliseconds; }
    int files() const { return m_files; }
    QString failure() const { return m_failure; }

public Q_SLOTS:
    void finished(double milliseconds, int files);
    void fail(const QString &why);

private:
    QString m_outputPath;
    bool m_succeeded = false;
    double m_milliseconds = 0;
    int m_files = 0;
    QString m_failure;
};
