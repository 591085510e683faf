#pragma once

#include <QObject>
#include <QString>

// Small services for Quick Test documents, published as `testSupport`.
class QmlTestSupport : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString homePath READ homePath CONSTANT)

public:
    QmlTestSupport(const QString &homePath, QObject *parent = nullptr);

    QString homePath() const { return m_homePath; }

    // Points the client (requests, uploads, map) at another origin, e.g. testServer.origin.
    Q_INVOKABLE void redirectService(const QString &origin);
    // Whether a file exists, and its text (UTF-8): for checking what the program wrote.
    Q_INVOKABLE bool fileExists(const QString &path) const;
    Q_INVOKABLE QString readTextFile(const QString &path) const;

private:
    QString m_homePath;
};
