#include "ConnectionWatch.h"

#include <sys/socket.h>

namespace {

// The watch of the one server of this process, for OpenSSL's callbacks that carry no argument.
ConnectionWatch *g_watch = nullptr;
int g_exIndex = -1;

} // namespace

ConnectionWatch::ConnectionWatch(SSL_CTX *context, Clock::duration headerDeadline,
                                 Clock::duration requestDeadline)
    : m_headerDeadline(headerDeadline)
    , m_requestDeadline(requestDeadline) {
    g_watch = this;
    // The free callback of an ex-data index runs for every connection freed, which is when its
    // entry must go: after that its socket number may belong to another connection.
    if (g_exIndex < 0)
        g_exIndex = SSL_get_ex_new_index(0, nullptr, nullptr, nullptr, &ConnectionWatch::onFree);
    SSL_CTX_set_info_callback(context, &ConnectionWatch::onInfo);
    // A renegotiation would start the header deadline again.
    SSL_CTX_set_options(context, SSL_OP_NO_RENEGOTIATION);
    m_watcher = std::thread([this] { watch(); });
}

ConnectionWatch::~ConnectionWatch() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_watcher.join();
    g_watch = nullptr;
}

void ConnectionWatch::onInfo(const SSL *ssl, int where, int) {
    if ((where & SSL_CB_HANDSHAKE_START) && g_watch)
        g_watch->started(ssl);
}

void ConnectionWatch::onFree(void *parent, void *, CRYPTO_EX_DATA *, int, long, void *) {
    if (!g_watch)
        return;
    std::lock_guard<std::mutex> lock(g_watch->m_mutex);
    g_watch->m_connections.erase(static_cast<const SSL *>(parent));
}

void ConnectionWatch::started(const SSL *ssl) {
    std::lock_guard<std::mutex> lock(m_mutex);
    // Only the first handshake starts the clock.
    m_connections.emplace(ssl, Entry{SSL_get_fd(ssl), Phase::Header, Clock::now() + m_headerDeadline});
}

void ConnectionWatch::set(const SSL *ssl, Phase phase, Clock::duration allowed) {
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = m_connections.find(ssl);
    if (found == m_connections.end())
        return;
    found->second.phase = phase;
    found->second.deadline = Clock::now() + allowed;
}

void ConnectionWatch::headerRead(const httplib::Request &request) {
    if (request.ssl)
        set(request.ssl, Phase::Request, m_requestDeadline);
}

void ConnectionWatch::replying(const httplib::Request &request) {
    if (request.ssl)
        set(request.ssl, Phase::Reply, m_requestDeadline);
}

void ConnectionWatch::recordRead(const SSL *ssl) {
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = m_connections.find(ssl);
    // Nothing is read while a reply is written: bytes after it start the next request.
    if (found != m_connections.end() && found->second.phase == Phase::Reply) {
        found->second.phase = Phase::Header;
        found->second.deadline = Clock::now() + m_headerDeadline;
    }
}

void ConnectionWatch::watch() {
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stopping) {
        m_wake.wait_for(lock, std::chrono::milliseconds(200));
        const auto now = Clock::now();
        for (auto &connection : m_connections) {
            if (connection.second.deadline > now)
                continue;
            // Wakes the worker blocked on the socket; it then closes the connection itself.
            ::shutdown(connection.second.socket, SHUT_RDWR);
            connection.second.deadline = Clock::time_point::max();
        }
    }
}
