#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// The real norvela-devserver started by a test or a benchmark: its own data folder (kept across
// restart()), a free port read from the line it prints, the sign-in code 1234, stopped with
// SIGTERM. It also ends when the process that started it ends.
class DevServerProcess {
public:
    DevServerProcess(QString program, QStringList extraArguments = {});
    ~DevServerProcess();

    DevServerProcess(const DevServerProcess &) = delete;
    DevServerProcess &operator=(const DevServerProcess &) = delete;

    // Arguments after the fixed ones, for the next start().
    void setExtraArguments(QStringList extraArguments) { m_arguments = std::move(extraArguments); }
    // Passes the server's log straight to this process's standard error instead of keeping it
    // for errorOutput().
    void setForwardErrors(bool forward) { m_forwardErrors = forward; }

    // Starts the server on `port` (0: a free one); false when it did not print its address
    // within `timeoutMs`.
    bool start(int timeoutMs = 60000, int port = 0);
    // SIGTERM and wait; returns the exit code (-1 on a crash or a hang).
    int stop();
    // Stops it and starts it again on the same data and, where it is still free, the same port:
    // a client that keeps addresses the service gave it (image base URLs) still reaches it.
    bool restart();
    // Freezes the running server (SIGSTOP) and lets it go on (SIGCONT): frozen, it still takes
    // connections, as the system accepts them for it, and answers none.
    void freeze();
    void thaw();

    int port() const { return m_port; }
    // "https://127.0.0.1:PORT", or empty while not running.
    QString origin() const;
    QString dataDir() const { return m_dataDir.path(); }
    QString errorOutput() const { return m_stderr; }

private:
    QString m_program;
    QTemporaryDir m_dataDir;
    QStringList m_arguments;
    bool m_forwardErrors = false;
    std::unique_ptr<QProcess> m_process;
    QString m_stderr;
    int m_port = 0;
    // The port of the latest run, kept across stop() for restart().
    int m_lastPort = 0;
    bool m_frozen = false;
};
