#pragma once

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QString>

class QFile;
class QUrl;

// Fetches one remote file into the program's media (or cache) folder and reports progress,
// speed, completion and failure to QML. One download at a time per object.
class Downloader : public QObject {
    Q_OBJECT

public:
    explicit Downloader(QObject *parent = nullptr);
    ~Downloader() override;

    Q_INVOKABLE void downloadUrl(const QString &url);

    // The name the file of `url` is saved under: the last path segment, decoded, reduced to a
    // plain file name that cannot leave the target folder.
    static QString fileNameForUrl(const QUrl &url);

public Q_SLOTS:
    QString getDownloadPath();
    void setCache(bool cache);
    void setCacheImage(bool cache);
    void setForce(bool force);

Q_SIGNALS:
    void progress(qint64 downloadedSize, qint64 maxSize);
    void speed(qint64 speed);
    void downloaded();
    void downloadError(QNetworkReply::NetworkError error);

private Q_SLOTS:
    void downloadProgress(qint64 bytesReceived, qint64 bytesTotal);
    void downloadFinished();
    void downloadReadyRead();
    void error(QNetworkReply::NetworkError code);

private:
    void abandonCurrentDownload();
    void appendAvailableData();

    qint64 m_bytesSinceSpeedReport = 0;
    // When this downloader last reported its speed (ms since the epoch; -1 before its first data).
    // Each downloader keeps its own: two downloads side by side each measure their own bytes
    // over their own interval.
    qint64 m_lastSpeedReport = -1;
    QNetworkAccessManager m_network;
    QNetworkReply *m_reply = nullptr;
    QFile *m_file = nullptr;
    QString m_downloadPath;
    bool m_cache = false;
    bool m_cacheImage = false;
    bool m_force = false;
};
