#include "ExportRun.h"

#include <QCoreApplication>

#include <ctime>

namespace {

double threadCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

} // namespace

ExportRun::ExportRun(const QString &outputPath, QObject *parent)
    : QObject(parent)
    , m_outputPath(outputPath) {}

void ExportRun::started() {
    m_threadStart = threadCpuMilliseconds();
}

void ExportRun::finished(double milliseconds, int files) {
    m_threadMilliseconds = threadCpuMilliseconds() - m_threadStart;
    m_succeeded = true;
    m_milliseconds = milliseconds;
    m_files = files;
    QCoreApplication::exit(0);
}

void ExportRun::fail(const QString &why) {
    m_failure = why;
    QCoreApplication::exit(1);
}
