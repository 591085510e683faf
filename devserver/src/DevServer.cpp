#include "DevServer.h"

#include "AccountRoutes.h"
#include "ApiError.h"
#include "ApiRouter.h"
#include "Envelope.h"
#include "FileRoutes.h"
#include "FinanceRoutes.h"
#include "MapService.h"
#include "MediaRoutes.h"
#include "OfficeRoutes.h"
#include "PaymentPages.h"
#include "PersonalRoutes.h"
#include "SitePages.h"
#include "UserRoutes.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <openssl/ssl.h>
#include <sys/socket.h>

#include <iostream>
#include <thread>

namespace {

// Photos may be several megabytes; nothing else comes close.
constexpr std::size_t kPayloadLimit = 24 * 1024 * 1024;

// Many clients write a request's header and its body in two writes, and their kernel holds the
// second one back until the first is acknowledged (Nagle). Left alone, the kernel here delays that
// acknowledgement by up to 40 ms on a connection that is in use, and so every such request waits.
// Acknowledge at once whenever a record has been read.
void acknowledgeAtOnce(int writing, int, int contentType, const void *, size_t, SSL *ssl, void *) {
    if (writing || contentType != SSL3_RT_HEADER)
        return;
    const int socket = SSL_get_fd(ssl);
    const int on = 1;
    if (socket >= 0)
        setsockopt(socket, IPPROTO_TCP, TCP_QUICKACK, &on, sizeof on);
}

} // namespace

DevServer::DevServer(ServiceOptions options)
    : m_context(std::move(options)) {
    m_server = std::make_unique<httplib::SSLServer>(m_context.options().certFile.c_str(),
                                                    m_context.options().keyFile.c_str());
    if (!m_server->is_valid())
        return;
    m_server->set_payload_max_length(kPayloadLimit);
    m_server->set_tcp_nodelay(true);
    SSL_CTX_set_msg_callback(m_server->ssl_context(), acknowledgeAtOnce);
    m_server->set_read_timeout(30, 0);
    m_server->set_write_timeout(30, 0);
    m_server->set_keep_alive_max_count(1000);
    const unsigned threads = std::max(24u, std::thread::hardware_concurrency() * 2);
    m_server->new_task_queue = [threads] {
        return new httplib::ThreadPool(threads);
    };

    m_router = std::make_unique<ApiRouter>(m_context);
    AccountRoutes::install(*m_router);
    OfficeRoutes::install(*m_router);
    FileRoutes::install(*m_router);
    UserRoutes::install(*m_router);
    FinanceRoutes::install(*m_router);
    PersonalRoutes::install(*m_router);
    MediaRoutes::install(*m_server, m_context);
    m_router->install(*m_server);
    PaymentPages::install(*m_server, m_context);
    SitePages::install(*m_server, m_context);
    MapService::install(*m_server);

    m_server->set_error_handler(httplib::Server::HandlerWithResponse(
        [](const httplib::Request &request, httplib::Response &response) {
            if (!response.body.empty() || response.content_length_ > 0)
                return httplib::Server::HandlerResponse::Unhandled;
            std::string message = "درخواست قابل پردازش نیست";
            std::string code = "E_BAD_REQUEST";
            if (response.status == 404) {
                message = "مسیر درخواستی در سرویس وجود ندارد";
                code = "E_NOT_FOUND";
            } else if (response.status == 413) {
                message = "حجم درخواست بیش از حد مجاز است";
                code = "E_PAYLOAD_TOO_LARGE";
            } else if (response.status == 405) {
                message = "روش درخواست پشتیبانی نمی‌شود";
            } else if (response.status >= 500) {
                message = "خطای داخلی در سرویس رخ داد؛ لطفا دوباره تلاش کنید";
                code = "E_INTERNAL";
            }
            (void)request;
            response.set_content(Envelope::failureText(response.status, message, code),
                                 "application/json; charset=utf-8");
            return httplib::Server::HandlerResponse::Handled;
        }));
    m_server->set_exception_handler(
        [](const httplib::Request &request, httplib::Response &response, std::exception_ptr) {
            std::cerr << "unhandled error in " << request.path << std::endl;
            response.status = 500;
            response.set_content(
                Envelope::failureText(500, "خطای داخلی در سرویس رخ داد؛ لطفا دوباره تلاش کنید", "E_INTERNAL"),
                "application/json; charset=utf-8");
        });
}

DevServer::~DevServer() = default;

bool DevServer::isValid() const {
    return m_server && m_server->is_valid();
}

int DevServer::bind() {
    int port = m_context.options().port;
    if (port == 0) {
        port = m_server->bind_to_any_port("127.0.0.1");
    } else if (!m_server->bind_to_port("127.0.0.1", port)) {
        port = -1;
    }
    if (port > 0)
        m_context.setPort(port);
    return port;
}

bool DevServer::serve() {
    return m_server->listen_after_bind();
}

void DevServer::stop() {
    if (m_server)
        m_server->stop();
}
