#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QNetworkAccessManager;

// Small operating-system services for QML (device identity, clipboard, temporary, cache and
// media folders, local-storage files) and the multipart upload of files to the service.
class Utility : public QObject {
    Q_OBJECT

public:
    explicit Utility(QObject *parent = nullptr);

    // Where the media folder lies (the user's pictures folder).
    static QString mediaDirectory();
    // The local path of a "file:" URL; a path is returned as it is, another scheme gives "".
    static QString localPathOf(const QString &url);

public Q_SLOTS:
    QString getTempDirectory();
    void copyToClipboard(const QString &text);
    void clearCache();
    void clearTemp();
    void mediaVisible(bool visible);
    QString deviceId();
    QString osVersion();
    void deleteDbFile(const QString &filePath);

    // Conversions between the "file:" URLs that file dialogs and image views use and local
    // paths, for every platform and any file name (spaces, Persian letters, '#', '%').
    QString urlToLocalPath(const QString &url) const;
    QString localPathToUrl(const QString &path) const;

    void sendMultipartRequest(const QString &rout, const QString &apiToken, const QString &fileKey,
                              const QString &file, const QList<QString> &keys, const QList<QString> &values);
    QString compressImage(const QString &filePath);

Q_SIGNALS:
    void requestFinished(const QString &result);

private Q_SLOTS:
    bool removeDir(const QString &dirName);
    void networkRequestDone();

private:
    QNetworkAccessManager *m_network = nullptr;
};
