#include "TestHttpsServer.h"

#include <chrono>

TestHttpsServer::TestHttpsServer(TestCertificates::Kind kind)
    : m_identity(TestCertificates::make(kind))
    , m_server(std::make_unique<httplib::SSLServer>(m_identity.certificate.get(), m_identity.key.get())) {}

TestHttpsServer::TestHttpsServer(PlainHttp)
    : m_server(std::make_unique<httplib::Server>())
    , m_tls(false) {}

TestHttpsServer::~TestHttpsServer() {
    stop();
}

bool TestHttpsServer::start() {
    m_port = m_server->bind_to_any_port("127.0.0.1");
    if (m_port <= 0)
        return false;
    m_thread = std::thread([this] { m_server->listen_after_bind(); });
    for (int i = 0; i < 500 && !m_server->is_running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return m_server->is_running();
}

void TestHttpsServer::stop() {
    if (m_thread.joinable()) {
        m_server->stop();
        m_thread.join();
    }
}

QString TestHttpsServer::origin() const {
    return QStringLiteral("%1://127.0.0.1:%2")
        .arg(m_tls ? QStringLiteral("https") : QStringLiteral("http"))
        .arg(m_port);
}
