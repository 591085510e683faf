#include "DownloadManager.h"

#include <QDebug>
#include <QFile>
#include <QMetaEnum>
#include <QNetworkAccessManager>

namespace {

constexpr qint64 replyBufferSize = 1 << 20;

QString errorName(QNetworkReply::NetworkError code) {
    const char *name = QMetaEnum::fromType<QNetworkReply::NetworkError>().valueToKey(code);
    return name ? QString::fromLatin1(name) : QString::number(int(code));
}

bool isSuccessStatus(const QNetworkReply *reply) {
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return true; // not HTTP, or no status line yet
    const int code = status.toInt();
    return code >= 200 && code < 300;
}

} // namespace

DownloadManager::DownloadManager(QObject *parent)
    : QObject(parent) {
    m_stallTimer.setSingleShot(true);
    connect(&m_stallTimer, &QTimer::timeout, this, &DownloadManager::timeout);
}

DownloadManager::~DownloadManager() {
    pause();
    if (m_file) {
        m_file->close();
        delete m_file;
    }
}

void DownloadManager::download(const QUrl &url) {
    download(url, QStringLiteral("test"));
}

void DownloadManager::download(const QUrl &url, const QString &fileName) {
    qDebug().noquote() << QStringLiteral("download: URL=") + url.toString();

    // A download already under way gives way to the new one; its part file stays for later.
    pause();
    if (m_file) {
        m_file->close();
        delete m_file;
        m_file = nullptr;
    }
    if (m_network)
        m_network->deleteLater();

    m_url = url;
    m_fileName = fileName;
    m_position = 0;
    m_resumeOffset = 0;
    m_totalSize = 0;
    m_acceptRanges = false;
    m_pausedWhileProbing = false;
    m_request = QNetworkRequest(url);
    m_network = new QNetworkAccessManager(this);
    startHead();
}

void DownloadManager::startHead() {
    m_probing = true;
    m_pausedWhileProbing = false;
    m_reply = m_network->head(m_request);
    startStallTimer();
    connect(m_reply, &QNetworkReply::finished, this, &DownloadManager::finishedHead);
    connect(m_reply, &QNetworkReply::errorOccurred, this, &DownloadManager::error);
}

void DownloadManager::startStallTimer() {
    m_stallTimer.start(m_stallTimeoutMs);
}

void DownloadManager::finishedHead() {
    m_stallTimer.stop();
    m_probing = false;
    m_acceptRanges = false;
    QNetworkReply *head = m_reply;
    m_reply = nullptr;
    head->disconnect(this);
    head->deleteLater();

    for (const QNetworkReply::RawHeaderPair &header : head->rawHeaderPairs())
        Q_EMIT addLine(QString::fromLatin1(header.first) + QStringLiteral(" = ") +
                       QString::fromLatin1(header.second));

    // A failed probe says nothing reliable about the body: fetch it whole.
    if (head->error() == QNetworkReply::NoError) {
        if (head->hasRawHeader("Accept-Ranges")) {
            const QByteArray value = head->rawHeader("Accept-Ranges");
            m_acceptRanges = value == "bytes";
            qDebug().noquote() << QStringLiteral("Accept-Ranges = ") + QString::fromLatin1(value)
                               << (m_acceptRanges ? "true" : "false");
        }
        m_totalSize = head->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    } else {
        m_totalSize = 0;
    }

    m_request.setRawHeader("Connection", "Keep-Alive");
    m_request.setAttribute(QNetworkRequest::HttpPipeliningAllowedAttribute, true);

    m_file = new QFile(partFileName());
    if (!m_acceptRanges)
        m_file->remove();
    if (!m_file->open(QIODevice::ReadWrite | QIODevice::Append)) {
        const QString reason = m_file->errorString();
        delete m_file;
        m_file = nullptr;
        fail(reason);
        return;
    }
    m_resumeOffset = m_file->size();

    if (m_acceptRanges && m_totalSize > 0) {
        if (m_resumeOffset == m_totalSize) {
            // Everything arrived before; asking for the empty rest would only earn a 416.
            Q_EMIT progress(100);
            complete();
            return;
        }
        if (m_resumeOffset > m_totalSize) {
            // Longer than the file on the server: left from another file, start afresh.
            m_file->resize(0);
            m_resumeOffset = 0;
        }
    }
    download();
}

