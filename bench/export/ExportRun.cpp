#include "ExportRun.h"

#include <QCoreApplication>

ExportRun::ExportRun(const QString &outputPath, QObject *parent)
    : QObject(parent)
    , m_outputPath(outputPath) {}

void ExportRun::finished(double milliseconds, int files) {
    m_succeeded = true;
    m_milliseconds = milliseconds;
    m_files = files;
    QCoreApplication::exit(0);
}

void ExportRun::fail(const QString &why) {
    m_failure = why;
    QCoreApplication::exit(1);
}
