#include "DevServerProcess.h"

#include <QElapsedTimer>
#include <QRegularExpression>

DevServerProcess::DevServerProcess(QStringList extraArguments)
    : m_arguments(std::move(extraArguments)) {}

DevServerProcess::~DevServerProcess() {
    stop();
}

bool DevServerProcess::start() {
    m_process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("NORVELA_DEVSERVER_EXIT_WITH_PARENT"), QStringLiteral("1"));
    m_process->setProcessEnvironment(environment);
    QStringList arguments{QStringLiteral("--data"),       m_dataDir.path(),
                          QStringLiteral("--port"),       QStringLiteral("0"),
                          QStringLiteral("--fixed-code"), QStringLiteral("1234")};
    arguments << m_arguments;
    m_process->start(QStringLiteral(NORVELA_DEVSERVER_BINARY), arguments);
    if (!m_process->waitForStarted(20000))
        return false;
    static const QRegularExpression line(
        QStringLiteral("^listening on https://127\\.0\\.0\\.1:(\\d+)/api/$"));
    QElapsedTimer timer;
    timer.start();
    QByteArray output;
    while (timer.elapsed() < 60000) {
        if (!m_process->canReadLine() && !m_process->waitForReadyRead(500)) {
            if (m_process->state() != QProcess::Running)
                break;
            continue;
        }
        while (m_process->canReadLine()) {
            const QString text = QString::fromUtf8(m_process->readLine()).trimmed();
            const auto match = line.match(text);
            if (match.hasMatch()) {
                m_port = match.captured(1).toInt();
                return true;
            }
        }
    }
    m_stderr = QString::fromUtf8(m_process->readAllStandardError());
    return false;
}

int DevServerProcess::stop() {
    if (!m_process)
        return 0;
    int code = -1;
    if (m_process->state() == QProcess::Running) {
        m_process->terminate();
        if (m_process->waitForFinished(20000) && m_process->exitStatus() == QProcess::NormalExit)
            code = m_process->exitCode();
        else
            m_process->kill();
        m_process->waitForFinished(5000);
    } else {
        code = m_process->exitStatus() == QProcess::NormalExit ? m_process->exitCode() : -1;
    }
    m_stderr += QString::fromUtf8(m_process->readAllStandardError());
    m_process.reset();
    return code;
}

bool DevServerProcess::restart() {
    stop();
    return start();
}
