#include "QmlTestSupport.h"

#include "ServiceConfig.h"

#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QWindow>
#include <QtTest/qtestkeyboard.h>

QmlTestSupport::QmlTestSupport(const QString &homePath, QObject *parent)
    : QObject(parent)
    , m_homePath(homePath) {}

void QmlTestSupport::redirectService(const QString &origin) {
    ServiceConfig::instance()->redirectTo(origin);
}

void QmlTestSupport::setRequestTimeout(int milliseconds) {
    ServiceConfig::instance()->setRequestTimeout(milliseconds);
}

bool QmlTestSupport::fileExists(const QString &path) const {
    return QFile::exists(path);
}

QString QmlTestSupport::readTextFile(const QString &path) const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QmlTestSupport::~QmlTestSupport() {
    if (m_capturing) {
        for (const char *scheme : {"http", "https", "file"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
}

void QmlTestSupport::captureOpenedUrls() {
    m_capturing = true;
    for (const char *scheme : {"http", "https", "file"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "openUrl");
}

void QmlTestSupport::openUrl(const QUrl &url) {
    m_openedUrls << url.toString();
    Q_EMIT urlOpened(url.toString());
}

void QmlTestSupport::typeText(const QString &text) {
    QWindow *window = QGuiApplication::focusWindow();
    if (!window) {
        qWarning("typeText: no window has the focus");
        return;
    }
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, window, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void QmlTestSupport::expectWarning(const QString &pattern) {
    m_expectedWarnings << pattern;
}

bool QmlTestSupport::takeExpectedWarning(const QString &warning) {
    for (int i = 0; i < m_expectedWarnings.size(); ++i) {
        if (QRegularExpression(m_expectedWarnings.at(i)).match(warning).hasMatch()) {
            m_expectedWarnings.removeAt(i);
            return true;
        }
    }
    return false;
}
