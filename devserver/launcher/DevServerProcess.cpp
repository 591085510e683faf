#include "DevServerProcess.h"

#include <QElapsedTimer>
#include <QRegularExpression>

#include <signal.h>

DevServerProcess::DevServerProcess(QString program, QStringList extraArguments)
    : m_program(std::move(program))
    , m_arguments(std::move(extraArguments)) {}

DevServerProcess::~DevServerProcess() {
    stop();
}

bool DevServerProcess::start(int timeoutMs, int port) {
    stop();
    m_process = std::make_unique<QProcess>();
    if (m_forwardErrors)
        m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("NORVELA_DEVSERVER_EXIT_WITH_PARENT"), QStringLiteral("1"));
    m_process->setProcessEnvironment(environment);
    QStringList arguments{QStringLiteral("--data"),       m_dataDir.path(),
                          QStringLiteral("--port"),       QString::number(port),
                          QStringLiteral("--fixed-code"), QStringLiteral("1234")};
    arguments << m_arguments;
    m_process->start(m_program, arguments);
    if (!m_process->waitForStarted(20000))
        return false;
    static const QRegularExpression line(
        QStringLiteral("^listening on https://127\\.0\\.0\\.1:(\\d+)/api/$"));
    QElapsedTimer timer;
    timer.start();
    QByteArray output;
    while (timer.elapsed() < timeoutMs) {
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
                m_lastPort = m_port;
                return true;
            }
        }
    }
    m_stderr = QString::fromUtf8(m_process->readAllStandardError());
    return false;
}

int DevServerProcess::stop() {
    m_port = 0;
    if (!m_process)
        return 0;
    // A frozen server would hold SIGTERM until the kill after the wait.
    thaw();
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

void DevServerProcess::freeze() {
    if (!m_process || m_process->state() != QProcess::Running || m_frozen)
        return;
    const qint64 pid = m_process->processId();
    m_frozen = ::kill(static_cast<pid_t>(pid), SIGSTOP) == 0;
    // Should the process that froze it be killed before it thaws it, the server must not stay
    // stopped for good: a minute later it goes on, and ends as its parent is gone.
    if (!m_frozen)
        return;
    QProcess watchdog;
    watchdog.setProgram(QStringLiteral("/bin/sh"));
    watchdog.setArguments(
        {QStringLiteral("-c"), QStringLiteral("sleep 60; kill -CONT %1 2>/dev/null").arg(pid)});
    // Holding the test's output open, it would keep the test runner waiting for the minute.
    watchdog.setStandardInputFile(QProcess::nullDevice());
    watchdog.setStandardOutputFile(QProcess::nullDevice());
    watchdog.setStandardErrorFile(QProcess::nullDevice());
    watchdog.startDetached();
}

void DevServerProcess::thaw() {
    if (m_process && m_frozen)
        ::kill(static_cast<pid_t>(m_process->processId()), SIGCONT);
    m_frozen = false;
}

bool DevServerProcess::restart() {
    const int port = m_lastPort;
    return (port > 0 && start(60000, port)) || start();
}

QString DevServerProcess::origin() const {
    return m_port > 0 ? QStringLiteral("https://127.0.0.1:%1").arg(m_port) : QString();
}
