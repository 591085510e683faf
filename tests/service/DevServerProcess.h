#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// The real norvela-devserver started for a test: its own data folder (kept across restart()),
// a free port read from the line it prints, stopped with SIGTERM.
class DevServerProcess {
public:
    explicit DevServerProcess(QStringList extraArguments = {});
    ~DevServerProcess();

    // Starts the server; false when it did not print its address.
    bool start();
    // SIGTERM and wait; returns the exit code (-1 on a crash or a hang).
    int stop();
    bool restart();

    int port() const { return m_port; }
    QString dataDir() const { return m_dataDir.path(); }
    QString errorOutput() const { return m_stderr; }

private:
    QTemporaryDir m_dataDir;
    QStringList m_arguments;
    std::unique_ptr<QProcess> m_process;
    QString m_stderr;
    int m_port = 0;
};
