#include "Utility.h"

#include "ServiceConfig.h"

#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHttpMultiPart>
#include <QMimeDatabase>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTimer>
#include <QUrl>

namespace {

QString cacheLocation() {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}

QString quoted(const QString &text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

Utility::Utility(QObject *parent)
    : QObject(parent) {}

QString Utility::mediaDirectory() {
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + QStringLiteral("/velmora/");
}

QString Utility::getTempDirectory() {
    // The whole path is made: on a first start nothing has created the cache location yet,
    // and a crop saved into a folder that does not exist would be lost.
    const QString path = cacheLocation() + QStringLiteral("/temp/");
    if (!QDir(path).exists())
        QDir().mkpath(path);
    return path;
}

void Utility::copyToClipboard(const QString &text) {
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(text, QClipboard::Clipboard);
}

void Utility::clearCache() {
    removeDir(cacheLocation() + QStringLiteral("/cache_images/"));
    removeDir(cacheLocation() + QStringLiteral("/cache_videos/"));
}

void Utility::clearTemp() {
    removeDir(cacheLocation() + QStringLiteral("/temp/"));
}

void Utility::mediaVisible(bool visible) {
    const QString media = mediaDirectory();
    if (!QDir(media).exists())
        QDir().mkpath(media);
    QFile marker(media + QStringLiteral(".nomedia"));
    if (visible) {
        if (marker.exists())
            marker.remove();
        return;
    }
    if (marker.exists())
        return;
    if (marker.open(QIODevice::ReadWrite | QIODevice::Truncate)) {
        marker.write("1");
        marker.flush();
        marker.close();
    }
}

QString Utility::deviceId() {
    return QString::fromUtf8(QSysInfo::machineUniqueId());
}

QString Utility::osVersion() {
    return QSysInfo::productVersion();
}

void Utility::deleteDbFile(const QString &filePath) {
    // Spelled as the QML local storage spells its folder: file systems here tell case apart.
    QDir databases(filePath + QStringLiteral("/Databases/"));
    const QStringList files = databases.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    for (const QString &name : files)
        QFile::remove(databases.filePath(name));
}

QString Utility::urlToLocalPath(const QString &url) const {
    return localPathOf(url);
}

QString Utility::localPathOf(const QString &url) {
    const QUrl parsed(url, QUrl::StrictMode);
    if (parsed.isLocalFile())
        return parsed.toLocalFile();
    // Already a path (or a URL of another scheme, which has no local path).
    return parsed.scheme().isEmpty() || parsed.scheme().size() == 1 ? url : QString();
}

QString Utility::localPathToUrl(const QString &path) const {
    return path.isEmpty() ? QString() : QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
}

bool Utility::removeDir(const QString &dirName) {
    QDir dir(dirName);
    if (!dir.exists())
        return true;
    bool result = true;
    const QFileInfoList entries = dir.entryInfoList(
        QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System, QDir::DirsFirst | QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir() && !entry.isSymLink())
            result = removeDir(entry.absoluteFilePath());
        else
            result = QFile::remove(entry.absoluteFilePath());
    }
    return result;
}

void Utility::sendMultipartRequest(const QString &rout, const QString &apiToken, const QString &fileKey,
                                   const QString &file, const QList<QString> &keys,
                                   const QList<QString> &values) {
    auto *body = new QFile(file);
    if (!body->open(QIODevice::ReadOnly)) {
        // Nothing is sent for a file that cannot be read; the caller hears why, as it would
        // hear of any other failed upload.
        const QString error = tr("The file %1 cannot be read: %2").arg(file, body->errorString());
        delete body;
        QTimer::singleShot(0, this, [this, error] { Q_EMIT requestFinished(error); });
        return;
    }

    auto *multipart = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    for (int i = 0; i < keys.size(); ++i) {
        QHttpPart part;
        part.setHeader(QNetworkRequest::ContentDispositionHeader,
                       QString(QStringLiteral("form-data; name=") + quoted(keys.at(i))));
        part.setBody(values.value(i).toUtf8());
        multipart->append(part);
    }

    const QFileInfo info(file);
    QHttpPart filePart;
    filePart.setHeader(QNetworkRequest::ContentTypeHeader, QMimeDatabase().mimeTypeForFile(info).name());
    filePart.setHeader(QNetworkRequest::ContentDispositionHeader,
                       QString(QStringLiteral("form-data; name=") + quoted(fileKey) +
                               QStringLiteral("; filename=") + quoted(info.fileName())));
    filePart.setBodyDevice(body);
    body->setParent(multipart);
    multipart->append(filePart);

    QNetworkRequest request(QUrl(ServiceConfig::instance()->apiBaseUrl() + QStringLiteral("v1/") + rout));
    request.setRawHeader("Authorization", QByteArray("Bearer ") + apiToken.toUtf8());

    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    QNetworkReply *reply = m_network->post(request, multipart);
    multipart->setParent(reply);
    connect(reply, &QNetworkReply::finished, this, &Utility::networkRequestDone);
}

void Utility::networkRequestDone() {
    // The reply that finished, not the last one started: two uploads on one object can never
    // swap their results.
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply)
        return;
    reply->deleteLater();
    QString result;
    if (reply->error() != QNetworkReply::NoError) {
        result = reply->errorString();
    } else {
        const QByteArray data = reply->readAll();
        result = QString::fromUtf8(data.constData(), int(qstrnlen(data.constData(), uint(data.size()))));
    }
    Q_EMIT requestFinished(result);
}

QString Utility::compressImage(const QString &filePath) {
    return filePath;
}
