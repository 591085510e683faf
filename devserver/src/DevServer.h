#pragma once

#include "ServiceContext.h"

#include <httplib.h>

#include <memory>

class ApiRouter;
class ConnectionWatch;

// The HTTPS server with every route of the service installed.
class DevServer {
public:
    explicit DevServer(ServiceOptions options);
    ~DevServer();

    // Binds 127.0.0.1 on the configured port (0 = any free one); returns the port or -1.
    int bind();
    // Serves until stop() is called.
    bool serve();
    void stop();
    ServiceContext &context() { return m_context; }
    bool isValid() const;

private:
    ServiceContext m_context;
    // Destroyed after the server, whose connections it watches.
    std::unique_ptr<ConnectionWatch> m_watch;
    std::unique_ptr<httplib::SSLServer> m_server;
    std::unique_ptr<ApiRouter> m_router;
};
