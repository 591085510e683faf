#include "ListRun.h"

#include "ProcessMemory.h"

#include <QCoreApplication>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QQuickWindow>

#include <memory>

namespace {

class TimedNetwork : public QNetworkAccessManager {
public:
    TimedNetwork(ListRun *run, QObject *parent)
        : QNetworkAccessManager(parent)
        , m_run(run) {}

protected:
    QNetworkReply *createRequest(Operation op, const QNetworkRequest &request, QIODevice *data) override {
        QNetworkReply *reply = QNetworkAccessManager::createRequest(op, request, data);
        if (!request.url().path().endsWith(QLatin1String("searchMyPropertyFiles")))
            return reply;
        // Connected before the engine's request object connects, so each chunk is seen first.
        auto body = std::make_shared<QByteArray>();
        connect(reply, &QIODevice::readyRead, reply,
                [reply, body] { *body += reply->peek(reply->bytesAvailable()); });
        connect(reply, &QNetworkReply::finished, reply, [this, reply, body] {
            *body += reply->peek(reply->bytesAvailable());
            m_run->replyFinished(*body);
        });
        return reply;
    }

private:
    ListRun *m_run;
};

} // namespace

QNetworkAccessManager *TimedNetworkFactory::create(QObject *parent) {
    return new TimedNetwork(m_run, parent);
}

ListRun::ListRun(QObject *parent)
    : QObject(parent) {
    m_clock.start();
}

void ListRun::replyFinished(const QByteArray &body) {
    m_replies << QString::fromUtf8(body);
    m_replyTimes << now();
}

void ListRun::watch(QQuickWindow *window) {
    // Polish (layout) and synchronisation are done when this comes, before the frame is drawn.
    connect(window, &QQuickWindow::afterSynchronizing, this, &ListRun::synchronized, Qt::DirectConnection);
}

void ListRun::pageTaken(int rows) {
    m_rows = rows;
    m_waiting = true;
}

void ListRun::synchronized() {
    if (!m_waiting || m_replyTimes.isEmpty())
        return;
    m_waiting = false;
    m_layoutTimes << now() - m_replyTimes.last();
    if (m_rows >= 1000 && m_peakAt1000 < 0)
        m_peakAt1000 = ProcessMemory::peakMiB();
    if (m_rows >= 5000 && m_peakAt5000 < 0)
        m_peakAt5000 = ProcessMemory::peakMiB();
    QMetaObject::invokeMethod(
        this, [this] { Q_EMIT laidOut(m_rows); }, Qt::QueuedConnection);
}

void ListRun::finished() {
    m_succeeded = true;
    QCoreApplication::exit(0);
}

void ListRun::fail(const QString &why) {
    m_failure = why;
    QCoreApplication::exit(1);
}
