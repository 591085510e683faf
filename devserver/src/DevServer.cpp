#include "DevServer.h"

#include "AccountRoutes.h"
#include "ApiError.h"
#include "ApiRouter.h"
#include "ConnectionWatch.h"
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

#include <chrono>
#include <iostream>

namespace {

// Workers enough that dozens of idle or slow connections (each held until its deadline) leave
// plenty for everyone else.
constexpr unsigned kWorkers = 128;
// Connections waiting to be accepted while every worker is busy.
constexpr int kListenBacklog = 1024;
constexpr std::time_t kReadTimeoutSeconds = 5;
constexpr std::time_t kWriteTimeoutSeconds = 10;
constexpr std::time_t kKeepAliveSeconds = 5;
constexpr std::size_t kKeepAliveRequests = 100;
// From the handshake (or the first bytes of a further request) until the header is read.
constexpr auto kHeaderDeadline = std::chrono::seconds(5);
// From the header until the reply is written: a large upload, the work, the reply.
constexpr auto kRequestDeadline = std::chrono::seconds(120);
// TLS 1.2 only with suites of forward secrecy (ephemeral keys); TLS 1.3 has nothing else.
const char *const kTls12Ciphers = "ECDHE+AESGCM:ECDHE+CHACHA20";

// The HTTPS server, with access to its listening socket.
class Server : public httplib::SSLServer {
public:
    using httplib::SSLServer::SSLServer;
    // The library listens with a backlog of five; listening again changes it.
    bool raiseBacklog(int backlog) { return ::listen(svr_sock_, backlog) == 0; }
};

// Many clients write a request's header and its body in two writes, and their kernel holds the
// second one back until the first is acknowledged (Nagle). Left alone, the kernel here delays that
// acknowledgement by up to 40 ms on a connection that is in use, and so every such request waits.
// Acknowledge at once whenever a record has been read. The connection watch hears of it too: the
// first bytes of a further request start that request's header deadline.
void recordRead(int writing, int, int contentType, const void *, size_t, SSL *ssl, void *watch) {
    if (writing || contentType != SSL3_RT_HEADER)
        return;
    const int socket = SSL_get_fd(ssl);
    const int on = 1;
    if (socket >= 0)
        setsockopt(socket, IPPROTO_TCP, TCP_QUICKACK, &on, sizeof on);
    static_cast<ConnectionWatch *>(watch)->recordRead(ssl);
}

} // namespace

DevServer::DevServer(ServiceOptions options)
    : m_context(std::move(options)) {
    m_server =
        std::make_unique<Server>(m_context.options().certFile.c_str(), m_context.options().keyFile.c_str());
    if (!m_server->is_valid())
        return;
    SSL_CTX *tls = m_server->ssl_context();
    SSL_CTX_set_min_proto_version(tls, TLS1_2_VERSION);
    SSL_CTX_set_cipher_list(tls, kTls12Ciphers);
    m_watch = std::make_unique<ConnectionWatch>(tls, kHeaderDeadline, kRequestDeadline);
    SSL_CTX_set_msg_callback(tls, recordRead);
    SSL_CTX_set_msg_callback_arg(tls, m_watch.get());
    m_server->set_pre_routing_handler([this](const httplib::Request &request, httplib::Response &) {
        m_watch->headerRead(request);
        return httplib::Server::HandlerResponse::Unhandled;
    });
    m_server->set_post_routing_handler(
        [this](const httplib::Request &request, httplib::Response &) { m_watch->replying(request); });
    // Nothing the service sends (uploaded images least of all) is to be taken for another type.
    m_server->set_default_headers({{"X-Content-Type-Options", "nosniff"}});

    // Only one service per port: the library's default lets a second one bind the same port too,
    // and connections are then shared out between two databases.
    m_server->set_socket_options([](socket_t socket) {
        const int on = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    });
    m_server->set_payload_max_length(ApiRouter::kBodyLimit);
    m_server->set_tcp_nodelay(true);
    m_server->set_read_timeout(kReadTimeoutSeconds, 0);
    m_server->set_write_timeout(kWriteTimeoutSeconds, 0);
    m_server->set_keep_alive_timeout(kKeepAliveSeconds);
    m_server->set_keep_alive_max_count(kKeepAliveRequests);
    m_server->new_task_queue = [] {
        return new httplib::ThreadPool(kWorkers);
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
    if (port > 0 && !static_cast<Server &>(*m_server).raiseBacklog(kListenBacklog))
        port = -1;
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
