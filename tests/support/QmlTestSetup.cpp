#include "QmlTestSetup.h"

#include "Host.h"
#include "QmlTestServer.h"
#include "QmlTestService.h"
#include "QmlTestSupport.h"
#include "QmlTypes.h"
#include "ServiceConfig.h"
#include "TlsTrust.h"

#include <QDir>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlError>
#include <QtTest/qtestcase.h>

QmlTestSetup::QmlTestSetup() {
    // Everything the program writes (settings, cache, pictures, local storage) goes below a
    // folder of this process's own, removed when the process ends.
    const QString home = m_home.path();
    for (const char *sub : {"config", "cache", "data", "Pictures"})
        QDir(home).mkpath(QString::fromLatin1(sub));
    qputenv("HOME", home.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (home + QStringLiteral("/cache")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.toLocal8Bit());
}

void QmlTestSetup::applicationAvailable() {
    TlsTrust::install();
    Host::setApplicationIdentity();
    Host::registerFontFaces();
    Host::installQtTranslations();
    // Test builds log requests and replies, so that the tests can check the log keeps secrets out.
    Host::setRequestLogging(true);
    QmlTypes::registerAll();
    const QByteArray origin = qgetenv("NORVELA_TEST_SERVICE_ORIGIN");
    if (!origin.isEmpty())
        ServiceConfig::instance()->redirectTo(QString::fromUtf8(origin));
}

void QmlTestSetup::qmlEngineAvailable(QQmlEngine *engine) {
    engine->setOfflineStoragePath(m_home.path() + QStringLiteral("/offline"));
    Host::publishContextProperties(engine);
    QQmlContext *context = engine->rootContext();
    context->setContextProperty(QStringLiteral("testHomePath"), m_home.path());
    m_support = new QmlTestSupport(m_home.path(), engine);
    context->setContextProperty(QStringLiteral("testSupport"), m_support);
    context->setContextProperty(QStringLiteral("testServer"), new QmlTestServer(engine));
    const QString serviceProgram = QString::fromLocal8Bit(qgetenv("NORVELA_TEST_DEVSERVER"));
    auto *service = new QmlTestService(serviceProgram, engine);
    if (!serviceProgram.isEmpty() && !service->start())
        qFatal("the stand-in service %s did not start", qPrintable(serviceProgram));
    context->setContextProperty(QStringLiteral("testService"), service);
    connect(engine, &QQmlEngine::warnings, this, &QmlTestSetup::onWarnings);
}

void QmlTestSetup::onWarnings(const QList<QQmlError> &warnings) {
    // Errors of bindings evaluated while the test document is being created (which is when
    // its test functions run) reach us only once creation ends, after the last test: those
    // fail the whole process rather than one function.
    for (const QQmlError &warning : warnings) {
        if (m_support && m_support->takeExpectedWarning(warning.toString()))
            continue;
        const QByteArray text = "QML warning: " + warning.toString().toUtf8();
        if (QTest::currentTestFunction()) {
            QTest::qFail(text.constData(), __FILE__, __LINE__);
        } else {
            ++m_strayWarnings;
            qWarning("%s", text.constData());
        }
    }
}
