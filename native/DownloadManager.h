#pragma once

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>

class QFile;
class QNetworkAccessManager;

// Downloads one URL into a local file that survives interruptions: the body goes to a ".part"
// file, continued from its length when the server serves byte ranges, and takes the final name
// only once the transfer has succeeded.
class DownloadManager : public QObject {
    Q_OBJECT

public:
    explicit DownloadManager(QObject *parent = nullptr);
    ~DownloadManager() override;

    // How long the transfer may go without a progress notice before a stall is logged.
    void setStallTimeout(int milliseconds) { m_stallTimeoutMs = milliseconds; }
    int stallTimeout() const { return m_stallTimeoutMs; }

    QString fileName() const { return m_fileName; }
    QString partFileName() const { return m_fileName + QStringLiteral(".part"); }

Q_SIGNALS:
    void addLine(const QString &qsLine);
    void downloadComplete();
    void progress(int nPercentage);
    // The transfer failed; the ".part" file is kept so that a later start can resume it.
    void downloadFailed(const QString &errorText);

public Q_SLOTS:
    // Saves to "test" in the working directory.
    void download(const QUrl &url);
    void download(const QUrl &url, const QString &fileName);
    void pause();
    void resume();

private Q_SLOTS:
    void download();
    void finishedHead();
    void finished();
    void downloadProgress(qint64 bytesReceived, qint64 bytesTotal);
    void error(QNetworkReply::NetworkError code);
    void timeout();

private:
    void startHead();
    void startStallTimer();
    void writeAvailableData();
    void complete();
    void fail(const QString &errorText);

    QUrl m_url;
    QString m_fileName;
    QNetworkAccessManager *m_network = nullptr;
    QNetworkRequest m_request;
    QNetworkReply *m_reply = nullptr;
    QFile *m_file = nullptr;
    qint64 m_totalSize = 0;
    bool m_acceptRanges = false;
    qint64 m_position = 0;
    qint64 m_resumeOffset = 0;
    QTimer m_stallTimer;
    int m_stallTimeoutMs = 5000;
    bool m_probing = false;
    bool m_pausedWhileProbing = false;
};
