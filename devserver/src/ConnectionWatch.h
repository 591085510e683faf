#pragma once

#include <httplib.h>
#include <openssl/ssl.h>

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

// Deadlines for connections that send too slowly. The HTTP library times out each read on its
// own, so a client that sends a request's header one byte every few seconds, or never finishes
// its TLS handshake, holds a worker for as long as it likes; enough of them and nobody is
// answered. Each connection gets a few seconds from its handshake (and, on a kept-alive
// connection, from the first bytes of each further request) until its header is read, and a
// generous time for the body and the reply; a connection past its deadline is shut down.
class ConnectionWatch {
public:
    using Clock = std::chrono::steady_clock;

    ConnectionWatch(SSL_CTX *context, Clock::duration headerDeadline, Clock::duration requestDeadline);
    ~ConnectionWatch();
    ConnectionWatch(const ConnectionWatch &) = delete;
    ConnectionWatch &operator=(const ConnectionWatch &) = delete;

    // The request's header has been read (from the server's pre-routing handler).
    void headerRead(const httplib::Request &request);
    // The reply is about to be written (from the server's post-routing handler).
    void replying(const httplib::Request &request);
    // A TLS record is being read on `ssl` (from the context's message callback).
    void recordRead(const SSL *ssl);

private:
    enum class Phase { Header, Request, Reply };
    struct Entry {
        int socket;
        Phase phase;
        Clock::time_point deadline;
    };

    static void onInfo(const SSL *ssl, int where, int ret);
    static void onFree(void *parent, void *ptr, CRYPTO_EX_DATA *data, int index, long argl, void *argp);
    void started(const SSL *ssl);
    void set(const SSL *ssl, Phase phase, Clock::duration allowed);
    void watch();

    Clock::duration m_headerDeadline;
    Clock::duration m_requestDeadline;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    std::map<const SSL *, Entry> m_connections;
    std::thread m_watcher;
};
