#pragma once

#include "DevServerProcess.h"

#include <QObject>
#include <QStringList>

// The stand-in service run for one Quick Test process, with data of its own. Published to tests
// as `testService`; started at once when NORVELA_TEST_DEVSERVER names the service's program.
class QmlTestService : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString origin READ origin NOTIFY originChanged)
    Q_PROPERTY(QString dataDir READ dataDir CONSTANT)
    Q_PROPERTY(bool running READ running NOTIFY originChanged)

public:
    explicit QmlTestService(const QString &program, QObject *parent = nullptr);
    ~QmlTestService() override;

    QString origin() const { return m_server.origin(); }
    QString dataDir() const { return m_server.dataDir(); }
    bool running() const { return m_server.port() > 0; }

    // Starts the service on a free port with the demo data and the code "1234", plus
    // `extraArgs`; the client is pointed at it. Returns whether it came up.
    Q_INVOKABLE bool start(const QStringList &extraArgs = {});
    // Stops it and starts it again on the same data and, where it is still free, the same port.
    Q_INVOKABLE bool restart(const QStringList &extraArgs = {});
    Q_INVOKABLE void stop();
    // Freezes the running service and lets it go on: frozen, it takes connections and answers none.
    Q_INVOKABLE void freeze();
    Q_INVOKABLE void thaw();

Q_SIGNALS:
    void originChanged();

private:
    // Points the program at the service once it runs; says so when it did not start.
    bool announce(bool started);

    DevServerProcess m_server;
};
