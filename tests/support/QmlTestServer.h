#pragma once

#include "TestHttpsServer.h"

#include <QObject>
#include <QVariantList>

#include <map>
#include <memory>
#include <mutex>

// An HTTPS server inside the Quick Test process, for replies a real service would never send:
// HTML error pages, empty or cut bodies, slow answers. Published to tests as `testServer`.
class QmlTestServer : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString origin READ origin NOTIFY started)

public:
    explicit QmlTestServer(QObject *parent = nullptr);
    ~QmlTestServer() override;

    QString origin() const;

    // Answers every method on `path` with the given status, content type and body, after
    // `delayMs` milliseconds. A later call for the same path replaces the answer.
    Q_INVOKABLE void addRoute(const QString &path, int status, const QString &contentType,
                              const QString &body, int delayMs = 0);
    // Like addRoute, for the requests on `path` whose body contains `bodyPart`; these answers
    // come before the path's own.
    Q_INVOKABLE void addRouteForBody(const QString &path, const QString &bodyPart, int status,
                                     const QString &contentType, const QString &body, int delayMs = 0);
    // Answers `path` by closing the connection without a reply.
    Q_INVOKABLE void addDroppedRoute(const QString &path);
    Q_INVOKABLE bool start();
    // Requests received on `path`, oldest first: {method, path, headers: {name: value}, body}.
    Q_INVOKABLE QVariantList requests(const QString &path) const;
    Q_INVOKABLE void clearRequests();
    // Forgets every answer given so far: unknown paths get 404 again.
    Q_INVOKABLE void clearRoutes();
    // An origin where nothing listens.
    Q_INVOKABLE QString closedOrigin() const;

Q_SIGNALS:
    void started();

private:
    struct Answer {
        int status = 200;
        std::string contentType;
        std::string body;
        int delayMs = 0;
        bool drop = false;
    };

    void handle(const httplib::Request &request, httplib::Response &response);

    std::unique_ptr<TestHttpsServer> m_server;
    mutable std::mutex m_mutex;
    std::map<std::string, Answer> m_answers;
    // By path and body part.
    std::map<std::pair<std::string, std::string>, Answer> m_bodyAnswers;
    QVariantList m_requests;
};
