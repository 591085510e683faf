#include "Downloader.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkRequest>
#include <QStandardPaths>
#include <QUrl>

namespace {

constexpr qint64 speedReportIntervalMs = 200;
// Without a bound QNetworkAccessManager keeps the whole body in memory until it is read.
constexpr qint64 replyBufferSize = 1 << 20;

const QString fallbackFileName = QStringLiteral("download");
constexpr int maxFileNameBytes = 255;

} // namespace

Downloader::Downloader(QObject *parent)
    : QObject(parent) {
    qRegisterMetaType<QNetworkReply::NetworkError>("QNetworkReply::NetworkError");
}

Downloader::~Downloader() {
    // A transfer cut short by the owner going away leaves no half-written media file behind.
    abandonCurrentDownload();
}

QString Downloader::fileNameForUrl(const QUrl &url) {
    const QString encodedPath = url.path(QUrl::FullyEncoded);
    const QString lastSegment = encodedPath.mid(encodedPath.lastIndexOf(QLatin1Char('/')) + 1);
    QString name = QUrl::fromPercentEncoding(lastSegment.toUtf8());

    // An encoded separator ("..%2F..%2Fx") must not become a path, nor may control characters
    // reach the file system.
    QString plain;
    plain.reserve(name.size());
    for (const QChar c : qAsConst(name)) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            plain += QLatin1Char('_');
        else if (c.category() != QChar::Other_Control)
            plain += c;
    }
    plain = plain.trimmed();
    if (plain.isEmpty() || plain == QLatin1String(".") || plain == QLatin1String(".."))
        return fallbackFileName;

    // File systems take at most 255 bytes per name; shorten the stem, keep the extension.
    const int dot = plain.lastIndexOf(QLatin1Char('.'));
    const QString extension = (dot > 0 && plain.size() - dot <= 16) ? plain.mid(dot) : QString();
    QString stem = plain.left(plain.size() - extension.size());
    while (!stem.isEmpty() && (stem + extension).toUtf8().size() > maxFileNameBytes) {
        stem.chop(1);
        if (!stem.isEmpty() && stem.at(stem.size() - 1).isHighSurrogate())
            stem.chop(1);
    }
    return stem.isEmpty() ? fallbackFileName : stem + extension;
}

QString Downloader::getDownloadPath() {
    return m_downloadPath;
}

void Downloader::setCache(bool cache) {
    m_cache = cache;
}

void Downloader::setCacheImage(bool cache) {
    m_cacheImage = cache;
}

void Downloader::setForce(bool force) {
    m_force = force;
}

void Downloader::abandonCurrentDownload() {
    if (m_reply) {
        QNetworkReply *reply = m_reply;
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    if (m_file) {
        if (m_file->isOpen()) {
            m_file->close();
            m_file->remove();
        }
        delete m_file;
        m_file = nullptr;
    }
    m_bytesSinceSpeedReport = 0;
}

void Downloader::downloadUrl(const QString &url) {
    // The earlier transfer would otherwise keep writing and signalling next to the new one.
    abandonCurrentDownload();

    const QUrl source(url, QUrl::TolerantMode);
    QNetworkRequest request(source);

    const QString base = QStandardPaths::writableLocation(
        (m_cache || m_cacheImage) ? QStandardPaths::CacheLocation : QStandardPaths::PicturesLocation);
    const QString folder = base + QStringLiteral("/norvela/");
    if (!QDir(folder).exists())
        QDir(base).mkdir(QStringLiteral("norvela"));

    m_downloadPath = folder + fileNameForUrl(source);
    m_file = new QFile(m_downloadPath);

    if (m_file->exists() && m_file->size() == 0)
        m_file->remove();

    if (m_cache && m_file->exists() && !m_force) {
        const qint64 size = m_file->size();
        Q_EMIT progress(size, size);
        return;
    }
    if (m_cacheImage && m_file->exists()) {
        Q_EMIT downloaded();
        return;
    }
    if (!m_file->open(QIODevice::ReadWrite | QIODevice::Truncate)) {
        qDebug() << "Downloader: cannot open" << m_downloadPath << m_file->errorString();
        return;
    }

    m_reply = m_network.get(request);
    m_reply->setReadBufferSize(replyBufferSize);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &Downloader::downloadProgress);
    connect(m_reply, &QNetworkReply::finished, this, &Downloader::downloadFinished);
    connect(m_reply, &QNetworkReply::readyRead, this, &Downloader::downloadReadyRead);
    connect(m_reply, &QNetworkReply::errorOccurred, this, &Downloader::error);
}

void Downloader::appendAvailableData() {
    const QByteArray data = m_reply->readAll();
    if (m_file && m_file->isOpen()) {
        m_file->write(data);
        // What has arrived is on disk, not in a buffer that a crash would lose.
        m_file->flush();
    }
}

void Downloader::downloadReadyRead() {
    if (!m_reply || m_reply->error() != QNetworkReply::NoError)
        return;

    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (m_lastSpeedReport < 0)
        m_lastSpeedReport = now;
    const qint64 elapsed = now - m_lastSpeedReport;
    if (elapsed >= speedReportIntervalMs) {
        const qint64 bytes = m_bytesSinceSpeedReport;
        m_bytesSinceSpeedReport = 0;
        m_lastSpeedReport = now;
        Q_EMIT speed(bytes * 1000 / elapsed / 1024);
    }

    m_bytesSinceSpeedReport += m_reply->bytesAvailable();
    appendAvailableData();
}

void Downloader::downloadProgress(qint64 bytesReceived, qint64 bytesTotal) {
    Q_EMIT progress(bytesReceived, bytesTotal);
}

void Downloader::downloadFinished() {
    QNetworkReply *reply = m_reply;
    if (!reply)
        return;
    m_bytesSinceSpeedReport = 0;
    const QNetworkReply::NetworkError code = reply->error();
    if (code == QNetworkReply::NoError) {
        appendAvailableData();
        if (m_file) {
            m_file->flush();
            m_file->close();
        }
    } else if (m_file && m_file->isOpen()) {
        // A failure the reply reported only now: no half file stays behind either.
        m_file->close();
        m_file->remove();
    }
    m_reply = nullptr;
    reply->disconnect(this);
    reply->deleteLater();

    if (code == QNetworkReply::NoError)
        Q_EMIT downloaded();
    // Listeners rely on this coming after downloaded(): once complete, they ignore it.
    Q_EMIT downloadError(code);
}

void Downloader::error(QNetworkReply::NetworkError code) {
    if (m_file && m_file->isOpen()) {
        m_file->close();
        m_file->remove();
        m_file->deleteLater();
        m_file = nullptr;
    }
    Q_EMIT downloadError(code);
}