void DownloadManager::download() {
    qDebug() << "download()";
    if (!m_file || !m_file->isOpen() || m_reply)
        return;

    if (m_acceptRanges) {
        // The end of a byte range is the position of its last byte, inclusive.
        QByteArray range = "bytes=" + QByteArray::number(m_resumeOffset) + '-';
        if (m_totalSize > 0)
            range += QByteArray::number(m_totalSize - 1);
        m_request.setRawHeader("Range", range);
    } else {
        m_request.setRawHeader("Range", QByteArray());
    }

    m_reply = m_network->get(m_request);
    m_reply->setReadBufferSize(replyBufferSize);
    startStallTimer();
    connect(m_reply, &QNetworkReply::finished, this, &DownloadManager::finished);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &DownloadManager::downloadProgress);
    connect(m_reply, &QNetworkReply::errorOccurred, this, &DownloadManager::error);
    connect(m_reply, &QNetworkReply::readyRead, this, &DownloadManager::writeAvailableData);
}

void DownloadManager::writeAvailableData() {
    if (!m_reply)
        return;
    const QByteArray data = m_reply->readAll();
    // An error page is not part of the file.
    if (data.isEmpty() || !isSuccessStatus(m_reply) || !m_file)
        return;
    if (m_resumeOffset > 0 && m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200) {
        // The server ignored the range and sends the whole file: start the part file over.
        qDebug() << "range ignored by the server, restarting from 0";
        m_file->resize(0);
        m_resumeOffset = 0;
    }
    m_file->write(data);
    // A pause or a crash resumes from what is on disk.
    m_file->flush();
}

void DownloadManager::downloadProgress(qint64 bytesReceived, qint64 bytesTotal) {
    m_stallTimer.stop();
    writeAvailableData();
    m_position = m_resumeOffset + bytesReceived;
    const qint64 whole = bytesTotal >= 0 ? m_resumeOffset + bytesTotal : m_totalSize;
    qDebug().noquote()
        << QStringLiteral("Download Progress: Received=%1: Total=%2").arg(m_position).arg(whole);
    if (whole > 0) {
        const int percentage = int(m_position * 100 / whole);
        qDebug() << "Download Progress:" << percentage;
        Q_EMIT progress(percentage);
    }
    startStallTimer();
}

void DownloadManager::pause() {
    qDebug().noquote() << QStringLiteral("pause() = ") + QString::number(m_position);
    if (!m_reply)
        return;

    m_stallTimer.stop();
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();

    if (m_probing) {
        m_probing = false;
        m_pausedWhileProbing = true;
        return;
    }
    if (m_file) {
        m_file->flush();
        // What is on disk, not what was announced, is where the next range starts.
        m_resumeOffset = m_file->size();
    }
    m_position = 0;
}

void DownloadManager::resume() {
    qDebug().noquote() << QStringLiteral("resume() = ") + QString::number(m_resumeOffset);
    if (m_pausedWhileProbing) {
        startHead();
        return;
    }
    download();
}

void DownloadManager::finished() {
    qDebug() << "finished";
    m_stallTimer.stop();
    QNetworkReply *reply = m_reply;
    if (!reply)
        return;
    const QNetworkReply::NetworkError code = reply->error();
    if (code == QNetworkReply::NoError)
        writeAvailableData();
    const QString errorText = reply->errorString();
    m_reply = nullptr;
    reply->disconnect(this);
    reply->deleteLater();

    if (code != QNetworkReply::NoError) {
        fail(errorText);
        return;
    }
    complete();
}

void DownloadManager::complete() {
    m_file->close();
    QFile::remove(m_fileName);
    const bool renamed = m_file->rename(m_fileName);
    const QString reason = m_file->errorString();
    delete m_file;
    m_file = nullptr;
    if (!renamed) {
        Q_EMIT downloadFailed(reason);
        return;
    }
    Q_EMIT downloadComplete();
}

void DownloadManager::fail(const QString &errorText) {
    qDebug().noquote() << QStringLiteral("failed: ") + errorText;
    if (m_file) {
        m_file->flush();
        m_resumeOffset = m_file->size();
    }
    m_position = 0;
    Q_EMIT downloadFailed(errorText);
}

void DownloadManager::error(QNetworkReply::NetworkError code) {
    qDebug().noquote() << QStringLiteral("error(%1)").arg(errorName(code));
}

void DownloadManager::timeout() {
    qDebug() << "timeout";
}
