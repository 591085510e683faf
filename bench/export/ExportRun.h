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
    // Processor time the window's thread spent between started() and finished(): the export's
    // own work, apart from waiting for the service (and apart from a busy machine's steal).
    double threadMilliseconds() const { return m_threadMilliseconds; }
    QString failure() const { return m_failure; }

public Q_SLOTS:
    void started();
    void finished(double milliseconds, int files);
    void fail(const QString &why);

private:
    QString m_outputPath;
    bool m_succeeded = false;
    double m_milliseconds = 0;
    double m_threadStart = 0;
    double m_threadMilliseconds = 0;
    int m_files = 0;
    QString m_failure;
};
