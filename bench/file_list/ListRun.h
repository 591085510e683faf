#pragma once

#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QObject>
#include <QQmlNetworkAccessManagerFactory>
#include <QStringList>
#include <QVector>

class QQuickWindow;

// The bench document's line back to the host. Keeps the clock, the search replies as they
// arrived (with the moment each one was complete) and, per page, the moment its rows had been
// laid out; notes peak memory when the list holds 1,000 and 5,000 rows.
class ListRun : public QObject {
    Q_OBJECT

public:
    explicit ListRun(QObject *parent = nullptr);

    // Milliseconds since the run's clock started.
    double now() const { return m_clock.nsecsElapsed() / 1e6; }
    // Called by the network layer: a search reply is complete, `body` as it came.
    void replyFinished(const QByteArray &body);
    // The window whose scene graph says when rows are laid out.
    void watch(QQuickWindow *window);

    const QStringList &replies() const { return m_replies; }
    // Per page taken in: from its reply being complete to its rows laid out (ms).
    const QVector<double> &layoutTimes() const { return m_layoutTimes; }
    double peakAt1000() const { return m_peakAt1000; }
    double peakAt5000() const { return m_peakAt5000; }
    bool succeeded() const { return m_succeeded; }
    QString failure() const { return m_failure; }

public Q_SLOTS:
    // The list took in the page of the last reply and now holds `rows` rows.
    void pageTaken(int rows);
    void finished();
    void fail(const QString &why);

Q_SIGNALS:
    // The rows of the page taken last are laid out: the document may ask for the next one.
    void laidOut(int rows);

private:
    void synchronized();

    QElapsedTimer m_clock;
    QStringList m_replies;
    QVector<double> m_replyTimes;
    QVector<double> m_layoutTimes;
    bool m_waiting = false;
    int m_rows = 0;
    double m_peakAt1000 = -1;
    double m_peakAt5000 = -1;
    bool m_succeeded = false;
    QString m_failure;
};

// Gives the engine network access whose search replies report to a ListRun. The reply's bytes are
// peeked as they arrive, before the engine's request object reads them.
class TimedNetworkFactory : public QQmlNetworkAccessManagerFactory {
public:
    explicit TimedNetworkFactory(ListRun *run)
        : m_run(run) {}
    QNetworkAccessManager *create(QObject *parent) override;

private:
    ListRun *m_run;
};
