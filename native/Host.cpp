#include "Host.h"

#include "BuildConfig.h"
#include "QmlTypes.h"
#include "ServiceConfig.h"
#include "TlsTrust.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QSGRendererInterface>

#include <memory>

namespace Host {

QUrl mainDocumentUrl() {
    return QUrl(QStringLiteral("qrc:/main.qml"));
}

void setApplicationIdentity() {
    QCoreApplication::setApplicationVersion(QStringLiteral("2.1.0.0"));
    QCoreApplication::setOrganizationName(QStringLiteral("Norvela"));
    QCoreApplication::setOrganizationDomain(BuildConfig::organisationDomain());
    QCoreApplication::setApplicationName(QStringLiteral("Norvela"));
}

void chooseSceneGraphBackend() {
    // Machines without a working OpenGL (virtual desktops, remote sessions, the offscreen
    // platform) would abort at the first frame: draw with the software renderer there.
    QOpenGLContext probe;
    if (!probe.create())
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
}

void registerFontFaces() {
    for (const char *face : {"Vazirmatn-Medium.ttf", "Vazirmatn-Bold.ttf"})
        QFontDatabase::addApplicationFont(QStringLiteral(":/rss/fonts/") + QLatin1String(face));
}

void publishContextProperties(QQmlEngine *engine) {
    engine->rootContext()->setContextProperty(QStringLiteral("offlineStoragePath"),
                                              engine->offlineStoragePath());
    engine->rootContext()->setContextProperty(QStringLiteral("serviceConfig"), ServiceConfig::instance());
}

int run(int argc, char *argv[], const QUrl &mainUrl) {
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    TlsTrust::install();

    QApplication app(argc, argv);
    setApplicationIdentity();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/rss/images/icon.png")));
    registerFontFaces();
    chooseSceneGraphBackend();

    QmlTypes::registerAll();

    auto engine = std::make_unique<QQmlApplicationEngine>();
    QObject::connect(
        engine.get(), &QQmlApplicationEngine::objectCreated, &app,
        [mainUrl](QObject *object, const QUrl &url) {
            if (!object && url == mainUrl)
                QCoreApplication::exit(-1);
        },
        Qt::QueuedConnection);
    publishContextProperties(engine.get());
    engine->load(mainUrl);
    const int exitCode = app.exec();
    engine.reset();
    return exitCode;
}

} // namespace Host
