#include "QmlTestSupport.h"

#include "ServiceConfig.h"

#include <QClipboard>
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

namespace {

// QDesktopServices reports whether a URL handler could be called, not what it did: a handler
// method that does not exist is the way to make it answer false. Qt warns about the missing
// method each time; that warning is the expected one and is kept out of the test's output.
const char refusingMethod[] = "refuseOpening";
QtMessageHandler previousMessageHandler = nullptr;

void dropRefusalWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (message.contains(QLatin1String("QmlTestSupport::") + QLatin1String(refusingMethod)))
        return;
    if (previousMessageHandler)
        previousMessageHandler(type, context, message);
}

} // namespace

void QmlTestSupport::refuseOpeningUrls(bool refuse) {
    if (!refuse) {
        captureOpenedUrls();
        return;
    }
    m_capturing = true;
    if (!previousMessageHandler)
        previousMessageHandler = qInstallMessageHandler(dropRefusalWarnings);
    for (const char *scheme : {"http", "https", "file"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, refusingMethod);
}

QString QmlTestSupport::clipboardText() const {
    return QGuiApplication::clipboard()->text();
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
