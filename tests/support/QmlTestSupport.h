#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

// Small services for Quick Test documents, published as `testSupport`.
class QmlTestSupport : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString homePath READ homePath CONSTANT)
    Q_PROPERTY(QStringList openedUrls READ openedUrls NOTIFY urlOpened)

public:
    QmlTestSupport(const QString &homePath, QObject *parent = nullptr);

    ~QmlTestSupport() override;

    QString homePath() const { return m_homePath; }
    QStringList openedUrls() const { return m_openedUrls; }

    // Points the client (requests, uploads, map) at another origin, e.g. testServer.origin.
    Q_INVOKABLE void redirectService(const QString &origin);
    // Requests of the request layer give up after `milliseconds` without an answer (30 s in the
    // program).
    Q_INVOKABLE void setRequestTimeout(int milliseconds);
    // Whether a file exists, and its text (UTF-8): for checking what the program wrote.
    Q_INVOKABLE bool fileExists(const QString &path) const;
    Q_INVOKABLE QString readTextFile(const QString &path) const;
    // From now on URLs the program opens in the system's browser or viewer
    // (Qt.openUrlExternally) are collected in openedUrls instead of being opened.
    Q_INVOKABLE void captureOpenedUrls();
    // Types `text` into the window that has the focus, one key event per character carrying that
    // character, as a keyboard layout does: keyClick() can only type Latin-1 characters.
    Q_INVOKABLE void typeText(const QString &text);
    // While `refuse` is true, Qt.openUrlExternally answers false for http, https and file URLs, as
    // on a machine where no browser or viewer takes them; false goes back to captureOpenedUrls().
    Q_INVOKABLE void refuseOpeningUrls(bool refuse);
    // The text on the system clipboard.
    Q_INVOKABLE QString clipboardText() const;
    // The next QML warning matching `pattern` (a regular expression) is expected: it fails
    // nothing (it may arrive after the test function, as binding errors do).
    Q_INVOKABLE void expectWarning(const QString &pattern);
    // Consumes an expectation the warning matches; false when none does.
    bool takeExpectedWarning(const QString &warning);

Q_SIGNALS:
    void urlOpened(const QString &url);

private Q_SLOTS:
    void openUrl(const QUrl &url);

private:
    QStringList m_openedUrls;
    QStringList m_expectedWarnings;
    bool m_capturing = false;
    QString m_homePath;
};
