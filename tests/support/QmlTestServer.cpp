#include "QmlTestServer.h"

#include <QTcpServer>

#include <chrono>
#include <thread>

QmlTestServer::QmlTestServer(QObject *parent)
    : QObject(parent)
    , m_server(std::make_unique<TestHttpsServer>()) {
    auto handler = [this](const httplib::Request &request, httplib::Response &response) {
        handle(request, response);
    };
    httplib::Server &server = m_server->server();
    server.Get(".*", handler);
    server.Post(".*", handler);
    server.Put(".*", handler);
    server.Delete(".*", handler);
}

QmlTestServer::~QmlTestServer() {
    m_server->stop();
}

QString QmlTestServer::origin() const {
    return m_server->port() > 0 ? m_server->origin() : QString();
}

bool QmlTestServer::start() {
    if (m_server->port() > 0)
        return true;
    const bool ok = m_server->start();
    if (ok)
        Q_EMIT started();
    return ok;
}

void QmlTestServer::addRoute(const QString &path, int status, const QString &contentType, const QString &body,
                             int delayMs) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answers[path.toStdString()] =
        Answer{status, contentType.toStdString(), body.toStdString(), delayMs, false};
}

void QmlTestServer::addRouteForBody(const QString &path, const QString &bodyPart, int status,
                                    const QString &contentType, const QString &body, int delayMs) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bodyAnswers[{path.toStdString(), bodyPart.toStdString()}] =
        Answer{status, contentType.toStdString(), body.toStdString(), delayMs, false};
}

void QmlTestServer::addDroppedRoute(const QString &path) {
    std::lock_guard<std::mutex> lock(m_mutex);
    Answer answer;
    answer.drop = true;
    m_answers[path.toStdString()] = answer;
}

QVariantList QmlTestServer::requests(const QString &path) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    QVariantList matching;
    for (const QVariant &request : m_requests) {
        if (request.toMap().value(QStringLiteral("path")).toString() == path)
            matching << request;
    }
    return matching;
}

void QmlTestServer::clearRequests() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_requests.clear();
}

void QmlTestServer::clearRoutes() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answers.clear();
    m_bodyAnswers.clear();
}

QString QmlTestServer::closedOrigin() const {
    // A port that was free a moment ago: bind, note it, let it go.
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("https://127.0.0.1:%1").arg(port);
}

void QmlTestServer::handle(const httplib::Request &request, httplib::Response &response) {
    QVariantMap headers;
    for (const auto &header : request.headers)
        headers.insert(QString::fromStdString(header.first).toLower(), QString::fromStdString(header.second));
    QVariantMap record{{QStringLiteral("method"), QString::fromStdString(request.method)},
                       {QStringLiteral("path"), QString::fromStdString(request.path)},
                       {QStringLiteral("headers"), headers},
                       {QStringLiteral("body"), QString::fromStdString(request.body)}};
    Answer answer;
    bool known = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_requests << record;
        for (const auto &entry : m_bodyAnswers) {
            if (entry.first.first == request.path &&
                request.body.find(entry.first.second) != std::string::npos) {
                answer = entry.second;
                known = true;
                break;
            }
        }
        const auto found = m_answers.find(request.path);
        if (!known && found != m_answers.end()) {
            answer = found->second;
            known = true;
        }
    }
    if (!known) {
        response.status = 404;
        response.set_content("<html><body><h1>404 Not Found</h1></body></html>", "text/html");
        return;
    }
    if (answer.delayMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(answer.delayMs));
    if (answer.drop) {
        // A content provider that fails makes the server close the connection mid-reply.
        response.set_content_provider(1000, "application/json",
                                      [](size_t, size_t, httplib::DataSink &) { return false; });
        return;
    }
    response.status = answer.status;
    response.set_content(answer.body, answer.contentType.empty() ? "text/plain" : answer.contentType.c_str());
}
