#pragma once

#include "TestCertificates.h"

#include <httplib.h>

#include <QString>
#include <QUrl>

#include <memory>
#include <thread>

// An HTTPS (or plain HTTP) server inside the test process, on a port the system picks.
// Register routes through server() before start(); it stops when destroyed.
class TestHttpsServer {
public:
    explicit TestHttpsServer(
        TestCertificates::Kind kind = TestCertificates::Kind::IssuedByDevelopmentAuthority);
    // A plain HTTP server.
    struct PlainHttp {};
    explicit TestHttpsServer(PlainHttp);
    ~TestHttpsServer();

    TestHttpsServer(const TestHttpsServer &) = delete;
    TestHttpsServer &operator=(const TestHttpsServer &) = delete;

    httplib::Server &server() { return *m_server; }
    // Starts listening on 127.0.0.1; returns once the server accepts connections.
    bool start();
    void stop();
    int port() const { return m_port; }
    // "https://127.0.0.1:PORT" (or http), without a trailing slash.
    QString origin() const;
    QUrl url(const QString &path) const { return QUrl(origin() + path); }

private:
    TestCertificates::Identity m_identity;
    std::unique_ptr<httplib::Server> m_server;
    bool m_tls = true;
    std::thread m_thread;
    int m_port = 0;
};
