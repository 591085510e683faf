#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

// Connections to a local port that never send a byte, held open for as long as this object
// lives: each one the server closes is opened again at once, as a careless or hostile client
// would. Benchmarks measure beside them whether the server still answers everyone else.
class IdleConnections {
public:
    IdleConnections(int port, int count)
        : m_port(port) {
        for (int i = 0; i < count; ++i)
            m_sockets.push_back(open());
        m_keeper = std::thread([this] { keep(); });
    }
    ~IdleConnections() {
        m_stop = true;
        m_keeper.join();
        for (int socket : m_sockets) {
            if (socket >= 0)
                ::close(socket);
        }
    }
    IdleConnections(const IdleConnections &) = delete;
    IdleConnections &operator=(const IdleConnections &) = delete;

    // How many times the server closed one of them.
    long reopened() const { return m_reopened; }

private:
    int open() const {
        const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(m_port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(socket, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
            ::close(socket);
            return -1;
        }
        return socket;
    }

    void keep() {
        while (!m_stop) {
            std::vector<pollfd> polled;
            for (int socket : m_sockets)
                polled.push_back({socket, POLLIN, 0});
            ::poll(polled.data(), polled.size(), 50);
            for (std::size_t i = 0; i < m_sockets.size(); ++i) {
                char byte;
                const bool closed = m_sockets[i] < 0 || ((polled[i].revents & (POLLIN | POLLHUP | POLLERR)) &&
                                                         ::recv(m_sockets[i], &byte, 1, MSG_DONTWAIT) <= 0);
                if (!closed)
                    continue;
                if (m_sockets[i] >= 0)
                    ::close(m_sockets[i]);
                m_sockets[i] = open();
                ++m_reopened;
            }
        }
    }

    int m_port;
    std::vector<int> m_sockets;
    std::atomic<bool> m_stop{false};
    std::atomic<long> m_reopened{0};
    std::thread m_keeper;
};
